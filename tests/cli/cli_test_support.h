// Helpers of the tool's tests: a temporary folder removed at the end and whole-file reads.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace kelvo::cli {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Root() const { return root_; }
  std::string Path(const std::string& name) const { return root_ + "/" + name; }
  // The names directly in the folder, sorted.
  std::vector<std::string> FileNames(const std::string& sub = "") const;

 private:
  std::string root_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The outcome of running the built `kelvo` with the arguments.
struct ToolRun {
  int code = -1;
  std::string out;
  std::string err;
};
// env: "NAME=value" settings for the tool's environment.
ToolRun RunTool(const std::vector<std::string>& args, const std::vector<std::string>& env = {});

// One pixel of a 24-bit bitmap file as (red, green, blue); (x, y) from the top-left.
struct Rgb24 {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb24&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Rgb24& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
Rgb24 BmpPixel(const std::string& bmp, int x, int y);
Rgb24 PngPixel(const std::string& png, int x, int y);
// Width and height of a PNG file, {0, 0} when it does not decode.
std::pair<int, int> PngSize(const std::string& png);

}  // namespace kelvo::cli
