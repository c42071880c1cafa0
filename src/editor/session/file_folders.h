// The folder each kind of file was last chosen in, so that the file dialogs for that kind start
// there. One row per kind in one table; the settings store keeps each under its value name.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace kelvo {

enum class FileKind : std::size_t {
  Bitmaps,  // bitmaps imported as components or subcomponents, subcomponents exported
  Frames,   // "Save As BMP" frame sets
  Exports,  // "Export portrait..." pictures
  Count
};

class FileFolders {
 public:
  struct Row {
    FileKind Kind;
    const char* ValueName;  // in the settings store
  };
  static constexpr std::array<Row, static_cast<std::size_t>(FileKind::Count)> kTable{{
      {FileKind::Bitmaps, "BitmapFolder"},
      {FileKind::Frames, "FramesFolder"},
      {FileKind::Exports, "ExportFolder"},
  }};

  // Where the kind's dialog starts: its last folder, else `fallback`.
  const std::string& Start(FileKind kind, const std::string& fallback) const;
  // Remembers the folder of a file just chosen (a name ending in a separator is a folder).
  void Chosen(FileKind kind, const std::string& path);

  const std::string& Folder(FileKind kind) const { return folders_[Index(kind)]; }
  void SetFolder(FileKind kind, std::string folder) { folders_[Index(kind)] = std::move(folder); }
  bool operator==(const FileFolders&) const = default;

 private:
  static std::size_t Index(FileKind kind) { return static_cast<std::size_t>(kind); }
  std::array<std::string, static_cast<std::size_t>(FileKind::Count)> folders_;
};

}  // namespace kelvo
