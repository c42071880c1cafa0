// Conversion between the program's 8-bit Windows-1250 text and the UTF-16 text of Qt widgets.
// The core keeps names as raw bytes; only widgets and dialogs see converted text.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kelvo {

// Every byte maps to a character (the few undefined codes become U+FFFD).
QString FromAnsi(std::string_view text);

// Characters without a Windows-1250 code become "?".
std::string ToAnsi(const QString& text);

}  // namespace kelvo
