#include "portrait/avatar_settings.h"

#include <charconv>
#include <string_view>

#include "foundation/errors.h"
#include "foundation/whole_number.h"
#include "library/component.h"
#include "library/container.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

constexpr int kMaxAvatarNumber = 255;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

using Whole = WholeNumberResult;

// A whole decimal number filling the text, blanks around it allowed.
template <typename T>
Whole ParseWhole(std::string_view text, T& value) {
  return ParseWholeNumber(Trimmed(text), value, {.plus_sign = true});
}

// A field as a message quotes it: long ones cut short.
std::string Quoted(std::string_view text) {
  return "\"" + ShownToken(text) + "\"";
}

bool Applied(int category) {
  return (category >= kNecks && category <= kBeards) || category == kGlasses;
}

void SelectByName(TKelvoPortret& portrait, int category, const std::string& name) {
  TKelvoKompKontejner& container = portrait.Library().Container(category);
  const int32_t n = container.FindByName(name);
  if (n >= 1) portrait.Selected[category] = &container.Komp(n);
}

}  // namespace

std::string AvatarSettingsText(const TKelvoPortret& portrait) {
  std::string text;
  for (int c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKomp* selected = portrait.Selected[c];
    const int32_t n =
        selected ? portrait.Library().Container(c).FindByName(selected->Name) : int32_t{0};
    text += std::to_string(n < 1 ? 0 : n) + ";";
  }
  return text;
}

std::string AvatarSexText(const TKelvoPortret& portrait) {
  return portrait.Library().Path == "female\\" ? "1" : "0";
}

AvatarSettings ParseAvatarSettings(const std::string& text) {
  AvatarSettings avatar;
  std::string_view rest = text;
  while (!rest.empty()) {
    const size_t end = rest.find(';');
    const std::string_view field = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const int number = avatar.Fields + 1;
    if (number > kAvatarFieldCount) {
      throw AvatarFormatError(std::string(kAvatarSettingsValue) + " has more than " +
                              std::to_string(kAvatarFieldCount) + " fields");
    }
    long long value = 0;
    const Whole parsed = ParseWhole(field, value);
    const std::string name = std::string(kAvatarSettingsValue) + " field " + std::to_string(number);
    if (parsed == Whole::kNoNumber) {
      throw AvatarFormatError(name + " is not a whole number: " + Quoted(field));
    }
    if (parsed == Whole::kOutOfRange || value < 0 || value > kMaxAvatarNumber) {
      throw AvatarFormatError(name + " is out of the range 0 to " +
                              std::to_string(kMaxAvatarNumber) + ": " + Quoted(Trimmed(field)));
    }
    avatar.Numbers[number] = static_cast<std::uint8_t>(value);
    avatar.Fields = number;
  }
  return avatar;
}

std::uint8_t ParseAvatarSex(const std::string& text) {
  int value = 0;
  const Whole parsed = ParseWhole(text, value);
  if (parsed == Whole::kNoNumber) {
    throw AvatarFormatError(std::string(kAvatarSexValue) +
                            " is not a whole number: " + Quoted(text));
  }
  if (parsed == Whole::kOutOfRange) {
    throw AvatarFormatError(std::string(kAvatarSexValue) + " is too large: " + Quoted(text));
  }
  return static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFu);
}

std::string AvatarPreviewDataSet(std::uint8_t sex) {
  return sex == 1 ? "female" : "male";
}

std::string AvatarImportDataSet(std::uint8_t sex) {
  return sex != 0 ? "female" : "male";
}

void ApplyAvatar(TKelvoPortret& portrait, const AvatarSettings& avatar) {
  TKelvoTyp& library = portrait.Library();
  SelectByName(portrait, kBackgrounds, "normalni");
  if (library.Container(kClothing).FindByName("USsol1") >= 1) {
    SelectByName(portrait, kClothing, "USsol1");
  } else {
    SelectByName(portrait, kClothing, "USsol");
  }
  for (int t = 1; t <= kColourTypeCount; ++t) library.ColourType(t).Selected = 1;
  portrait.ApplyColoursWithExtra();
  for (int c = 1; c <= kCategoryCount && c <= avatar.Fields; ++c) {
    const int n = avatar.Numbers[c];
    TKelvoKompKontejner& container = library.Container(c);
    if (Applied(c) && n != 0 && container.ComponentCount() >= n) {
      portrait.Selected[c] = &container.Komp(n);
    }
  }
  portrait.UpdateSignature();
}

}  // namespace kelvo
