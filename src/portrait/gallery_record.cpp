// The PORTRET record of a gallery file, read and written keyword by keyword.
#include <memory>
#include <string>

#include "foundation/diagnostics.h"
#include "foundation/errors.h"
#include "foundation/keyword_file.h"
#include "foundation/paths.h"
#include "library/categories.h"
#include "library/library_registry.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

void WritePair(KeywordFile& file, const char* keyword, const Point& p) {
  file.WriteToken(keyword);
  file.WriteInt(p.x);
  file.WriteInt(p.y);
  file.WriteLine();
}

}  // namespace

void TKelvoGallery::ReadPortrait(KeywordFile& file, bool expectKeyword, TKelvoPortret& portrait) {
  if (expectKeyword && file.ReadToken() != "PORTRET") {
    throw FatalDataError("KelvoPortret: PORTRET expected, expect a crash !");
  }
  if (file.ReadToken() != "PAK")
    throw FatalDataError("KelvoPortret: PAK expected, expect a crash ;) ");
  const std::string directory = file.ReadNameToken();
  if (!EqualsIgnoringCase(directory, portrait.LibraryName)) {
    TKelvoTyp* library = LibraryFor(directory, portrait);
    portrait.SetLibrary(*library);
    portrait.LibraryName = WithoutTrailingBackslash(library->Path);
    portrait.OwnLibrary = false;
  }

  std::string token = file.ReadToken();
  if (token == "VOICE") {
    portrait.Voice = static_cast<uint8_t>(file.ReadInt());  // a byte, as the game stores it
    token = file.ReadToken();
  }
  if (token != "PORT_COMPONENTS") {
    throw FatalDataError("KelvoPortret: PORT_COMPONENTS expected instead of " + ShownToken(token));
  }
  for (;;) {
    token = file.ReadToken();
    if (token == "END_OF_PORT_COMPONENTS") break;
    if (token == "NAZEV") {
      portrait.Name = file.ReadNameToken();
    } else if (token == "TYP") {
      ReadCategoryBlock(file, portrait);
    } else {
      throw FatalDataError("KelvoPortret: END_OF_PORT_COMPONENTS expected instead of " +
                           ShownToken(token));
    }
  }

  for (int32_t c = 1; c <= kCategoryCount; ++c) {
    if (portrait.Selected[c]) continue;
    TKelvoKompKontejner& container = portrait.Library().Container(c);
    if (container.ComponentCount() == 0) throw KelvoError("No components in component type");
    portrait.Selected[c] = &container.Komp(1);
  }

  if (file.ReadToken() != "END_OF_PORTRET") {
    throw FatalDataError("KelvoPortret: END_OF_PORTRET expected, expect a crash !");
  }
}

// The registry's library for a directory other than the portrait's, loading it on first use.
TKelvoTyp* TKelvoGallery::LibraryFor(const std::string& directory, const TKelvoPortret& portrait) {
  int32_t slot = libraries_->FindLibrary(directory);
  if (slot < 0) {
    if (libraries_->Count() >= LoadedLibraries::kMaxLibraries) {
      throw FatalDataError(
          "KelvoPortret: facepaks count exceeded reading a portrait, expect a crash ;) ");
    }
    // Registered only once it has loaded, so a library that fails leaves no empty slot behind.
    auto library = std::make_unique<TKelvoTyp>(portrait.Library().Archive(), directory);
    library->LoadAll();
    slot = libraries_->Add(std::move(library));
  }
  return &libraries_->Library(slot);
}

void TKelvoGallery::ReadCategoryBlock(KeywordFile& file, TKelvoPortret& portrait) {
  const int32_t c = CategoryByDir(file.ReadNameToken());
  if (c < 0) {
    // A block for a category we do not know is skipped whole; a file that ends inside it must
    // not keep us reading the end marker forever.
    for (;;) {
      const std::string token = file.ReadToken();
      if (token == "END_OF_TYP") return;
      if (KeywordFile::IsEndMarker(token)) {
        throw FatalDataError("KelvoPortret: END_OF_TYP expected instead of " + ShownToken(token));
      }
    }
  }
  TKelvoKompKontejner& container = portrait.Library().Container(c);
  for (;;) {
    const std::string token = file.ReadToken();
    if (token == "END_OF_TYP") return;
    if (token == "COMP") {
      const std::string name = file.ReadNameToken();
      int32_t k = container.FindByName(name);
      if (k < 0) {
        DataWarning(*sink_, "Unknown component " + ShownToken(name) + ".\r\n" +
                                "Perhaps you try to load a gallery for other components than "
                                "current.\r\n" +
                                "Using first component.");
        k = 1;
      }
      portrait.Selected[c] = k <= container.ComponentCount() ? &container.Komp(k) : nullptr;
    } else if (token == "BARVY") {
      for (int32_t s = 1; s <= 4; ++s) {
        ColourEntry& slot = portrait.ColourSlots[c][s];
        slot.Colour() = file.ReadHex();
        slot.Contrast() = file.ReadInt();
        slot.Frequency() = 0;
      }
    } else if (token == "POSUN") {
      portrait.Shift[c].x = file.ReadInt();
      portrait.Shift[c].y = file.ReadInt();
    } else if (token == "ROZESUN") {
      portrait.Span[c].x = file.ReadInt();
      portrait.Span[c].y = file.ReadInt();
    } else {
      throw FatalDataError("KelvoPortret: END_OF_TYP expected instead of " + ShownToken(token));
    }
  }
}

void TKelvoGallery::WritePortrait(KeywordFile& file, const TKelvoPortret& portrait) {
  file.WriteTokenLine("PORTRET");
  file.IndentMore(2);
  file.WriteToken("PAK");
  file.WriteToken(WithoutTrailingBackslash(portrait.Library().Path));
  file.WriteLine();
  if (portrait.Voice != 0) {
    file.WriteToken("VOICE");
    file.WriteInt(portrait.Voice);
    file.WriteLine();
  }
  file.WriteTokenLine("PORT_COMPONENTS");
  file.IndentMore(2);
  if (!portrait.Name.empty()) {
    file.WriteToken("NAZEV");
    file.WriteToken(portrait.Name);
    file.WriteLine();
  }
  for (int32_t c = 1; c <= kCategoryCount; ++c) {
    file.WriteToken("TYP");
    file.WriteToken(CategoryDir(c));
    file.WriteLine();
    file.IndentMore(2);
    file.WriteToken("COMP");
    file.WriteToken(portrait.Selected[c] ? portrait.Selected[c]->Name : std::string());
    file.WriteLine();
    file.WriteToken("BARVY");
    for (int32_t s = 1; s <= 4; ++s) {
      file.WriteHex(portrait.ColourSlots[c][s].Colour(), 6);
      file.WriteInt(portrait.ColourSlots[c][s].Contrast());
    }
    file.WriteLine();
    WritePair(file, "POSUN", portrait.Shift[c]);
    WritePair(file, "ROZESUN", portrait.Span[c]);
    file.IndentLess(2);
    file.WriteTokenLine("END_OF_TYP");
  }
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_PORT_COMPONENTS");
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_PORTRET");
}

}  // namespace kelvo
