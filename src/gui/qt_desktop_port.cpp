#include "gui/qt_desktop_port.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QSaveFile>

#include "foundation/errors.h"
#include "gui/text_codec.h"

namespace kelvo {

QImage ToQImage(const RgbaImage& image) {
  QImage out(image.width, image.height, QImage::Format_RGBA8888);
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(image.At(0, y), static_cast<size_t>(image.width) * 4, out.scanLine(y));
  }
  return out;
}

void QtDesktopPort::WritePng(const std::string& path, const RgbaImage& image) {
  QSaveFile file(FromAnsi(path));
  if (!file.open(QIODevice::WriteOnly)) {
    throw IoError(kIoAccessDenied, path, "create", ToAnsi(file.errorString()));
  }
  if (!ToQImage(image).save(&file, "PNG") || !file.commit()) {
    throw IoError(kIoAccessDenied, path, "write", ToAnsi(file.errorString()));
  }
}

void QtDesktopPort::CopyPicture(const RgbaImage& image) {
  const QImage picture = ToQImage(image);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  auto* data = new QMimeData;  // the clipboard takes it over
  data->setImageData(picture);
  data->setData("image/png", png);
  QApplication::clipboard()->setMimeData(data);
}

void QtDesktopPort::CopyText(const std::string& text) {
  QApplication::clipboard()->setText(FromAnsi(text));
}

std::optional<std::string> QtDesktopPort::ClipboardText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return std::nullopt;
  return ToAnsi(data->text());
}

}  // namespace kelvo
