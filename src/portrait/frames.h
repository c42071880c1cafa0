// Animation frames and the small portrait: quarter-size (80 x 100) portrait plus small frames
// of the mouth region (5 mouth steps, the beard following, face and cheeks changing at the last
// step) and of the eye region (3 eyebrow steps x 5 eye steps), each a quarter-size copy of one
// rectangle of a clipped full-size render. The frames, their rectangles and the step counters
// live in the portrait (TKelvoPortret owns the frame layers); these functions fill and use them.
// Every function leaves the portrait's selection as it found it, also when it throws.
#pragma once

#include <cstdint>

#include "portrait/layer.h"

namespace kelvo {

class TKelvoPortret;

inline constexpr int32_t kMouthSteps = 5;    // mouth steps 0..4
inline constexpr int32_t kEyebrowSteps = 3;  // eyebrow steps 0..2
inline constexpr int32_t kEyeSteps = 5;      // eye steps 0..4

// Rounds left and top down and right and bottom up to multiples of 4 (division truncating
// toward zero, so a negative left or top is rounded toward zero).
Rect AlignFrameRect(Rect r);

// The portrait's UpperRect (all eye and eyebrow steps) and LowerRect (all mouth steps with
// beard, face and cheeks; never above canvas row 200), aligned to 4 and inside the canvas.
// A region whose categories have no subcomponents gets an empty rectangle.
void ComputeFrameRects(TKelvoPortret& portrait);
// Lower frame for mouth step 0..4 / upper frame for eyebrow step 0..2 and eye step 0..4, from a
// clipped render of the current rectangle. An empty rectangle makes no frame (the slot is
// emptied).
void GenerujSpodek(TKelvoPortret& portrait, int32_t mouthStep);
void GenerujVrsek(TKelvoPortret& portrait, int32_t browStep, int32_t eyeStep);
// All 5 lower and 15 upper frames; FramesReady := true. The next-step counters do not move.
void GenerateAllFrames(TKelvoPortret& portrait);
// The next missing frame, one per call (lower frames first); the call after the last frame
// sets FramesReady.
void GenerateNextFrame(TKelvoPortret& portrait);
// Recomputes the rectangles, frees every frame and sets all step counters to 0.
void ResetFrames(TKelvoPortret& portrait);

// Set the current step and paste the matching frame at its quarter position into dst (the
// small portrait). A frame that does not exist, or would not fit inside dst, is not pasted.
void PasteMouthFrame(TKelvoPortret& portrait, int32_t mouthStep, Layer& dst);
void PasteEyeFrame(TKelvoPortret& portrait, int32_t eyeStep, Layer& dst);
void PasteBrowFrame(TKelvoPortret& portrait, int32_t browStep, Layer& dst);

// Resets the frames, renders the whole portrait and reduces it by 4 into dst (at least
// 80 x 100, else dst is left unchanged); the render layer is freed afterwards.
void MakeSmallPortrait(TKelvoPortret& portrait, Layer& dst);

}  // namespace kelvo
