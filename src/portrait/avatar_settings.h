// The game's multiplayer avatar as text: one component number per category 1..14, each followed
// by ";", and a sex flag. Writing the text of a portrait, reading it back field by field, and
// putting an avatar onto a portrait (the defaults, then the categories the game lets the player
// choose). The editor's avatar dialog and `kelvo avatar` both use it; no store is known here.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/errors.h"
#include "library/categories.h"

namespace kelvo {

class TKelvoPortret;

inline constexpr const char* kAvatarSettingsValue = "AVSettings";
inline constexpr const char* kAvatarSexValue = "AVSex";
inline constexpr int kAvatarFieldCount = 14;

// A settings or sex text that cannot be read; the message names the value and the field.
class AvatarFormatError : public KelvoError {
 public:
  using KelvoError::KelvoError;
};

// An avatar as read: Numbers[c] for category c (1..14), each a byte as the game
// keeps it. Categories past Fields had no field in the text and are left alone by ApplyAvatar.
struct AvatarSettings {
  PerCategory<std::uint8_t> Numbers{};
  int Fields = 0;
  std::uint8_t Sex = 0;
};

// "n;" for each category 1..14: the 1-based position of the first component of the selected
// component's name in its container; 0 for a category without a selection.
std::string AvatarSettingsText(const TKelvoPortret& portrait);
// "1" when the portrait's library directory is exactly "female\", else "0".
std::string AvatarSexText(const TKelvoPortret& portrait);

// The fields of a settings text: each the text up to the next ";" (or the rest), a whole number
// 0..255 with blanks around it allowed. Throws AvatarFormatError for a field that is no number or
// out of range, and for more than 14 fields; an empty text has no fields.
AvatarSettings ParseAvatarSettings(const std::string& text);
// The "AVSex" text as a whole number, kept as its low 8 bits; AvatarFormatError when it is no
// number (or too large for one).
std::uint8_t ParseAvatarSex(const std::string& text);

// The library an avatar is shown with (female only for sex 1) and the one import switches to
// (female for any sex but 0).
std::string AvatarPreviewDataSet(std::uint8_t sex);
std::string AvatarImportDataSet(std::uint8_t sex);

// The defaults ("normalni" background, "USsol1" or else "USsol" clothing, the first entry of every
// colour type, colours applied with the extra colour), then categories 2 to 11 and 13 from the
// avatar: number n picks the n-th component when the list has that many; 0, a number past the
// list and a missing field keep the selection. Changes the library's selected colour entries.
void ApplyAvatar(TKelvoPortret& portrait, const AvatarSettings& avatar);

}  // namespace kelvo
