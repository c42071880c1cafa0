#include "cli/commands.h"

#include <chrono>
#include <iomanip>
#include <vector>

#include "cli/command_support.h"
#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "cli/random_portraits.h"
#include "cli/render_pipeline.h"
#include "foundation/errors.h"
#include "foundation/parallel_for.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"

namespace kelvo::cli {
namespace {

static_assert(ImageOutputOptions{}.png_level == kDefaultPngLevel);

void RequireNumberField(const std::string& path, int count) {
  if (count > 1 && !HasNumberField(path)) {
    throw KelvoError("With " + std::to_string(count) +
                     " portraits the output path must contain %d: " + path);
  }
}

void PrintTimes(const std::vector<PortraitTimes>& times, int threads, double wall,
                std::ostream& out) {
  PortraitTimes total;
  out << std::fixed << std::setprecision(2);
  for (const PortraitTimes& t : times) {
    out << "portrait " << t.number << ": render " << 1000 * t.render << " ms, encode "
        << 1000 * t.encode << " ms, write " << 1000 * t.write << " ms\n";
    total.render += t.render;
    total.encode += t.encode;
    total.write += t.write;
  }
  const double n = times.empty() ? 1.0 : static_cast<double>(times.size());
  out << times.size() << " portraits on " << threads << " threads in " << 1000 * wall
      << " ms; per portrait: render " << 1000 * total.render / n << " ms, encode "
      << 1000 * total.encode / n << " ms, write " << 1000 * total.write / n << " ms\n";
  out.unsetf(std::ios::floatfield);
}

}  // namespace

template <>
int Command<RenderOptions>::Run() {
  const PortraitSource& source = options_.source;
  const ImageFileType type = ImageFileTypeOf(options_.out);
  const std::string out = CommandLinePath(options_.out);
  if (source.IsRandom()) RequireNumberField(out, source.count);

  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  std::unique_ptr<CommandGallery> gallery;
  std::vector<int> numbers;
  if (source.IsRandom()) {
    for (int n = 1; n <= source.count; ++n) numbers.push_back(n);
  } else {
    gallery = LoadGalleryWithImages(context_, *library, source.gallery);
    if (source.all) {
      for (int n = 1; n <= gallery->Count(); ++n) numbers.push_back(n);
    } else {
      gallery->Portrait(source.index);  // checks the number
      numbers.push_back(source.index);
    }
    RequireNumberField(out, static_cast<int>(numbers.size()));
  }

  if (source.IsRandom()) context_.Random().SetPortraitSeed(source.seed);
  const auto start = std::chrono::steady_clock::now();
  const auto next = [&](int i) -> BatchPortrait {
    const int n = numbers[static_cast<std::size_t>(i)];
    if (gallery) return {n, &gallery->Portrait(n), nullptr, NumberedPath(out, n)};
    return {n, nullptr, NextRandomPortrait(*library, context_.Random(), source.nation),
            NumberedPath(out, n)};
  };
  const std::vector<PortraitTimes> times = RenderToFiles(
      options_.jobs, static_cast<int>(numbers.size()), next,
      {.scale = options_.scale,
       .type = type,
       .transparent = options_.transparent,
       .settings = {.png_level = options_.output.png_level, .sync = options_.output.sync}});
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (options_.verbose) PrintTimes(times, WorkerCount(options_.jobs), wall, out_);
  out_ << "Rendered " << times.size() << (times.size() == 1 ? " portrait" : " portraits");
  if (!times.empty())
    out_ << " to " << (times.size() == 1 ? NumberedPath(out, times[0].number) : out);
  out_ << "\n";
  return 0;
}

}  // namespace kelvo::cli
