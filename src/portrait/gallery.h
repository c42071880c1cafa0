// A gallery: an ordered collection of up to 200 portraits, stored as a ".xgl" keyword file of
// PORTRET records. The gallery owns its portraits. The editor's type library, the registry of
// further libraries that portraits may name, and the diagnostics sink belong to the caller and
// must outlive the gallery; libraries the registry loads for a gallery stay there for the run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelvo {

class DiagnosticsSink;
class KeywordFile;
class LoadedLibraries;
class ProcessContext;
class TKelvoPortret;
class TKelvoTyp;

inline constexpr int32_t kMaxGalleryPortraits = 200;

class TKelvoGallery {
 public:
  // Create: an empty gallery over the editor's library (count 0, unchanged, no file open).
  TKelvoGallery(TKelvoTyp& library, LoadedLibraries& libraries, DiagnosticsSink& sink,
                std::string title, std::string filePath);
  // The same with the process's registry and diagnostics sink.
  TKelvoGallery(ProcessContext& context, TKelvoTyp& library, std::string title,
                std::string filePath);
  ~TKelvoGallery();
  TKelvoGallery(const TKelvoGallery&) = delete;
  TKelvoGallery& operator=(const TKelvoGallery&) = delete;

  int32_t Count() const { return static_cast<int32_t>(portraits_.size()); }
  // Portrait 1..Count(); throws std::out_of_range otherwise.
  TKelvoPortret& Portrait(int32_t index);
  const TKelvoPortret& Portrait(int32_t index) const;

  // Appends a Clone of the portrait. Throws KelvoError when the gallery is full (callers that
  // show their own message check Count() first).
  void Add(const TKelvoPortret& portrait);
  // Frees portrait index (1..Count()) and closes the gap; any other index is ignored.
  void Delete(int32_t index);
  // Exchanges portraits a and b (both 1..Count()); other indices are ignored.
  void Swap(int32_t a, int32_t b);

  // Reads the file at FilePath() through the archive. The portraits are read into new storage
  // and replace the old ones only when the whole file has been read: on any error (a
  // FatalDataError for malformed content, more than 200 portraits included) the gallery is
  // left as it was.
  void Load();
  // Writes every portrait to path (replacing the file only when complete); marks it unchanged.
  void Save(const std::string& path);
  // Loads the images of every portrait's selected components and of their animation frames.
  void LoadImages();

  // Reads one PORTRET record into the portrait, switching it to the library its PAK names
  // (found in or added to the registry). expectKeyword: the PORTRET keyword is still unread.
  void ReadPortrait(KeywordFile& file, bool expectKeyword, TKelvoPortret& portrait);
  // Writes one PORTRET record.
  static void WritePortrait(KeywordFile& file, const TKelvoPortret& portrait);

  TKelvoTyp& Library() const { return *library_; }
  const std::string& FilePath() const { return file_path_; }
  void SetFilePath(std::string path) { file_path_ = std::move(path); }
  const std::string& Title() const { return title_; }
  bool Unchanged() const { return unchanged_; }
  void SetUnchanged(bool unchanged) { unchanged_ = unchanged; }
  bool FileOpen() const { return file_open_; }
  // Set when a load stopped because a portrait was left without a type library.
  bool LoadFailed() const { return load_failed_; }
  const std::string& ErrorText() const { return error_text_; }

 private:
  void ReadRecords(KeywordFile& file, std::vector<std::unique_ptr<TKelvoPortret>>& into);
  TKelvoTyp* LibraryFor(const std::string& directory, const TKelvoPortret& portrait);
  void ReadCategoryBlock(KeywordFile& file, TKelvoPortret& portrait);

  TKelvoTyp* library_;
  LoadedLibraries* libraries_;
  DiagnosticsSink* sink_;
  std::vector<std::unique_ptr<TKelvoPortret>> portraits_;
  std::string file_path_;
  std::string title_;
  std::string error_text_;
  bool load_failed_ = false;
  bool file_open_ = false;
  bool unchanged_ = true;
};

}  // namespace kelvo
