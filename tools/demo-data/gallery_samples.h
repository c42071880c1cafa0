// The sample gallery shipped beside each data set: twelve portraits of the
// library as it was written, made with the portrait engine's own random choice.
#pragma once

#include <string>

namespace kelvo {
class ProcessContext;
}

namespace kelvo::demo {

// Loads the library `name` through the context's archive and writes twelve
// portraits of it (three random, three of each nation) to `path`.
void WriteSampleGallery(ProcessContext& context, const std::string& name, const std::string& path);

}  // namespace kelvo::demo
