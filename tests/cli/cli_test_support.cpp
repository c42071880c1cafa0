#include "cli/cli_test_support.h"

#include <sys/wait.h>

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kelvo::cli {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kelvo-cli-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::vector<std::string> TempDir::FileNames(const std::string& sub) const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(sub.empty() ? root_ : Path(sub))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
  if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

namespace {

std::string ShellQuoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  TempDir capture;
  std::string command;
  if (!env.empty()) {
    command = "env";
    for (const std::string& setting : env) command += " " + ShellQuoted(setting);
    command += " ";
  }
  command += ShellQuoted(KELVO_CLI_PATH);
  for (const std::string& a : args) command += " " + ShellQuoted(a);
  command += " >" + ShellQuoted(capture.Path("out")) + " 2>" + ShellQuoted(capture.Path("err"));
  const int status = std::system(command.c_str());
  ToolRun run;
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFileBytes(capture.Path("out"));
  run.err = ReadFileBytes(capture.Path("err"));
  return run;
}

Rgb24 BmpPixel(const std::string& bmp, int x, int y) {
  auto u32 = [&](std::size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bmp.at(at))) |
           static_cast<uint32_t>(static_cast<uint8_t>(bmp.at(at + 1))) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bmp.at(at + 2))) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bmp.at(at + 3))) << 24;
  };
  const int width = static_cast<int>(u32(18));
  const int height = static_cast<int>(u32(22));
  const std::size_t row = (3 * static_cast<std::size_t>(width) + 3) / 4 * 4;
  const std::size_t at = 54 + row * static_cast<std::size_t>(height - 1 - y) + 3 * x;
  return Rgb24{static_cast<uint8_t>(bmp.at(at + 2)), static_cast<uint8_t>(bmp.at(at + 1)),
               static_cast<uint8_t>(bmp.at(at))};
}

namespace {

QImage DecodePng(const std::string& png) {
  QImage image;
  image.loadFromData(QByteArray(png.data(), static_cast<qsizetype>(png.size())), "PNG");
  return image;
}

}  // namespace

Rgb24 PngPixel(const std::string& png, int x, int y) {
  const QRgb p = DecodePng(png).pixel(x, y);
  return Rgb24{qRed(p), qGreen(p), qBlue(p)};
}

std::pair<int, int> PngSize(const std::string& png) {
  const QImage image = DecodePng(png);
  return {image.width(), image.height()};
}

}  // namespace kelvo::cli
