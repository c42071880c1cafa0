// Inner row loops of the drawing routines, in a portable form and, where the processor has
// them, with AVX2 or 512-bit vector instructions (chosen once at run time). Internal to the
// renderer.
#pragma once

#include <cstdint>

namespace kelvo::draw_rows {

// dst[i] = src pixel i unless it is the transparent key; src holds little-endian words.
using Row16 = void (*)(const uint8_t* src, uint16_t* dst, int32_t w);
// dst[i] = ramp[v] (or the darker of dst[i] and ramp[v]) where v = src[i] != 0 and the mask
// allows it; mask may be null for the unmasked kernels.
using Row8 = void (*)(const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w,
                      const uint16_t* ramp);

struct RowKernels {
  Row16 image16;
  Row8 coloured, coloured_inside, coloured_outside;
  Row8 shadow, shadow_inside, shadow_outside;
};

// The kernels the renderer uses: 512-bit where the processor has them, else portable (the
// AVX2 ones gather the ramp more slowly than the SSE2 loops look it up). The environment
// variable KELVO_ROW_KERNELS ("portable" or "avx2"), read once, picks another set the processor
// has, so benchmarks can compare them in one build.
const RowKernels& Kernels();
// The portable kernels (SSE2 where the build has it), and the AVX2 and 512-bit ones (null when
// the processor or build lacks them).
const RowKernels& PortableKernels();
const RowKernels* Avx2Kernels();
const RowKernels* WideKernels();

}  // namespace kelvo::draw_rows
