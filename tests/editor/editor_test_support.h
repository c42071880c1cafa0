// A small type library written into a temporary folder and a fixture that starts the editor model
// on that library.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/main_window/editor_model.h"
#include "foundation/diagnostics.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"
#include "support/fake_prompter.h"
#include "support/test_libraries.h"
#include "support/test_support.h"

namespace kelvo::test {

class CountingListener : public EditorListener {
 public:
  void EditorChanged(unsigned changes) override { calls.push_back(changes); }
  std::vector<unsigned> calls;
};

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

  TestFolder folder;
  std::filesystem::path dir;  // the folder: program directory, the library under data/lib
  CollectingSink sink;
  std::unique_ptr<ProcessContext> context;
  FakePrompter prompter;
  std::unique_ptr<EditorModel> model;
};

}  // namespace kelvo::test
