// The game's folders the avatar exchange offers: its mods (the folders under "Mods/") and the
// user profiles of a mod (under "UserProfiles/" + mod + "/"), and the settings key of one mod
// and profile. Listings are sorted by name, so the lists do not follow the file system's order.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvo {

inline constexpr const char* kNormalMod = "normal";
inline constexpr const char* kAvatarKeyRoot = "Software\\Nerab\\Grimvale\\";

// The plain subfolders of `folder`, by name: hidden ones (a leading "."), links and folders we
// may not read are left out. A missing or unreadable folder has none.
std::vector<std::string> PlainSubfolders(const std::string& folder);

// "normal", then the plain subfolders of `modsFolder` (a second "normal" is not repeated).
std::vector<std::string> ListAvatarMods(const std::string& modsFolder);
// The plain subfolders of `profilesFolder` + mod; none for a mod that is no plain name.
std::vector<std::string> ListAvatarProfiles(const std::string& profilesFolder,
                                            const std::string& mod);

// A name that can be one part of a key path: not empty, not "." or "..", no "/" or "\", no
// control characters, valid UTF-8. Blanks and other letters are fine.
bool IsPlainKeyName(const std::string& name);
// "Software\Nerab\Grimvale\" + mod + "\" + profile; nothing when either is no plain name.
std::optional<std::string> AvatarKeyPath(const std::string& mod, const std::string& profile);

}  // namespace kelvo
