// kelvo-icon: draws the program's icon from the first portrait of the bundled "male" sample
// gallery, as PNG files of the hicolor theme: OUT/<n>x<n>/apps/kelvoed.png.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "cli/render_pipeline.h"
#include "foundation/diagnostics.h"
#include "foundation/errors.h"
#include "icon.h"
#include "library/process_context.h"
#include "library/type_library.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Usage: kelvo-icon DATA_DIR OUT_DIR\n");
    return 2;
  }
  const std::string data_dir = std::filesystem::absolute(argv[1]).string();
  const std::filesystem::path out_dir = std::filesystem::absolute(argv[2]);
  kelvo::StderrSink sink;
  try {
    kelvo::ProcessOptions process;
    process.data_base = data_dir;
    kelvo::ProcessContext context(sink, process);
    kelvo::TKelvoTyp library(context.Archive(), "male");
    library.LoadAll();
    library.LoadImages();
    auto gallery = kelvo::cli::LoadGalleryWithImages(context, library, data_dir + "/male.xgl");
    const kelvo::RgbImage picture =
        kelvo::LayerToRgb(kelvo::cli::RenderPortraitImage(gallery->Portrait(1), 1));
    for (int size : kelvo::demo::kIconSizes) {
      const std::string n = std::to_string(size);
      const std::filesystem::path file = out_dir / (n + "x" + n) / "apps" / "kelvoed.png";
      std::filesystem::create_directories(file.parent_path());
      kelvo::cli::WriteOutputFile(file.string(),
                                  kelvo::cli::EncodePng(kelvo::demo::IconImage(picture, size)));
    }
  } catch (const kelvo::FatalDataError& error) {
    std::fprintf(stderr, "kelvo-icon: %s\n", kelvo::FatalDataText(error).c_str());
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kelvo-icon: %s\n", error.what());
    return 2;
  }
  return 0;
}
