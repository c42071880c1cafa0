#pragma once
// Box averages of a layer's blocks, the work behind the reduced previews, thumbnails and
// animation frames. Several loops give the same pixels; the widest the processor runs is
// chosen once.
#include <cstdint>

#include "portrait/layer.h"

namespace kelvo::reduce_blocks {

enum class Kernel {
  kPlain,  // a block at a time, any factor and shift
  kSse2,   // channel sums of 8 columns, factors 2, 4 and 8
  kAvx2,   // 16 output pixels from registers, factors 2, 4 and 8
  kWide,   // 32 output pixels with AVX-512BW, factors 2, 4 and 8
};

bool Available(Kernel kernel);
Kernel Best();

// Averages the blocks factor x factor of src starting at block (first_x, first_y), w by h of
// them, into dst's top-left corner: each channel's sum over a block shifted right by shift.
// The caller has checked that the blocks lie inside src and the result fits dst. A kernel
// that does not handle this factor and shift, or is not available, falls back to kPlain.
void Reduce(int32_t factor, int shift, int32_t first_x, int32_t first_y, int32_t w, int32_t h,
            const Layer& src, Layer& dst, Kernel kernel = Best());

}  // namespace kelvo::reduce_blocks
