#pragma once

#include "sim/PathFan.h"
#include "surface/Surface.h"

// The scene of a run, in twips from the top-left corner of the window's client area,
// x to the right and y downward. A vertical cross-section: the medium (water or glass)
// below the boundary, air above, a beam lighting 1000 twips of the boundary from below.
namespace sim {

inline constexpr int yBoundary = 5000;                         // medium below, air above
inline constexpr int yTop = yBoundary - 4500;                  // upper end of the vertical lines; first sweep position
inline constexpr int yBottom = yBoundary + 2500;               // lower end of the vertical lines; bound of the sweep
inline constexpr int xLeft = 3000;                             // where the H and S tracks and patterns begin
inline constexpr int xRight = 11500;                           // right end of the medium, boundary and tracks
inline constexpr int xBeam = xLeft + 100;                      // first lit boundary point (path 0); the normal
inline constexpr int beamWidth = 1000;                         // paths 0 to 1000, one per twip of the lit stretch
inline constexpr int depthS = 1500;                            // Detector S's track below the boundary
inline constexpr int xDetectorV = 5 * beamWidth + xBeam - 800; // Detector V's vertical track
inline constexpr int xSpiralV = xDetectorV + 2500;             // where Detector V's spirals start
inline constexpr int spiralDropS = 500;                        // Detector S's spirals start this far below its track

// The background is overpainted line by line, each line rising one twip over its length.
inline constexpr int backgroundLines = 9000;
inline constexpr int backgroundRight = 12000;
inline constexpr int mediumLines = 2500;
inline constexpr int xMediumLeft = xLeft - 350;

inline constexpr surface::Colour grey = 0xC0C0C0;       // window and air
inline constexpr surface::Colour lightGreen = 0xC0FFC0; // the medium
inline constexpr surface::Colour white = 0xFFFFFF;      // rays of the chosen case

// Degrees to radians the way the whole program does it: with 3.14 for pi, multiplying first.
inline double toRadians(double degrees)
{
    return degrees * 3.14 / 180;
}

} // namespace sim
