// Inner loops of the drawing routines, in a portable form and, where the processor has them,
// with AVX2 or 512-bit vector instructions (chosen once at run time). Internal to the renderer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kelvo::draw_rows {

// dst[i] = src pixel i unless it is the transparent key; src holds little-endian words.
using Row16 = void (*)(const uint8_t* src, uint16_t* dst, int32_t w);
// A block of `h` rows of `w` pixels of an 8-bit image and where it lands; strides count
// elements. `mask` may be null for the unmasked kernels.
struct Rows8 {
  const uint8_t* src;
  ptrdiff_t src_stride;
  uint16_t* dst;
  ptrdiff_t dst_stride;
  const uint8_t* mask;
  ptrdiff_t mask_stride;
  int32_t w;
  int32_t h;
  const uint16_t* ramp;
};
// dst = ramp[v] (or the darker of dst and ramp[v]) where the source byte v is not 0 and the
// mask allows it. A whole block per call, so a kernel sets its tables up once per image.
using Block8 = void (*)(const Rows8& rows);

struct RowKernels {
  Row16 image16;
  Block8 coloured, coloured_inside, coloured_outside;
  Block8 shadow, shadow_inside, shadow_outside;
};

// The kernels the renderer uses: the 512-bit byte-permute set where the processor has it, else
// the 512-bit word-permute set, else portable (the AVX2 ones gather the ramp more slowly than
// the SSE2 loops look it up). The environment variable KELVO_ROW_KERNELS ("portable", "avx2",
// "wide" or "bytes"), read once, picks another set the processor has, so benchmarks can compare
// them in one build.
const RowKernels& Kernels();
// The portable kernels (SSE2 where the build has it), and the AVX2 and 512-bit ones (null when
// the processor or build lacks them).
const RowKernels& PortableKernels();
const RowKernels* Avx2Kernels();
const RowKernels* WideKernels();
const RowKernels* WideByteKernels();

// A block kernel made of a row kernel, for the sets whose per-row setup costs nothing.
template <void (*Row)(const uint8_t*, uint16_t*, const uint8_t*, int32_t, const uint16_t*)>
void EachRow(const Rows8& r) {
  const uint8_t* src = r.src;
  uint16_t* dst = r.dst;
  const uint8_t* mask = r.mask;
  for (int32_t y = 0; y < r.h; ++y) {
    Row(src, dst, mask, r.w, r.ramp);
    src += r.src_stride;
    dst += r.dst_stride;
    if (mask) mask += r.mask_stride;
  }
}

}  // namespace kelvo::draw_rows
