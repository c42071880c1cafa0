#include "foundation/version.h"

namespace kelvo {
const char* VersionText() {
  return KELVO_VERSION;
}
}  // namespace kelvo
