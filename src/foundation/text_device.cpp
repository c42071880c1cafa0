#include "foundation/text_device.h"

#include "foundation/errors.h"

namespace kelvo {

TextDevice::TextDevice(std::string name, bool found, std::vector<uint8_t> bytes,
                       std::function<void()> on_close)
    : name_(std::move(name)),
      found_(found),
      bytes_(std::move(bytes)),
      on_close_(std::move(on_close)) {}

TextDevice::~TextDevice() {
  Close();
}

void TextDevice::Open() {
  if (!found_ || name_.empty()) throw IoError(kIoAccessDenied, name_);
  open_ = true;
  position_ = 0;
}

void TextDevice::Close() {
  open_ = false;
  bytes_.clear();
  bytes_.shrink_to_fit();
  if (on_close_) {
    auto on_close = std::move(on_close_);
    on_close_ = nullptr;
    on_close();
  }
}

}  // namespace kelvo
