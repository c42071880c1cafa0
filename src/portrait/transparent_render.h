// A portrait on a clear background, for artwork laid over other pictures (`kelvo render
// --transparent`, the editor's portrait export): the background category is left out, and a
// pixel is opaque where a component drew it, with the colour of the ordinary render.
#pragma once

#include "portrait/layer.h"
#include "portrait/transparent_picture.h"

namespace kelvo {

class TKelvoPortret;

// Renders the portrait at the positions it holds (the caller runs ComputePositions) from a
// blank canvas and mask, as a batch render does. Alpha is 255 where a component other than the
// background drew and 0 elsewhere; a shadow alone leaves a pixel clear. Reduced by `scale` (1,
// 2, 4 or 8), alpha is the block's average and the colour the average of its covered pixels in
// 5-6-5 steps, as reduce_layer averages, so a covered block has the ordinary reduced colour.
// The portrait's own canvas and mask are left as they were.
RgbaImage RenderTransparent(TKelvoPortret& portrait, int scale);

// The picture of `colours` where `first` and `second` (renders over two different canvas fills)
// agree, reduced by `scale` (1, 2, 4 or 8) as RenderTransparent reduces: what both the batch
// render and the editor's export make of their two renders.
RgbaImage CoveredPicture(const Layer& colours, const Layer& first, const Layer& second, int scale);

}  // namespace kelvo
