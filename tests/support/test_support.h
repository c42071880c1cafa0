// Test helpers for every layer: a temporary folder that is removed afterwards,
// and a process context over it (program directory = the folder, computer name
// "PC1", data base "data" under it, diagnostics collected).
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "archive/pak.h"
#include "foundation/diagnostics.h"
#include "library/process_context.h"

namespace kelvo::test {

// Writes a text file, creating its folders.
inline void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// The library's image format: depth, width, height (16-bit little-endian), then the pixels,
// every one of them `value`.
inline void WriteImage(const std::filesystem::path& path, int depth, int width, int height,
                       std::uint16_t value) {
  std::filesystem::create_directories(path.parent_path());
  std::vector<char> bytes{static_cast<char>(depth), static_cast<char>(width), 0,
                          static_cast<char>(height), 0};
  for (int i = 0; i < width * height; ++i) {
    bytes.push_back(static_cast<char>(value & 0xFF));
    if (depth == 16) bytes.push_back(static_cast<char>(value >> 8));
  }
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

class TestFolder {
 public:
  TestFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvo-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = buffer.data();
  }
  ~TestFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The folder with a trailing "/".
  std::string Dir() const { return path_.string() + "/"; }

  // Writes bytes to a file under the folder ("/"-separated relative path),
  // creating its folders.
  std::filesystem::path Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return file;
  }
  std::string Read(const std::string& relative) const { return ReadFile(path_ / relative); }
  bool Exists(const std::string& relative) const {
    return std::filesystem::exists(path_ / relative);
  }

  static std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path path_;
};

// A process context over a test folder; the archive's base is <folder>/data/.
class TestContext {
 public:
  explicit TestContext(const std::string& data_base = "data") {
    std::filesystem::create_directories(folder.Path() / "data");
    Start(data_base);
  }
  void Start(const std::string& data_base = "data") {
    context.reset();
    ProcessOptions options;
    options.program_dir = folder.Dir();
    options.data_base = data_base;
    options.computer_name = "PC1";
    context = std::make_unique<ProcessContext>(sink, options);
  }
  // Ends the context (shutdown steps run).
  void Stop() { context.reset(); }
  ProcessContext& operator*() { return *context; }
  ProcessContext* operator->() { return context.get(); }
  // The used-files log of computer PC1.
  std::string UsedFilesLog() const { return folder.Read("LOG_PC1_UsedFiles.txt"); }

  TestFolder folder;
  CollectingSink sink;
  std::unique_ptr<ProcessContext> context;
};

}  // namespace kelvo::test
