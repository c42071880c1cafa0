// The program's version text, shared by every program and the about box.
#pragma once

namespace kelvo {
const char* VersionText();
}
