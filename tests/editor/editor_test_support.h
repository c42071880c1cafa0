// A small type library written into a temporary folder, a prompter that answers without a
// person, and a fixture that starts the editor model on that library.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_model.h"
#include "foundation/diagnostics.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo::test {

struct ShownMessage {
  MessageKind Kind;
  std::string Caption;
  std::string Text;
};

// Answers every box with its first button and every dialog with "cancel".
class TestPrompter : public Prompter {
 public:
  MessageAnswer Message(MessageKind kind, const std::string& caption, const std::string& text,
                        MessageButtons buttons) override {
    shown.push_back({kind, caption, text});
    return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
               ? MessageAnswer::Ok
               : MessageAnswer::Yes;
  }
  std::optional<std::string> OpenFile(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> SaveFile(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> ChooseDirectory(const std::string&, const std::string&) override {
    return {};
  }
  std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return {}; }
  std::optional<std::string> InputText(const std::string&, const std::string&,
                                       const std::string&) override {
    return {};
  }
  std::vector<ShownMessage> shown;
};

class CountingListener : public EditorListener {
 public:
  void EditorChanged(unsigned changes) override { calls.push_back(changes); }
  std::vector<unsigned> calls;
};

// Writes the library "lib" under `base`: Backgrounds carry Faces and Hair, Faces carry the
// paired Eyes (default span 10, 10), Eyes carry Eyebrows. Faces are f1 (steps a, -, b), the
// frames a and b, f2 and f3; Backgrounds hold one component.
void WriteTestLibrary(const std::filesystem::path& base);

class EditorFixture : public ::testing::Test {
 protected:
  EditorFixture();
  ~EditorFixture() override;

  // Starts the model on "lib"; fails the test when the start-up fails.
  void Start();
  TKelvoTyp& Lib() { return model->Library(); }
  TKelvoKomp& Komp(int category, const std::string& name);
  // Chooses the category and clicks the component's line in the unfiltered list.
  void Select(int category, const std::string& name);
  int Line(const std::string& text) const;

  std::filesystem::path dir;
  CollectingSink sink;
  std::unique_ptr<ProcessContext> context;
  TestPrompter prompter;
  std::unique_ptr<EditorModel> model;
};

}  // namespace kelvo::test
