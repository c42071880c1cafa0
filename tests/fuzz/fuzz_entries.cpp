#include "fuzz/fuzz_entries.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <new>
#include <string_view>

#include "archive/pak.h"
#include "archive/pak_file.h"
#include "archive/pak_unit.h"
#include "archive/pak_vfs.h"
#include "cli/cli_options.h"
#include "editor/main_window/window_placement.h"
#include "editor/session/editor_session.h"
#include "editor/session/recent_files.h"
#include "editor/session/stored_settings.h"
#include "editor/windows/data_sets_model.h"
#include "foundation/errors.h"
#include "foundation/keyword_file.h"
#include "foundation/random_generators.h"
#include "library/categories.h"
#include "library/library_registry.h"
#include "library/subcomponent.h"
#include "library/type_library.h"
#include "portrait/avatar_settings.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"
#include "support/fake_prompter.h"
#include "support/selections_check.h"
#include "support/test_support.h"

namespace kelvo::fuzz {
namespace {

// The five files of the world's small library: every draw kind, a dependency, snapping
// points, 8- and 16-bit images, a clipping mask, two colour types and an animation frame.
const char* const kLibraryFiles[5][2] = {
    {"dro",
     "DRAWORDER NORM POZADI 1 NORM OBLICEJE 1 MASK OBLICEJE 2 OREZ OCI 1 COND VLASY 1\r\n"
     "NORM VLASY 2 END_OF_DRAWORDER\r\n"},
    {"dep", "DEPENDENCIES OBLICEJE OCI OBLICEJE VLASY END_OF_DEPENDENCIES\r\n"},
    {"cmp",
     "COMPONENTS\r\n"
     "TYP POZADI PATH poz BITS 16 BARVY 0 0 0 0\r\n"
     "  COMP bg CETNOST 10 PICFILE 1 bg1 REF 1 0 0 END_OF_COMP END_OF_TYP\r\n"
     "TYP OBLICEJE PATH obl BODY 2 OCI VLASY BARVY 1 0 0 0\r\n"
     "  COMP face CETNOST 10 PICFILE 1 f1 PICFILE 2 f2 REF 1 -10 -12 REF 2 -5 -5\r\n"
     "    BODY 2 0 -4 4 4 2 2 0 0 0 0  0 -12 0 0 0 0 3 0 0 0 END_OF_COMP\r\n"
     "END_OF_TYP\r\n"
     "TYP OCI PATH oci SCOLMASKOU BARVY 2 0 0 0\r\n"
     "  COMP eye CETNOST 5 PICFILE 1 e1 REF 1 -3 -1 END_OF_COMP\r\n"
     "  COMP blink ANIMACE PICFILE 1 e2 REF 1 -3 0 END_OF_COMP END_OF_TYP\r\n"
     "TYP VLASY PATH vla SROZESUNEM BARVY 1 2 0 0\r\n"
     "  COMP \"long hair\" CETNOST 5 PICFILE 1 h1 PICFILE 2 h2 REF 1 -15 -5 OREZAT 1\r\n"
     "  END_OF_COMP END_OF_TYP\r\n"
     "END_OF_COMPONENTS\r\n"},
    {"col",
     "COLORS COLOR_TYPE 1 Skin COUNT 2 1 0\r\n"
     "  COLOR 80C0FF KONT 85 CETN 10 END_OF_COLOR\r\n"
     "  COLOR 203040 KONT 5 CETN 1 VL 1 0 END_OF_COLOR END_OF_COLOR_TYPE\r\n"
     "COLOR_TYPE 2 Eyes COUNT 1 1 1 COLOR 0000FF KONT 20 CETN 3 END_OF_COLOR END_OF_COLOR_TYPE\r\n"
     "END_OF_COLORS\r\n"},
    {"ani", "ANIMACE TYP OCI COMP eye ANIM 1 blink END_OF_COMP END_OF_TYP END_OF_ANIMACE\r\n"},
};

struct ImageFile {
  const char* path;
  int depth, width, height;
  uint16_t value;
};
const ImageFile kImages[] = {
    {"poz/bg1", 16, 40, 50, 0x1234}, {"obl/f1", 8, 20, 24, 64 + 40}, {"obl/f2", 8, 10, 10, 30},
    {"oci/e1", 8, 6, 3, 128 + 20},   {"oci/e2", 8, 6, 2, 192 + 5},   {"vla/h1", 8, 30, 10, 50},
    {"vla/h2", 8, 8, 4, 10},
};

void WriteLibrary(const test::TestFolder& folder, const std::string& dir) {
  for (const auto& file : kLibraryFiles) folder.Write("data/" + dir + "/" + file[0], file[1]);
  for (const ImageFile& image : kImages) {
    test::WriteImage(folder.Path() / "data" / dir / image.path, image.depth, image.width,
                     image.height, image.value);
  }
}

// The process context and the libraries every entry shares.
struct World {
  World() {
    context->ArchiveUnit().archive_logging = false;
    for (const char* dir : {"base", "other", "lib", "img"}) WriteLibrary(context.folder, dir);
    base = Load("base");
    images = Load("img");
  }
  std::unique_ptr<TKelvoTyp> Load(const std::string& dir) {
    auto library = std::make_unique<TKelvoTyp>(context->Archive(), dir);
    library->LoadAll();
    library->LoadImages();
    return library;
  }
  TPak& Archive() { return context->Archive(); }
  void Put(const std::string& relative, Input input) const {
    context.folder.Write("data/" + relative,
                         std::string(reinterpret_cast<const char*>(input.data()), input.size()));
  }

  test::TestContext context;
  std::unique_ptr<TKelvoTyp> base;    // the gallery's own library
  std::unique_ptr<TKelvoTyp> images;  // its face's first image is replaced by each library image
};

World& TheWorld() {
  static World world;
  return world;
}

// With KELVO_FUZZ_VERBOSE set, every rejection is printed, to see how far seeds get.
void Rejected(const char* text) {
  static const bool verbose = std::getenv("KELVO_FUZZ_VERBOSE") != nullptr;
  if (verbose) std::fprintf(stderr, "rejected: %s\n", text);
}

// Runs one reader: the project's error types are rejections, anything else is the fault;
// afterwards no file may be left open.
template <typename F>
std::string Guarded(F reader) {
  World& world = TheWorld();
  std::string problem;
  try {
    problem = reader(world);
  } catch (const FatalDataError& error) {
    Rejected(error.what());
  } catch (const KelvoError& error) {
    Rejected(error.what());
  } catch (const std::bad_alloc&) {
    problem = "out of memory";
  } catch (const std::exception& error) {
    problem = std::string("unexpected exception: ") + error.what();
  }
  world.context.sink.shown.clear();
  TPak& archive = world.Archive();
  if (problem.empty() && archive.Files().OpenCount() != 0) {
    problem = std::to_string(archive.Files().OpenCount()) + " file handles left open";
  }
  if (problem.empty() && !archive.OpenNames().empty()) {
    problem = "file left open: " + archive.OpenNames().front();
  }
  return problem;
}

std::string CheckImage(const TKelvoSubKomp& sub) {
  if (sub.Bits != 8 && sub.Bits != 16) return "image of depth " + std::to_string(sub.Bits);
  if (sub.Width < 0 || sub.Height < 0) return "image of negative size";
  const size_t count = size_t(sub.Width) * size_t(sub.Height);
  if (count > size_t(kMaxImagePixels)) return "image larger than the limit";
  if (sub.Pixels.size() != count * (sub.Bits / 8u)) return "image size and pixels disagree";
  return "";
}

void Draw(TKelvoPortret& portrait) {
  portrait.ComputePositions();
  portrait.PripravPortret(false);
  portrait.FreeRenderLayer();
}

std::string_view AsText(Input input) {
  return {reinterpret_cast<const char*>(input.data()), input.size()};
}

// The data-set dialogs' model needs windows; none opens here.
class NoDataSetWindows : public DataSetWindows {
 public:
  bool ExecuteChangeSex() override { return false; }
  bool ExecuteSave() override { return false; }
  bool OfferUnsavedGallery() override { return false; }
};

bool OnSomeScreen(const ScreenRect& window, const std::vector<ScreenRect>& areas) {
  for (const ScreenRect& area : areas) {
    if (window.Left >= area.Left && window.Left < area.Right() && window.Top >= area.Top &&
        window.Top < area.Bottom()) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string KeywordFileEntry(Input input) {
  return Guarded([input](World& world) -> std::string {
    world.Put("in.txt", input);
    KeywordFile file(world.Archive());
    file.OpenRead("in.txt");
    // Every read consumes at least one character until the end marker.
    for (size_t n = 0; n <= input.size() + 1; ++n) {
      switch (n % 3) {
        case 0:
          if (KeywordFile::IsEndMarker(file.ReadToken())) {
            file.Close();
            return "";
          }
          break;
        case 1:
          try {
            file.ReadInt();
          } catch (const ConversionError&) {
          }
          break;
        default:
          file.ReadHex();
      }
    }
    if (!KeywordFile::IsEndMarker(file.ReadToken())) return "reading does not reach the end";
    file.Close();
    return "";
  });
}

std::string LibraryImageEntry(Input input) {
  return Guarded([input](World& world) -> std::string {
    world.Put("in.img", input);
    TKelvoSubKomp sub;
    sub.LoadImage(world.Archive(), "in.img");
    if (std::string problem = CheckImage(sub); !problem.empty()) return problem;
    TKelvoKomp& face = world.images->Container(kFaces).Komp(1);
    TKelvoSubKomp& target = *face.Sub(1);
    const TKelvoSubKomp kept = target;
    target.Pixels = std::move(sub.Pixels);
    target.Width = sub.Width;
    target.Height = sub.Height;
    target.Bits = sub.Bits;
    TKelvoPortret portrait(*world.images);
    RandomGenerators random;
    portrait.RandomComponents(random);
    portrait.RandomColours(random);
    portrait.Selected[kFaces] = &face;
    try {
      Draw(portrait);
    } catch (...) {
      target = kept;
      throw;
    }
    target = kept;
    return "";
  });
}

std::string GalleryEntry(Input input) {
  return Guarded([input](World& world) -> std::string {
    world.Put("in.xgl", input);
    LoadedLibraries libraries;
    TKelvoGallery gallery(*world.base, libraries, world.context.sink, "fuzz", "in.xgl");
    gallery.Load();
    if (gallery.Count() > kMaxGalleryPortraits) return "more than 200 portraits";
    gallery.LoadImages();
    for (int32_t i = 1; i <= gallery.Count() && i <= 3; ++i) Draw(gallery.Portrait(i));
    return "";
  });
}

std::string BitmapImportEntry(Input input) {
  return Guarded([input](World& world) -> std::string {
    if (input.empty()) return "";
    const bool wide = (input[0] & 1) != 0;
    const bool masked = (input[0] & 2) != 0;
    Input bitmap = input.subspan(1);
    Input mask;
    if (masked) {
      const size_t length = input.size() < 3 ? 0 : size_t(input[1]) | size_t(input[2]) << 8;
      Input rest = input.subspan(std::min<size_t>(3, input.size()));
      bitmap = rest.first(std::min(length, rest.size()));
      mask = rest.subspan(bitmap.size());
      world.Put("mask.bmp", mask);
    }
    world.Put("in.bmp", bitmap);
    TKelvoSubKomp sub;
    sub.Bits = wide ? 16 : 8;
    if (sub.ImportBitmap(world.Archive(), "in.bmp", masked ? "mask.bmp" : "")) {
      return CheckImage(sub);
    }
    return sub.HasPixels() ? "an invisible bitmap gave pixels" : "";
  });
}

std::string TypeLibraryEntry(Input input) {
  return Guarded([input](World& world) -> std::string {
    if (input.empty()) return "";
    const size_t replaced = input[0] % 5;
    for (size_t i = 0; i < 5; ++i) {
      if (i == replaced) {
        world.Put(std::string("lib/") + kLibraryFiles[i][0], input.subspan(1));
      } else {
        world.context.folder.Write(std::string("data/lib/") + kLibraryFiles[i][0],
                                   kLibraryFiles[i][1]);
      }
    }
    std::unique_ptr<TKelvoTyp> library = world.Load("lib");
    TKelvoPortret portrait(*library);
    RandomGenerators random;
    portrait.RandomComponents(random);
    portrait.RandomColours(random);
    Draw(portrait);
    return "";
  });
}

std::string PackIndexEntry(Input input) {
  return Guarded([input](World& world) -> std::string {
    world.Put("pack/in.VXP", input);
    const std::string pack = world.context.folder.Dir() + "data/pack/in.VXP";
    std::vector<TPakEntry> entries;
    const int fd = ::open(pack.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "cannot open the pack";
    PackDirectory directory = ReadPackDirectory(fd);
    for (const TPakEntry& entry : directory.entries) {
      if (ReadPackData(fd, entry).size() != entry.Size) {
        ::close(fd);
        return "a sound entry whose data cannot be read: " + entry.Name;
      }
    }
    ::close(fd);
    // The same pack as an archive's pack (over an empty folder): every name it lists loads
    // with the size its entry gives, and nothing stays open.
    std::filesystem::create_directories(world.context.folder.Path() / "empty");
    TPak archive(world.context->ArchiveUnit(), world.context.folder.Dir() + "empty", pack);
    for (const TPakEntry& entry : directory.entries) {
      if (!IsSafePackName(entry.Name)) continue;
      const std::vector<uint8_t> bytes = archive.LoadFile(entry.Name);
      // A name given twice serves its first entry.
      const bool distinct = archive.PackIndexSize() == directory.entries.size();
      if (directory.problem.empty() && distinct && bytes.size() != entry.Size) {
        return "an entry that loads with another size: " + entry.Name;
      }
    }
    if (archive.Files().OpenCount() != 0 || !archive.OpenNames().empty()) {
      return "a pack file left open";
    }
    return "";
  });
}

std::string AvatarSettingsEntry(Input input) {
  return Guarded([input](World& world) -> std::string {
    const std::string_view text = AsText(input);
    const size_t end = text.find('\n');
    const std::string settings(text.substr(0, end));
    const std::string sex(end == std::string_view::npos ? "0" : text.substr(end + 1));
    const std::uint8_t parsed_sex = ParseAvatarSex(sex);
    const std::string preview = AvatarPreviewDataSet(parsed_sex);
    if (preview != "male" && preview != "female") return "avatar shown with " + preview;
    const AvatarSettings avatar = ParseAvatarSettings(settings);
    if (avatar.Fields < 0 || avatar.Fields > kAvatarFieldCount) return "too many avatar fields";
    TKelvoPortret portrait(*world.base);
    RandomGenerators random;
    portrait.RandomComponents(random);
    portrait.RandomColours(random);
    ApplyAvatar(portrait, avatar);
    if (std::string problem = test::SelectionsOutsideLibrary(portrait); !problem.empty())
      return problem;
    Draw(portrait);
    // What is written reads back whole.
    const AvatarSettings again = ParseAvatarSettings(AvatarSettingsText(portrait));
    if (again.Fields != kAvatarFieldCount) return "the written avatar text reads back short";
    ParseAvatarSex(AvatarSexText(portrait));
    return "";
  });
}

std::string StoredSettingsEntry(Input input) {
  return Guarded([input](World& world) -> std::string {
    std::map<std::string, std::string> values;
    std::string_view rest = AsText(input);
    while (!rest.empty()) {
      const size_t end = rest.find('\n');
      const std::string_view line = rest.substr(0, end);
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
      const size_t equals = line.find('=');
      if (equals != std::string_view::npos) {
        values[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
      }
    }
    const StoredValue stored = [&values](const std::string& name) {
      const auto found = values.find(name);
      return found == values.end() ? std::nullopt : std::optional(found->second);
    };
    const EditorSettings settings = ParseEditorSettings(!input.empty(), stored);
    // The windows as the main window places them, on a primary screen and one to its right.
    MainWindowsRequest request;
    request.Areas = {{0, 0, 1920, 1040}, {1920, -200, 1280, 1024}};
    request.Main = {0, 0, 900, 700};
    if (settings.MainWinX && settings.MainWinY) {
      request.StoredMain = ScreenPoint{*settings.MainWinX, *settings.MainWinY};
    }
    for (size_t i = 0; i < request.Previews.size(); ++i) {
      request.Previews[i] = {0, 0, i == 0 ? 500 : 180, i == 0 ? 560 : 200};
      const PreviewSettings& stored = settings.Previews[i];
      if (stored.X && stored.Y) request.StoredPreviews[i] = ScreenPoint{*stored.X, *stored.Y};
    }
    const MainWindowsLayout layout = PlaceMainWindows(request);
    if (!OnSomeScreen(layout.Main, request.Areas)) return "the main window is off the screens";
    for (const ScreenRect& preview : layout.Previews) {
      if (!OnSomeScreen(preview, request.Areas)) return "a preview is off the screens";
    }
    // The data-set dialogs start in the stored directories when these exist.
    static test::FakePrompter prompter;
    static EditorSession session(*world.context, prompter);
    NoDataSetWindows windows;
    DataSetsModel model(session, windows);
    const std::string start = world.context.folder.Dir();
    model.LoadFormCreate(settings.LoadDirectory, start);
    model.SaveFormCreate(settings.SaveDirectory);
    if (model.State().Load.Directory.empty()) return "the change-sex dialog has no directory";
    // "Open Recent": at most eight of each kind, and what is stored again reads back the same.
    RecentFiles recent;
    recent.Restore(ReadRecentLines(stored));
    for (const RecentKind kind : {RecentKind::kGallery, RecentKind::kLibrary}) {
      if (std::ranges::count(recent.Entries(), kind, &RecentFile::Kind) > 8) {
        return "more than eight recent files of a kind";
      }
    }
    RecentFiles again;
    again.Restore(recent.StoredLines());
    if (again.Entries() != recent.Entries()) return "the recent files change when stored again";
    return "";
  });
}

std::string CommandLineEntry(Input input) {
  std::vector<std::string> args = {"kelvo"};
  std::string_view rest = AsText(input);
  while (!rest.empty()) {
    const size_t end = rest.find('\0');
    args.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  // RunKelvo calls the parser outside every handler: nothing may escape it.
  try {
    const cli::ParseOutcome outcome = cli::ParseCommandLine(args);
    using Kind = cli::ParseOutcome::Kind;
    if ((outcome.kind == Kind::kHelp || outcome.kind == Kind::kUsageError) &&
        outcome.text.empty()) {
      return "help or usage without a text";
    }
    if (outcome.kind == Kind::kRun && outcome.commandLine.name.empty()) {
      return "a command to run without a name";
    }
  } catch (const std::exception& error) {
    return std::string("exception out of the parser: ") + error.what();
  }
  return "";
}

const std::vector<Target>& Targets() {
  static const std::vector<Target> targets = {
      {"keyword_file", KeywordFileEntry},
      {"library_image", LibraryImageEntry},
      {"gallery", GalleryEntry},
      {"bitmap_import", BitmapImportEntry},
      {"type_library", TypeLibraryEntry},
      {"pack_index", PackIndexEntry},
      {"avatar_settings", AvatarSettingsEntry},
      {"stored_settings", StoredSettingsEntry},
      {"command_line", CommandLineEntry},
  };
  return targets;
}

}  // namespace kelvo::fuzz
