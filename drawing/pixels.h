#ifndef TARVEO_DRAWING_PIXELS_H
#define TARVEO_DRAWING_PIXELS_H

#include <QtGlobal>
#include <cmath>

// Distances come from text, so a coordinate may be anything a float can
// hold. Beyond this many pixels nothing is visible any more, and keeping
// coordinates inside it keeps the integer arithmetic of the layout defined.
constexpr double MaxPixelCoordinate = 1.0e6;

// The coordinate limited to the drawable range; not-a-number becomes 0.
inline double boundedPixels(double value) {
    if (std::isnan(value))
        return 0.0;
    return qBound(-MaxPixelCoordinate, value, MaxPixelCoordinate);
}

// The integer part of a coordinate, truncated towards zero.
inline int truncatedPixels(double value) {
    return static_cast<int>(boundedPixels(value));
}

#endif
