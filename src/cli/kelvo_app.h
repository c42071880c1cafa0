// The top of the `kelvo` program: parses the command line, runs the command and turns its
// outcome into the exit code and messages: 0 success, 1 a fatal data error shown as
// "Kelvo ERROR: " + text, 2 any other error (usage faults with a short usage).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelvo::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFatalData = 1;
inline constexpr int kExitOtherError = 2;

// args[0] is the program name. Output goes to out, messages and warnings to err, converted from
// the program's Windows-1250 into the encoding of the current locale.
int RunKelvo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kelvo::cli
