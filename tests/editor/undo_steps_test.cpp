// Every kind of undo step on the bundled data sets: the action is one step, Undo gives back the
// library's files (SaveTextAs), its images and the portrait's gallery record (and its colour
// locks) byte for byte, and Redo gives the edited bytes again.
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "editor/editor_test_support.h"
#include "editor/main_window/import_model.h"
#include "editor/windows/colours_dialog_model.h"
#include "editor/windows/edit_component_model.h"
#include "editor/windows/edit_type_model.h"
#include "editor/windows/properties_dialog_model.h"
#include "library/container.h"
#include "library/library_test_support.h"
#include "portrait/gallery.h"
#include "support/param_names.h"

namespace kelvo::test {
namespace {

namespace fs = std::filesystem;

struct Bytes {
  std::map<std::string, std::string> files;  // the library's text files and the gallery record
  std::string images;                        // every subcomponent image, in library order

  bool operator==(const Bytes&) const = default;
};

// Which files differ, for a short failure message.
std::string Differences(const Bytes& a, const Bytes& b) {
  std::string out;
  for (const auto& [name, text] : a.files) {
    const auto other = b.files.find(name);
    if (other == b.files.end() || other->second != text) out += name + " ";
  }
  for (const auto& [name, text] : b.files) {
    if (a.files.count(name) == 0) out += name + " ";
  }
  if (a.images != b.images) out += "images";
  return out;
}

struct StepKind {
  const char* name;
  std::function<void(EditorModel&, FakePrompter&, const fs::path&)> setup;
  std::function<void(EditorModel&, FakePrompter&, const fs::path&)> action;
};

int CategoryWhere(EditorModel& m, const std::function<bool(const TKelvoKompKontejner&)>& test) {
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (test(m.Library().Container(c))) return c;
  }
  return 0;
}
int SpanCategory(EditorModel& m) {
  return CategoryWhere(m, [](const auto& c) { return c.WithSpan && c.ComponentCount() > 1; });
}
int PointCategory(EditorModel& m) {
  return CategoryWhere(m, [](const auto& c) { return c.PointCount() > 0; });
}
void Choose(EditorModel& m, int category) {
  m.CategoryButtonClick(category);
  m.RGKompClick(kWithoutAnimations);
}
void Drag(EditorModel& m, MouseButton button) {
  m.ImageMouseDown(1, button, 100, 100);
  m.ImageMouseMove(1, 104, 97);
  m.ImageMouseMove(1, 106, 99);
  m.ImageMouseUp(1, button, 106, 99);
}
template <typename Dialog>
void WithColours(EditorModel& m, Dialog act) {
  ColoursDialogModel colours(m.Session());
  colours.SetImageSize(400, 300);
  colours.FormShow();
  colours.TabClick(1);
  act(colours);
}
// Another entry of colour type 1: the next one, or the one before when it is the last.
void ChooseOtherColour(EditorModel& m, ColoursDialogModel& colours) {
  const std::size_t start = m.Undo().Index();
  colours.SwatchKeyPress(SwatchKey::Down);
  if (m.Undo().Index() == start) colours.SwatchKeyPress(SwatchKey::Up);
}
void ImportBlock(EditorModel& m, FakePrompter& p, const fs::path& dir) {
  const std::string path = (dir / "zz9_p.bmp").string();
  WriteText(path, MakeBitmap(10, 8, [](int x, int y) {
              return x >= 2 && x < 6 && y >= 1 && y <= 3 ? Rgb{100, 100, 100} : kKeyGreen;
            }));
  p.answers.assign({MessageAnswer::Ok, MessageAnswer::No, MessageAnswer::No, MessageAnswer::No});
  ImportModel(m.Session()).ImportFile(path);
}

const std::vector<StepKind>& Kinds() {
  using M = EditorModel;
  using P = FakePrompter;
  using D = fs::path;
  static const std::vector<StepKind> kinds = {
      {"ChooseComponent",
       [](M& m, P&, const D&) {
         Choose(m, kFaces);
         m.LbxKompClick(0);
       },
       [](M& m, P&, const D&) { m.LbxKompClick(1); }},
      {"Shift", nullptr, [](M& m, P&, const D&) { m.SpinEditPosXChange(7); }},
      {"Span", [](M& m, P&, const D&) { Choose(m, SpanCategory(m)); },
       [](M& m, P&, const D&) { m.SpinEditRozXChange(3); }},
      {"DefaultSpanEdit", [](M& m, P&, const D&) { Choose(m, SpanCategory(m)); },
       [](M& m, P&, const D&) { m.SEDefRozXChange(m.Placement().State().DefSpanX + 2); }},
      {"Set",
       [](M& m, P&, const D&) {
         Choose(m, kFaces);
         m.SpinEditPosXChange(5);
       },
       [](M& m, P&, const D&) { m.BtnUsePosClick(); }},
      {"SetAll",
       [](M& m, P&, const D&) {
         m.SpinEditPosYChange(2);
         Choose(m, SpanCategory(m));
         m.SpinEditRozXChange(3);
       },
       [](M& m, P&, const D&) { m.BtnUsePosAllClick(); }},
      {"UnsetAll", [](M& m, P&, const D&) { m.SpinEditPosYChange(2); },
       [](M& m, P&, const D&) { m.BtnNullAllClick(); }},
      {"DefSpan",
       [](M& m, P&, const D&) {
         Choose(m, SpanCategory(m));
         m.SpinEditRozXChange(3);
       },
       [](M& m, P&, const D&) { m.BtnDefRozesunClick(); }},
      {"DragShift", nullptr, [](M& m, P&, const D&) { Drag(m, MouseButton::Left); }},
      {"DragPoint",
       [](M& m, P&, const D&) {
         Choose(m, PointCategory(m));
         m.RBNastBodClick();
       },
       [](M& m, P&, const D&) { Drag(m, MouseButton::Left); }},
      {"PointEdit",
       [](M& m, P&, const D&) {
         Choose(m, PointCategory(m));
         m.LbxUmistClick(0);
       },
       [](M& m, P&, const D&) { m.SpinUmistXChange(m.SnapPoints().State().PointX + 3); }},
      {"SpreadApply",
       [](M& m, P&, const D&) {
         Choose(m, PointCategory(m));
         m.ChkRozptClick(true);
         m.SpreadLimitChange(SpreadDirection::Right, 9);
         m.BtnNahUmBClick();
       },
       [](M& m, P&, const D&) { m.BtnRozptUseClick(); }},
      {"SpreadMeasure",
       [](M& m, P&, const D&) {
         Choose(m, PointCategory(m));
         m.LbxUmistClick(0);
         m.SpreadDialogShow();
       },
       [](M& m, P&, const D&) { m.ImageMouseUp(1, MouseButton::Left, 300, 390); }},
      {"RandomAll", nullptr, [](M& m, P&, const D&) { m.BtnNahodAllClick(); }},
      // A roll of the same component again is no step: roll until one is.
      {"Random", nullptr,
       [](M& m, P&, const D&) {
         const std::size_t start = m.Undo().Index();
         for (int i = 0; i < 50 && m.Undo().Index() == start; ++i) m.BtnNahodKompClick();
       }},
      {"RandComps", nullptr, [](M& m, P&, const D&) { m.BtnNahodKompAllClick(); }},
      {"RandColours", nullptr, [](M& m, P&, const D&) { m.BtnBarvaNahAllClick(); }},
      {"Nation", nullptr, [](M& m, P&, const D&) { m.BtnNahRusClick(); }},
      {"PreviousRoll", [](M& m, P&, const D&) { m.BtnNahodAllClick(); },
       [](M& m, P&, const D&) { m.BtnRollPrevClick(); }},
      {"Frequency", nullptr,
       [](M& m, P&, const D&) { m.SpinEditCetnChange(m.SelectedComponent()->Frequency + 1); }},
      {"ClipBox", nullptr,
       [](M& m, P&, const D&) { m.ChkOrezClick(1, !m.SelectedComponent()->Sub(1)->Clip); }},
      {"Remove",
       [](M& m, P& p, const D&) {
         Choose(m, kFaces);
         p.answers.assign({MessageAnswer::Yes});
       },
       [](M& m, P&, const D&) { m.BtnSmazatClick(); }},
      {"Mirror", nullptr, [](M& m, P&, const D&) { m.BtnMirrorClick(); }},
      {"Import", [](M& m, P&, const D&) { Choose(m, kFaces); }, ImportBlock},
      // Undo after "Mirror" and "Import" takes back the import alone, unflipped.
      {"ImportAfterMirror",
       [](M& m, P&, const D&) {
         Choose(m, kFaces);
         m.BtnMirrorClick();
       },
       ImportBlock},
      {"ColourAdd", nullptr,
       [](M& m, P&, const D&) { WithColours(m, [](auto& c) { c.ButPridatClick(); }); }},
      {"ColourRemove", nullptr,
       [](M& m, P&, const D&) { WithColours(m, [](auto& c) { c.ButSmazatClick(); }); }},
      {"ColourSlotChoice", nullptr,
       [](M& m, P&, const D&) { WithColours(m, [&](auto& c) { ChooseOtherColour(m, c); }); }},
      {"ColourSetAsDefault",
       [](M& m, P&, const D&) { WithColours(m, [&](auto& c) { ChooseOtherColour(m, c); }); },
       [](M& m, P&, const D&) { WithColours(m, [](auto& c) { c.ButDefaultClick(); }); }},
      {"ColourDefaults", [](M& m, P&, const D&) { m.BtnBarvaNahAllClick(); },
       [](M& m, P&, const D&) { WithColours(m, [](auto& c) { c.ButNastavitClick(); }); }},
      {"ColourLock", nullptr,
       [](M& m, P&, const D&) { WithColours(m, [](auto& c) { c.LockClick(1, true); }); }},
      {"ColourApply",
       [](M& m, P&, const D&) { m.Portrait().ColourSlots[kFaces][1] = ColourEntry{}; },
       [](M& m, P&, const D&) { WithColours(m, [](auto& c) { c.ButApplyClick(); }); }},
      {"Properties", nullptr,
       [](M& m, P&, const D&) {
         PropertiesDialogModel properties(m.Session());
         ASSERT_TRUE(properties.OpenForSelectedComponent());
         properties.VlastSEdChange(1, 77);
         properties.BtnUseClick();
       }},
      {"EditComponent", nullptr,
       [](M& m, P&, const D&) {
         EditComponentModel edit(m.Session());
         ASSERT_TRUE(edit.Open());
         edit.SetFrequency(33);
         edit.SetSource("undo test");
         edit.Apply();
       }},
      {"EditType", nullptr,
       [](M& m, P&, const D&) {
         EditTypeModel type(m.Session());
         type.Open();
         type.SetSource("undo test");
         type.SetUsual(2);
         type.Apply();
       }},
      {"TakeFromGallery",
       [](M& m, P& p, const D&) {
         p.answers.assign({MessageAnswer::Ok});
         m.BtnPridGalClick();
         m.BtnNahodAllClick();
       },
       [](M& m, P&, const D&) { m.Gallery().TakeIntoEditor(1); }},
  };
  return kinds;
}

class UndoSteps : public ::testing::TestWithParam<std::tuple<const char*, std::size_t>> {
 protected:
  void SetUp() override {
    const fs::path base = fs::path(KELVO_PROGRAM_DIR) / "kelvoed" / "data_big";
    if (!fs::exists(base / std::get<0>(GetParam()) / "dro")) GTEST_SKIP() << "no bundled data";
    ProcessOptions options;
    options.program_dir = folder.Dir();
    options.data_base = base.string();
    options.computer_name = "TEST";
    context = std::make_unique<ProcessContext>(sink, options);
    model = std::make_unique<EditorModel>(*context, prompter);
    EditorSettings settings;
    settings.KeyExists = true;
    settings.LoadDirectory = std::get<0>(GetParam());
    ASSERT_TRUE(model->StartUp(settings));
  }
  void TearDown() override { model.reset(); }

  Bytes Dump() {
    TKelvoTyp& library = model->Library();
    const fs::path dir = fs::path(folder.Dir()) / ("dump" + std::to_string(++dumps));
    fs::create_directories(dir);
    const std::string path = library.Path;
    library.SaveTextAs(dir.string());
    library.Path = path;
    TKelvoGallery gallery(*context, library, "", "");
    gallery.Add(model->Portrait());
    gallery.Save((dir / "portrait.gal").string());
    Bytes bytes;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      if (entry.is_regular_file()) {
        bytes.files[fs::relative(entry.path(), dir).string()] = TestFolder::ReadFile(entry.path());
      }
    }
    std::ostringstream images;
    for (int c = 1; c <= kCategoryCount; ++c) {
      for (const auto& k : library.Container(c).Components) {
        for (int s = 1; s <= kSubcomponentCount; ++s) {
          const TKelvoSubKomp* sub = k->Sub(s);
          if (sub == nullptr) continue;
          images << k->Name << s << sub->FileName << sub->Width << 'x' << sub->Height << ' '
                 << int{sub->Bits} << sub->Opaque << ':';
          images.write(reinterpret_cast<const char*>(sub->Pixels.data()),
                       static_cast<std::streamsize>(sub->Pixels.size()));
        }
      }
    }
    bytes.images = images.str();
    // The colour locks are edits the files do not hold.
    std::string locks;
    for (int t = 1; t <= kColourTypeCount; ++t)
      locks += model->Portrait().ColourTypeLocked[t] ? '1' : '0';
    bytes.files["colour locks"] = locks;
    return bytes;
  }

  TestFolder folder;
  CollectingSink sink;
  std::unique_ptr<ProcessContext> context;
  FakePrompter prompter;
  std::unique_ptr<EditorModel> model;
  int dumps = 0;
};

TEST_P(UndoSteps, UndoAndRedoRestoreTheBytesExactly) {
  const StepKind& kind = Kinds()[std::get<1>(GetParam())];
  const fs::path dir = folder.Dir();
  if (kind.setup) kind.setup(*model, prompter, dir);
  const Bytes before = Dump();
  const std::size_t steps = model->Undo().Index();
  kind.action(*model, prompter, dir);
  const std::size_t expected = 1;  // one action, one step
  ASSERT_EQ(model->Undo().Index(), steps + expected) << kind.name;
  ASSERT_EQ(model->Undo().Count(), steps + expected);
  const Bytes after = Dump();
  EXPECT_FALSE(before == after) << kind.name << " changed nothing that is saved";
  for (std::size_t i = 0; i < expected; ++i) model->BtnUndoClick();
  const Bytes undone = Dump();
  EXPECT_TRUE(undone == before) << kind.name << " undo differs in " << Differences(undone, before);
  for (std::size_t i = 0; i < expected; ++i) model->BtnRedoClick();
  const Bytes redone = Dump();
  EXPECT_TRUE(redone == after) << kind.name << " redo differs in " << Differences(redone, after);
}

std::string KindName(const ::testing::TestParamInfo<UndoSteps::ParamType>& info) {
  return std::string(std::get<0>(info.param)) + "_" + Kinds()[std::get<1>(info.param)].name;
}

INSTANTIATE_TEST_SUITE_P(DataSets, UndoSteps,
                         ::testing::Combine(::testing::Values("male", "female", "ape"),
                                            ::testing::Range<std::size_t>(0, Kinds().size())),
                         KindName);

}  // namespace
}  // namespace kelvo::test
