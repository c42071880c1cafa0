// TPak: the archive through which every data file is found and read. In
// directory mode (no pack name) names resolve against the base directory on
// disk; packed mode (a pack name) adds a pack file, see pak_packed.cpp.
// The archive owns its file handles (Files) and the list of entries handed out
// and not yet released (OpenNames, reported as "NOT CLOSED: " when it is destroyed).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "archive/pak_entry.h"
#include "foundation/text_device.h"

namespace kelvo {

class PakUnit;
class TPakVFS;

class TPak : public TextArchive {
 public:
  // Create: base is relative (to the program directory), absolute or empty;
  // pack_name empty for directory mode.
  TPak(PakUnit& unit, const std::string& base, const std::string& pack_name = "");
  // Destroy: reports unreleased entries and unregisters.
  ~TPak() override;
  TPak(const TPak&) = delete;
  TPak& operator=(const TPak&) = delete;

  // Every entry found is later handed to ReleaseEntry. disk_path, when given,
  // receives the file-system path of a disk entry.
  // With `opened`, a file found on disk outside a pack is also opened for reading there
  // (-1 when it is not, or cannot be).
  std::optional<TPakEntry> FindEntry(const std::string& name, std::string* disk_path = nullptr,
                                     int* opened = nullptr);
  // Removes one occurrence of the entry's Name from OpenNames; none is ignored.
  void ReleaseEntry(const std::optional<TPakEntry>& entry);

  std::string FullName(const std::string& name) const override;
  // The path without a leading BaseDir (compared without regard to case), else unchanged.
  std::string RelativeName(const std::string& path) const;

  // The whole file; empty when it is missing, empty, or came short.
  std::vector<uint8_t> LoadFile(const std::string& name);
  // As LoadFile; throws KelvoError "Cannot load " + name (in the platform's form) when there is
  // nothing.
  std::vector<uint8_t> LoadFileOrFail(const std::string& name);

  std::unique_ptr<TextDevice> AssignText(const std::string& name) override;

  TPakVFS& Files() { return *files_; }
  PakUnit& Unit() { return unit_; }
  // Full path ending in a separator, or "\" for no base directory.
  const std::string& BaseDir() const { return base_dir_; }
  const std::string& PackFileName() const { return pack_file_name_; }
  bool Packed() const { return packed_; }
  // While true a miss is logged as a FileExists probe.
  void SetProbing(bool probing) { probing_ = probing; }
  // Sorted without regard to case; duplicates kept.
  const std::vector<std::string>& OpenNames() const { return open_names_; }

  // Packed mode: up to buffer.size() bytes of a pack entry's data from position on;
  // position grows by the number read. 0 once the pack is closed.
  int32_t ReadPacked(const TPakEntry& entry, uint32_t& position, std::span<uint8_t> buffer);
  // Packed mode: the number of names in the PackIndex.
  size_t PackIndexSize() const { return pack_index_.size(); }

 private:
  void AddOpenName(const std::string& name);
  void LogMiss(const std::string& name);
  // Packed mode (pak_packed.cpp).
  struct PackIndexItem {
    TPakEntry entry;
    std::string disk_path;  // file-system path of a disk entry
  };
  void OpenPack(const std::string& pack_name);
  void BuildPack(bool empty_only);
  void ReadIndex();
  void SetAsideCorruptPack(const std::string& problem);
  // Adds a disk entry for an absolute name unless the name is indexed already.
  void IndexDiskFile(const std::string& name, const TPakEntry& entry, const std::string& path);
  std::optional<TPakEntry> FindInPack(const std::string& name, std::string* disk_path);
  void ClosePack();

  PakUnit& unit_;
  std::string base_dir_;
  std::string pack_file_name_;
  bool packed_ = false;
  bool probing_ = false;
  std::vector<std::string> open_names_;
  std::unique_ptr<TPakVFS> files_;
  int pack_handle_ = -1;
  // Keyed by the name folded to lower case with "\" separators; the first name wins.
  std::map<std::string, PackIndexItem> pack_index_;
};

}  // namespace kelvo
