// Renders portraits into image files on several threads. Each job renders one portrait on a
// cleared canvas, reduces it, encodes it and writes it; a job touches only its own portrait and
// file, and each worker reuses its own buffers, so the files are byte-identical whatever the
// number of threads. The library the portraits use must not change meanwhile.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/image_output.h"
#include "portrait/layer.h"
#include "portrait/portrait.h"

namespace kelvo::cli {

// Seconds spent on one portrait.
struct PortraitTimes {
  int number = 0;
  double render = 0;
  double encode = 0;
  double write = 0;
};

// One worker's buffers, kept from portrait to portrait: the canvas, the reduced image and the
// encoded file.
struct RenderScratch {
  TKelvoPortret::RenderBuffers buffers;
  Layer reduced;
  std::string encoded;
};

// How batch outputs are encoded and written.
struct OutputSettings {
  int png_level = kDefaultPngLevel;
  bool sync = false;  // flush every file to the disk
};

// ComputePositions and a full render on a black canvas, reduced by `scale` (1, 2, 4 or 8). The
// image lives in the scratch (the canvas itself at scale 1) until its next use.
const Layer& RenderPortraitImage(TKelvoPortret& portrait, int scale, RenderScratch& scratch);
// The same into an image of its own.
Layer RenderPortraitImage(TKelvoPortret& portrait, int scale);

// One portrait of a batch and its file. A portrait the batch made itself is `owned`, and freed
// once it is drawn.
struct BatchPortrait {
  int number = 0;
  TKelvoPortret* portrait = nullptr;
  std::unique_ptr<TKelvoPortret> owned;
  std::string path;
};

// Portrait i (from 0) of a batch. Called once for each, in index order and one call at a time,
// so that it may draw from one random sequence, by the worker that then draws it.
using BatchSource = std::function<BatchPortrait(int index)>;

// How a batch's images are made and stored.
struct BatchOutput {
  int scale = 1;
  ImageFileType type = ImageFileType::kBmp;
  bool transparent = false;  // RGBA PNG without the background (RenderTransparent)
  OutputSettings settings;
};

// Renders, encodes and writes `count` portraits on WorkerCount(jobs) workers (ParallelFor), the
// next portrait coming from the source while the others are drawn. Rethrows the error of the
// first portrait that failed; the times in index order.
std::vector<PortraitTimes> RenderToFiles(int jobs, int count, const BatchSource& source,
                                         const BatchOutput& output);

}  // namespace kelvo::cli
