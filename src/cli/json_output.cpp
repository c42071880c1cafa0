#include "cli/json_output.h"

#include <QByteArray>
#include <QJsonDocument>

#include "foundation/text_encoding.h"

namespace kelvo::cli {

QString JsonText(std::string_view ansi) {
  QString text;
  for (const char c : ansi) {
    const char32_t u = AnsiToChar(static_cast<unsigned char>(c));
    text += QString::fromUcs4(&u, 1);
  }
  return text;
}

void PrintJson(const QJsonObject& object, std::ostream& out) {
  const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
  out.write(bytes.constData(), bytes.size());
}

}  // namespace kelvo::cli
