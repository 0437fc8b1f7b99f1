#pragma once

namespace zr {

// Positions and sizes of the program's layouts are twips, 1/1440 inch. At 96 dots per
// inch a logical pixel is 15 twips; Qt's device-independent pixels take care of
// high-density screens from there.
constexpr double kTwipsPerPixel = 15.0;

constexpr double twipsToPixels(double twips) { return twips / kTwipsPerPixel; }
constexpr double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

}  // namespace zr
