// Machine-readable output of `kelvo check --json` and `stats --json`: one JSON object on stdout,
// its texts converted from the core's Windows-1250 to UTF-8.
#pragma once

#include <QJsonObject>
#include <QString>
#include <ostream>
#include <string_view>

namespace kelvo::cli {

QString JsonText(std::string_view ansi);
// The object, indented, and a line end.
void PrintJson(const QJsonObject& object, std::ostream& out);

}  // namespace kelvo::cli
