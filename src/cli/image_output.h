// Output files of the tool: the image type chosen by a path's extension, numbered paths
// ("%d"), PNG and BMP encoding of 16-bit layers, and writing that never leaves a partial file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/paths.h"
#include "portrait/bmp_writer.h"
#include "portrait/layer.h"
#include "portrait/transparent_render.h"

namespace kelvo::cli {

enum class ImageFileType { kBmp, kPng };

// By the path's extension, in any letter case; other extensions raise an error.
ImageFileType ImageFileTypeOf(const std::string& path);

bool HasNumberField(const std::string& pattern);
// Every "%d" of the pattern replaced by the decimal number.
std::string NumberedPath(const std::string& pattern, int number);

// A path given on the command line: relative ones are taken from the working directory.
std::string CommandLinePath(const std::string& path);

// The compression level of PNG files unless --png-level says otherwise: batch work is bound by
// the encoder, and level 1 encodes several times faster than the higher ones for files a little
// larger.
inline constexpr int kDefaultPngLevel = 1;

// PNG files of 8-bit channels, every row unfiltered ("none") and compressed by libdeflate at
// `level`, 0 (stored) to 9 (smallest); the pixels are the same at every level. A layer's pixels
// are widened as the bitmap export widens them (split_rgb16).
std::string EncodePng(const RgbImage& image, int level = kDefaultPngLevel);
void EncodePng(const Layer& layer, int level, std::string& out);
// RGBA, for pictures with a clear background.
std::string EncodePng(const RgbaImage& image, int level = kDefaultPngLevel);
// The layer's rows as the PNG encoder compresses them: a filter byte, then the widened pixels.
void FilterPngRows(const Layer& layer, std::vector<std::uint8_t>& rows);
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
