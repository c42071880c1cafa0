// Where a program finds its data and writes its own files, whether it runs from a build
// folder or a portable copy (data beside the program, program folder writable) or is
// installed (data in ../share/ relative to the program, program folder not writable).
#pragma once

#include <string>

namespace kelvo {

// A relative data base (the default "kelvoed\data_big") that is not a folder beside the program
// but is one under program_dir + "../share/": that folder, as a normalized absolute name. Any
// other base comes back unchanged. program_dir ends in a separator.
std::string FindDataBase(const std::string& program_dir, const std::string& data_base);

// True for an existing folder we may create files in: access() allows it and the folder's
// permission bits grant write to our user, so a folder made read-only counts as read-only for
// the superuser too.
bool IsWritableFolder(const std::string& folder);

// $HOME when it is absolute, else the password database's home, ending in "/"; "" when none.
std::string HomeFolder();

// $XDG_DATA_HOME when it is absolute, else $HOME/.local/share (the password database's home
// when HOME is unset), ending in "/"; "" when no home is known.
std::string XdgDataHome();

// The folder for the program's own files (logs): the program folder when it is writable, else
// XdgDataHome() + "KelvoEd/", created when missing (silently left missing when that fails).
// Ends in "/".
std::string UserFilesFolder(const std::string& program_dir);

}  // namespace kelvo
