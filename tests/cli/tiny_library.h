// A small crafted library for the tool's tests, written with the library's own writers into a
// temporary data directory. Its pixels and frequencies are known, so renders and statistics can
// be checked against fixed values:
// - Backgrounds (16-bit): "bg", a 10 x 10 image of 0x1234 at (0, 0), with point 1 at (50, 60)
//   for Faces and point 2 at (150, 300) for Mouths.
// - Faces (8-bit, colour slot 1 = colour type 1): "face_a" (frequency 3) and "face_b"
//   (frequency 1, American 0), 4 x 4 images of shade 32 and 16; "face_zero" (frequency 0); the
//   frame "face_blink" (ANIMACE).
// - Mouths (8-bit, slot 1 = colour type 1): "mouth" (4 x 4 of shade 32) with frame 1
//   "mouth_open" (8 x 8 of shade 63).
// - Colour type 1 "skin": red 0x0000FF contrast 85 (frequency 1) and grey 0x808080 contrast
//   85 (frequency 1).
// - Draw order: NORM POZADI 1, NORM OBLICEJE 1, NORM PUSY 1.
#pragma once

#include <cstdint>
#include <string>

namespace kelvo::cli {

inline constexpr uint16_t kTinyBackground = 0x1234;
// Shades 16, 32 and 63 of the red entry (colour 0x0000FF, contrast 85).
inline constexpr uint16_t kRedShade16 = 0x8000;
inline constexpr uint16_t kRedShade32 = 0xF800;
inline constexpr uint16_t kRedShade63 = 0xFBCF;

// Writes the library into data_dir/name (the folder is created).
void WriteTinyLibrary(const std::string& data_dir, const std::string& name);

}  // namespace kelvo::cli
