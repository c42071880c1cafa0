// The gallery in memory: adding copies, deleting, reordering and loading images.
#include <gtest/gtest.h>

#include "foundation/errors.h"
#include "gallery_test_library.h"
#include "portrait/gallery.h"

namespace kelvo::test {
namespace {

class GalleryModelTest : public GalleryLibraryFixture {
 protected:
  GalleryModelTest() : gallery(*library, Libraries(), context.sink, "title", "path\\g.xgl") {}

  void AddNamed(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      auto portrait = MakePortrait();
      portrait->Name = name;
      gallery.Add(*portrait);
    }
  }

  std::string Names() const {
    std::string all;
    for (int i = 1; i <= gallery.Count(); ++i) all += gallery.Portrait(i).Name + ",";
    return all;
  }

  TKelvoGallery gallery;
};

TEST_F(GalleryModelTest, AddKeepsACopy) {
  auto portrait = MakePortrait();
  portrait->Name = "before";
  portrait->Voice = 9;
  gallery.Add(*portrait);
  portrait->Name = "after";
  portrait->Selected[kEyes] = &AddKomp(kEyes, "other");
  ASSERT_EQ(1, gallery.Count());
  EXPECT_NE(portrait.get(), &gallery.Portrait(1));
  EXPECT_EQ("before", gallery.Portrait(1).Name);
  EXPECT_EQ(9, gallery.Portrait(1).Voice);
  EXPECT_EQ(&Komp(kEyes), gallery.Portrait(1).Selected[kEyes]);
}

TEST_F(GalleryModelTest, DeleteOutsideTheRangeChangesNothing) {
  AddNamed({"a", "b", "c"});
  gallery.Delete(0);
  gallery.Delete(4);
  gallery.Delete(-1);
  EXPECT_EQ("a,b,c,", Names());
  gallery.Delete(2);
  EXPECT_EQ("a,c,", Names());
  gallery.Delete(2);
  EXPECT_EQ("a,", Names());
  EXPECT_THROW(gallery.Portrait(2), std::out_of_range);
}

TEST_F(GalleryModelTest, SwapExchangesTwoPortraits) {
  AddNamed({"a", "b", "c"});
  gallery.Swap(1, 3);
  EXPECT_EQ("c,b,a,", Names());
  gallery.Swap(0, 1);
  gallery.Swap(2, 4);
  EXPECT_EQ("c,b,a,", Names());
}

TEST_F(GalleryModelTest, AtMost200Portraits) {
  auto portrait = MakePortrait();
  for (int i = 0; i < kMaxGalleryPortraits; ++i) gallery.Add(*portrait);
  try {
    gallery.Add(*portrait);
    FAIL() << "no error";
  } catch (const KelvoError& error) {
    EXPECT_STREQ("Gallery is full, delete some pictures", error.what());
  }
  EXPECT_EQ(kMaxGalleryPortraits, gallery.Count());
}

TEST_F(GalleryModelTest, LoadImagesCoversSelectionsAndFramesUpToTheLimit) {
  // Components without subcomponents load no file; their counts show what was asked.
  TKelvoKomp& mouth = Komp(kMouths);
  TKelvoKomp& open = AddKomp(kMouths, "open");
  TKelvoKomp& wide = AddKomp(kMouths, "wide");
  mouth.Frames[1] = &open;
  mouth.Frames[4] = &wide;
  TKelvoKomp& brow = Komp(kEyebrows);
  TKelvoKomp& raised = AddKomp(kEyebrows, "raised");
  TKelvoKomp& beyond = AddKomp(kEyebrows, "beyond");
  brow.Frames[2] = &raised;
  brow.Frames[3] = &beyond;  // past the eyebrows' limit of 2
  TKelvoKomp& hair = Komp(kHair);
  TKelvoKomp& notAnimated = AddKomp(kHair, "wind");
  hair.Frames[1] = &notAnimated;  // hair has no animation

  AddNamed({"a", "b"});
  gallery.LoadImages();
  EXPECT_EQ(2, mouth.ImagesLoaded);
  EXPECT_EQ(2, open.ImagesLoaded);
  EXPECT_EQ(2, wide.ImagesLoaded);
  EXPECT_EQ(2, raised.ImagesLoaded);
  EXPECT_EQ(0, beyond.ImagesLoaded);
  EXPECT_EQ(2, hair.ImagesLoaded);
  EXPECT_EQ(0, notAnimated.ImagesLoaded);
  EXPECT_EQ(2, Komp(kBackgrounds).ImagesLoaded);
}

}  // namespace
}  // namespace kelvo::test
