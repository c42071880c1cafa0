#include "portrait/gallery.h"

#include <utility>

#include "archive/pak.h"
#include "archive/pak_unit.h"
#include "foundation/errors.h"
#include "foundation/keyword_file.h"
#include "foundation/log_channels.h"
#include "foundation/paths.h"
#include "library/categories.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

// Keeps the file-open flag true for the lifetime of a read or write, whatever happens.
class FileOpenScope {
 public:
  explicit FileOpenScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FileOpenScope() { flag_ = false; }
  FileOpenScope(const FileOpenScope&) = delete;
  FileOpenScope& operator=(const FileOpenScope&) = delete;

 private:
  bool& flag_;
};

bool ValidIndex(int32_t index, int32_t count) {
  return index >= 1 && index <= count;
}

}  // namespace

TKelvoGallery::TKelvoGallery(TKelvoTyp& library, LoadedLibraries& libraries, DiagnosticsSink& sink,
                             std::string title, std::string filePath)
    : library_(&library),
      libraries_(&libraries),
      sink_(&sink),
      file_path_(std::move(filePath)),
      title_(std::move(title)) {}

TKelvoGallery::TKelvoGallery(ProcessContext& context, TKelvoTyp& library, std::string title,
                             std::string filePath)
    : TKelvoGallery(library, context.Libraries(), context.Sink(), std::move(title),
                    std::move(filePath)) {}

TKelvoGallery::~TKelvoGallery() = default;

TKelvoPortret& TKelvoGallery::Portrait(int32_t index) {
  if (!ValidIndex(index, Count())) throw std::out_of_range("TKelvoGallery: no portrait");
  return *portraits_[static_cast<size_t>(index - 1)];
}

const TKelvoPortret& TKelvoGallery::Portrait(int32_t index) const {
  if (!ValidIndex(index, Count())) throw std::out_of_range("TKelvoGallery: no portrait");
  return *portraits_[static_cast<size_t>(index - 1)];
}

void TKelvoGallery::Add(const TKelvoPortret& portrait) {
  // A file with more portraits than this could not be read back.
  if (Count() >= kMaxGalleryPortraits) throw KelvoError("Gallery is full, delete some pictures");
  portraits_.push_back(portrait.Clone());
}

void TKelvoGallery::Delete(int32_t index) {
  if (!ValidIndex(index, Count())) return;
  portraits_.erase(portraits_.begin() + (index - 1));
}

void TKelvoGallery::Swap(int32_t a, int32_t b) {
  if (!ValidIndex(a, Count()) || !ValidIndex(b, Count())) return;
  std::swap(portraits_[static_cast<size_t>(a - 1)], portraits_[static_cast<size_t>(b - 1)]);
}

void TKelvoGallery::Load() {
  const LogChannels::Batch log_batch(library_->Archive().Unit().Log());
  FileOpenScope open(file_open_);
  KeywordFile file(library_->Archive());
  file.OpenRead(file_path_);
  std::vector<std::unique_ptr<TKelvoPortret>> loaded;
  ReadLocated(file, [&] {
    for (;;) {
      const std::string token = file.ReadToken();
      if (token == "GALLERY") {
        ReadRecords(file, loaded);
      } else if (token == "END") {
        break;
      } else {
        throw FatalDataError("END expected instead of " + ShownToken(token));
      }
    }
  });
  file.Close();
  portraits_ = std::move(loaded);
  load_failed_ = false;
  error_text_.clear();
  unchanged_ = true;
}

void TKelvoGallery::ReadRecords(KeywordFile& file,
                                std::vector<std::unique_ptr<TKelvoPortret>>& into) {
  for (;;) {
    const std::string token = file.ReadToken();
    if (token == "PORTRET") {
      if (static_cast<int32_t>(into.size()) >= kMaxGalleryPortraits) {
        throw FatalDataError("Too many portraits in gallery " + ShownName(file_path_) +
                             ", at most " + std::to_string(kMaxGalleryPortraits) + " are allowed");
      }
      auto portrait = std::make_unique<TKelvoPortret>(*library_);
      ReadPortrait(file, false, *portrait);
      into.push_back(std::move(portrait));
    } else if (token == "END_OF_GALLERY") {
      return;
    } else {
      throw FatalDataError("END_OF_GALLERY expected instead of " + ShownToken(token));
    }
  }
}

void TKelvoGallery::Save(const std::string& path) {
  FileOpenScope open(file_open_);
  KeywordFile file(library_->Archive());
  file.OpenWrite(path);
  file.WriteTokenLine("GALLERY");
  file.IndentMore(2);
  for (const auto& portrait : portraits_) WritePortrait(file, *portrait);
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_GALLERY");
  file.WriteTokenLine("END");
  file.Close();
  unchanged_ = true;
}

void TKelvoGallery::LoadImages() {
  const LogChannels::Batch log_batch(library_->Archive().Unit().Log());
  for (const auto& portrait : portraits_) {
    TPak& archive = portrait->Library().Archive();
    for (int32_t c = 1; c <= kCategoryCount; ++c) {
      if (TKelvoKomp* komp = portrait->Selected[c]) komp->LoadImages(archive);
    }
    for (int32_t c = 1; c <= kCategoryCount; ++c) {
      TKelvoKomp* komp = portrait->Selected[c];
      if (!komp) continue;
      const int32_t limit = CategoryAnimationLimit(c);
      for (int32_t n = 1; n <= limit && n < static_cast<int32_t>(komp->Frames.size()); ++n) {
        if (TKelvoKomp* frame = komp->Frames[static_cast<size_t>(n)]) frame->LoadImages(archive);
      }
    }
  }
}

}  // namespace kelvo
