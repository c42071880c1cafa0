// Every writer of the core, cut short by a file-size limit or stopped by a read-only folder,
// reports the failure with exit code 2 and leaves the previous files as they were.
#include "support/write_faults.h"

#include "gallery_test_library.h"
#include "portrait/gallery.h"

namespace kelvo::test {
namespace {

class WriteFaultsTest : public GalleryLibraryFixture {
 protected:
  WriteFaultsTest() {
    std::filesystem::create_directories(Out());
    Container(kEyes).ImageDir = "oci";
    Solid16(Komp(kEyes), 1, -2, -2, 4, 4, 0x1234).FileName = "eye_s01";
  }
  std::filesystem::path Out() const { return context.folder.Path() / "out"; }
  std::string OutName(const std::string& name) const { return Out().string() + "/" + name; }

  // Writes once without a fault (the previous files), changes what will be written, then
  // writes again under each fault: the exit code is 2, the messages name `named`, and the
  // folder holds exactly what it held before.
  void Check(const std::function<void()>& write, const std::function<void()>& change,
             const std::string& named) {
    write();
    change();
    for (const WriteFault fault : {WriteFault::kFileSizeLimit, WriteFault::kReadOnlyFolder}) {
      SCOPED_TRACE(FaultName(fault));
      const auto before = Snapshot(Out());
      const FaultRun run = RunUnderWriteFault(fault, Out(), [&](std::ostream& messages) {
        StreamSink sink(messages);
        return RunReportingErrors(sink, [&] {
          write();
          return 0;
        });
      });
      if (run.skipped) {
        ADD_FAILURE() << "the fault could not be set up";
        continue;
      }
      EXPECT_EQ(run.code, 2) << run.messages;
      EXPECT_NE(run.messages.find(named), std::string::npos) << run.messages;
      EXPECT_EQ(Snapshot(Out()), before);
    }
    // Without a fault the same write goes through and changes the files.
    const auto before = Snapshot(Out());
    write();
    EXPECT_NE(Snapshot(Out()), before);
  }
};

TEST_F(WriteFaultsTest, GallerySave) {
  TKelvoGallery gallery(*library, Libraries(), context.sink, "t", "");
  gallery.Add(*MakePortrait());
  Check([&] { gallery.Save(OutName("g.xgl")); }, [&] { gallery.Add(*MakePortrait()); }, "g.xgl");
}

TEST_F(WriteFaultsTest, LibrarySaveTextAs) {
  Check([&] { library->SaveTextAs(Out().string()); },
        [&] { AddKomp(kNoses, "a nose that was not there"); }, "dro");
}

TEST_F(WriteFaultsTest, LibrarySaveImagesAs) {
  Check([&] { library->SaveImagesAs(Out().string()); },
        [&] { Komp(kEyes).Sub(1)->SetPixel16(0, 0, 0x4321); }, "eye_s01");
}

TEST_F(WriteFaultsTest, BitmapExport) {
  const auto portrait = MakePortrait();
  Check([&] { portrait->ExportSubcompBmp(kEyes, 1, OutName("eye.bmp")); },
        [&] { Komp(kEyes).Sub(1)->SetPixel16(1, 1, 0x4321); }, "eye.bmp");
}

}  // namespace
}  // namespace kelvo::test
