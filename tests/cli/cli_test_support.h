// Helpers of the tool's tests: a temporary folder removed at the end and whole-file reads.
#pragma once

#include <string>
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

}  // namespace kelvo::cli
