// The editor started on the small test library with its gallery, a prompter that answers from
// queues, and helpers to fill and save the gallery; shared by the gallery document's and the
// gallery window's tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <deque>
#include <fstream>
#include <sstream>

#include "editor/editor_test_support.h"
#include "editor/windows/gallery_document.h"
#include "portrait/gallery.h"
#include "support/test_support.h"

namespace kelvo::test {

// Answers boxes from a queue (first button when empty) and dialogs from their queues
// (cancel when empty).
class ScriptedPrompter : public FakePrompter {
 public:
  MessageAnswer Message(MessageKind kind, const std::string& caption, const std::string& text,
                        MessageButtons buttons) override {
    const MessageAnswer answer = FakePrompter::Message(kind, caption, text, buttons);
    shown.push_back(messages.back());
    return answer;
  }
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override {
    return Next(files, request);
  }
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override {
    return Next(files, request);
  }
  std::optional<std::string> InputText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override {
    inputs_asked.push_back(caption + "|" + prompt + "|" + initial);
    return Next(inputs, {});
  }

  std::vector<PromptedMessage> shown;
  std::deque<std::optional<std::string>> files;
  std::deque<std::optional<std::string>> inputs;
  std::vector<FileDialogRequest> file_requests;
  std::vector<std::string> inputs_asked;

 private:
  std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue,
                                  const FileDialogRequest& request) {
    file_requests.push_back(request);
    if (queue.empty()) return std::nullopt;
    std::optional<std::string> answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

inline std::filesystem::path FreshGalleryDir() {
  static std::atomic<int> counter{0};
  const auto dir =
      std::filesystem::temp_directory_path() /
      ("kelvo_gallery_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::vector<std::uint16_t> Pixels(const ImageView& view) {
  std::vector<std::uint16_t> pixels;
  for (int y = 0; y < view.Height; ++y) {
    for (int x = 0; x < view.Width; ++x) pixels.push_back(view.At(x, y));
  }
  return pixels;
}

class GalleryFixture : public ::testing::Test {
 protected:
  GalleryFixture() : dir(FreshGalleryDir()) {
    WriteEditorLibrary(dir / "data" / "lib");
    ProcessOptions options;
    options.program_dir = dir.string();
    options.data_base = (dir / "data").string();
    options.computer_name = "TEST";
    context = std::make_unique<ProcessContext>(sink, options);
    editor = std::make_unique<EditorModel>(*context, prompter);
    EditorSettings settings;
    settings.KeyExists = true;
    settings.LoadDirectory = "lib";
    EXPECT_TRUE(editor->StartUp(settings));
    document = &editor->Gallery();
    prompter.shown.clear();
  }
  ~GalleryFixture() override {
    editor.reset();
    context.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  TKelvoPortret& Edited() { return editor->Portrait(); }
  TKelvoKomp& Komp(int c, const std::string& name) {
    TKelvoKompKontejner& container = editor->Library().Container(c);
    return container.Komp(container.FindByName(name));
  }
  const TKelvoPortret& InGallery(int n) { return document->Portrait(n); }

  // Adds the edited portrait with its face shifted by `shift` and the given name.
  void Add(int shift, const std::string& name = "") {
    Edited().Shift[3] = {shift, 0};
    Edited().Name = name;
    document->AddPortrait(Edited());
  }
  void AddNamed(const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i) Add(static_cast<int>(10 * i), names[i]);
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int n = 1; n <= document->Count(); ++n) names.push_back(InGallery(n).Name);
    return names;
  }
  std::string SaveTo(const std::string& name) {
    const std::string path = (dir / name).string();
    prompter.files.push_back(path);
    document->SaveWithDialog();
    return path;
  }
  std::string LastMessage() const {
    return prompter.shown.empty() ? std::string() : prompter.shown.back().Text;
  }

  std::filesystem::path dir;
  CollectingSink sink;
  std::unique_ptr<ProcessContext> context;
  ScriptedPrompter prompter;
  std::unique_ptr<EditorModel> editor;
  GalleryDocument* document = nullptr;
};

}  // namespace kelvo::test
