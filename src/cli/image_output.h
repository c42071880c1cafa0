// Output files of the tool: the image type chosen by a path's extension, numbered paths
// ("%d"), PNG and BMP encoding of 16-bit layers, and writing that never leaves a partial file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/paths.h"
#include "portrait/bmp_writer.h"
#include "portrait/layer.h"

namespace kelvo::cli {

enum class ImageFileType { kBmp, kPng };

// By the path's extension, in any letter case; other extensions raise an error.
ImageFileType ImageFileTypeOf(const std::string& path);

bool HasNumberField(const std::string& pattern);
// Every "%d" of the pattern replaced by the decimal number.
std::string NumberedPath(const std::string& pattern, int number);

// A path given on the command line: relative ones are taken from the working directory.
std::string CommandLinePath(const std::string& path);

// The zlib level of PNG files unless --png-level says otherwise: batch work is bound by the
// encoder, and level 1 encodes several times faster than the default for files a little larger.
inline constexpr int kDefaultPngLevel = 1;

// Every layer pixel widened as the bitmap export widens it (split_rgb16). `level` is the zlib
// compression level, 0 (none) to 9 (smallest); the pixels are the same at every level.
std::string EncodePng(const RgbImage& image, int level = kDefaultPngLevel);
void EncodePng(const Layer& layer, int level, std::string& out);
// The file bytes of the layer; `out` keeps its storage from call to call.
void EncodeImage(const Layer& layer, ImageFileType type, int png_level, std::string& out);
std::string EncodeImage(const Layer& layer, ImageFileType type, int png_level = kDefaultPngLevel);

// Writes to a temporary file in the target's folder and renames it over the target when
// complete; on failure the target is untouched and the temporary file removed. Batch outputs
// are not flushed to the disk unless `options.sync` asks for it.
void WriteOutputFile(const std::string& path, std::string_view bytes,
                     const WriteOptions& options = {.sync = false, .listings = nullptr});

// Fills the rectangle [x, x + w) x [y, y + h), clipped to the layer.
void FillRect(Layer& layer, int x, int y, int w, int h, std::uint16_t colour);
// Copies src with its top-left corner at (x, y) of dst; parts outside dst are left out.
void Blit(const Layer& src, Layer& dst, int x, int y);

}  // namespace kelvo::cli
