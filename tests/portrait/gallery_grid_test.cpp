// The gallery grid that the gallery window and `kelvo sheet` share: columns for a width, rows,
// cell points, the portrait under a point, the picture and the labels.
#include "portrait/gallery_grid.h"

#include <gtest/gtest.h>

#include "gallery_test_library.h"
#include "portrait/gallery.h"

namespace kelvo::test {
namespace {

TEST(GalleryGridGeometry, ColumnsRowsAndCellPoints) {
  struct Row {
    int width, count, columns, rows, n, x, y;
  } rows[] = {
      {731, 1, 8, 1, 1, 4, 4},  // the window as it opens
      {731, 9, 8, 2, 9, 4, 112},  {731, 9, 8, 2, 2, 92, 4},
      {731, 0, 8, 1, 1, 4, 4},  // an empty gallery still has a row
      {176, 5, 2, 3, 4, 92, 112}, {100, 200, 1, 200, 200, 4, 199 * 108 + 4},
      {87, 3, 1, 3, 3, 4, 220},  // narrower than a cell: still one column
      {0, 3, 1, 3, 1, 4, 4},
  };
  for (const Row& row : rows) {
    const GalleryGrid grid(GalleryGrid::ColumnsFor(row.width), row.count);
    EXPECT_EQ(grid.Columns(), row.columns) << row.width;
    EXPECT_EQ(grid.Rows(), row.rows) << row.width << " " << row.count;
    EXPECT_EQ(grid.Width(), row.columns * 88);
    EXPECT_EQ(grid.Height(), row.rows * 108);
    EXPECT_EQ(grid.ThumbnailX(row.n), row.x) << row.n;
    EXPECT_EQ(grid.ThumbnailY(row.n), row.y) << row.n;
  }
  EXPECT_EQ(GalleryGrid(0, 3).Columns(), 1);
}

TEST(GalleryGridGeometry, PortraitUnderAPoint) {
  struct Row {
    int columns, count, x, y, expected;
  } rows[] = {
      {1, 200, 10, 10, 1},        {1, 200, 87, 107, 1},     {1, 200, 10, 108, 2},
      {1, 200, 88, 10, 0},        {1, 200, 99, 299, 0},     {1, 200, 10, 199 * 108 + 10, 200},
      {1, 200, 10, 200 * 108, 0}, {8, 9, 88 * 7 + 5, 5, 8}, {8, 9, 5, 110, 9},
      {8, 9, 100, 110, 0},        {8, 9, 8 * 88, 5, 0},     {8, 9, -1, 5, 0},
      {8, 9, 5, -1, 0},           {8, 0, 5, 5, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(GalleryGrid(row.columns, row.count).PortraitAt(row.x, row.y), row.expected)
        << row.columns << " columns, " << row.x << "," << row.y;
  }
}

TEST(GalleryGridPicture, ThumbnailsSitAtTheirCellPointsOnTheBackground) {
  std::vector<Layer> thumbnails;
  for (int i = 0; i < 9; ++i) {
    thumbnails.push_back(std::move(*create_layer(80, 100)));
    std::fill(thumbnails.back().pixels.begin(), thumbnails.back().pixels.end(), 0x1000 + i);
  }
  const Layer grid = GalleryGrid(8, 9).Draw(thumbnails, 0xC618);
  ASSERT_EQ(grid.width, 8 * 88);
  ASSERT_EQ(grid.height, 2 * 108);
  struct Row {
    int x, y;
    uint16_t expected;
  } rows[] = {
      {0, 0, 0xC618},     {3, 4, 0xC618},   {4, 4, 0x1000},         {83, 103, 0x1000},
      {84, 4, 0xC618},    {92, 4, 0x1001},  {92 + 79, 103, 0x1001}, {92 + 80, 4, 0xC618},
      {3, 111, 0xC618},   {4, 112, 0x1008}, {83, 211, 0x1008},      {92, 112, 0xC618},
      {703, 215, 0xC618},
  };
  for (const Row& row : rows)
    EXPECT_EQ(grid.At(row.x, row.y), row.expected) << row.x << "," << row.y;
  const Layer empty = GalleryGrid(8, 0).Draw({}, 0xC618);
  EXPECT_EQ(empty.width, 704);
  EXPECT_EQ(empty.height, 108);
}

using GalleryGridLabels = GalleryLibraryFixture;

TEST_F(GalleryGridLabels, NameOnTheFirstLineAndTheVoiceUnderIt) {
  TKelvoGallery gallery(*library, Libraries(), context.sink, "title", "");
  for (const char* name : {"Bob", "", "Ann"}) {
    auto portrait = MakePortrait();
    portrait->Name = name;
    portrait->Voice = static_cast<uint8_t>(gallery.Count() + 7);
    gallery.Add(*portrait);
  }
  const std::vector<GalleryLabel> labels = GalleryGrid(2, 3).Labels(gallery, 13);
  struct Row {
    int x, y;
    const char* text;
  } rows[] = {{4, 4, "Bob"}, {4, 17, "7"}, {92, 4, "8"}, {4, 112, "Ann"}, {4, 125, "9"}};
  ASSERT_EQ(labels.size(), std::size(rows));
  for (size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(labels[i].X, rows[i].x) << i;
    EXPECT_EQ(labels[i].Y, rows[i].y) << i;
    EXPECT_EQ(labels[i].Text, rows[i].text) << i;
  }
}

}  // namespace
}  // namespace kelvo::test
