#pragma once

// One detector's paths at one step of the sweep. Path i runs in the medium to the lit boundary
// point i, with optical path pathIn[i], and from there straight to the detector, with optical
// path pathOut[i]. Each path adds an arrow of the given length, turned by its phase,
// waveNumber x (pathIn + pathOut): length x (cos phase, sin phase), which turns clockwise on the
// screen as the phase grows, since y points down.
//
// Kept free of inline functions: the per-instruction-set kernels include it (see kernel/Lanes.h).
namespace sim {

inline constexpr int waveNumber = 3;     // radians of phase per twip of optical path
inline constexpr int pathCount = 1001;   // paths 0 to 1000, one per twip of the lit stretch
inline constexpr int paddedPaths = 1008; // room for whole vectors of up to 8 lanes

struct PathFan {
    const double* pathIn{};  // paddedPaths values; those past the last path are never summed
    const double* pathOut{}; // the same
    double length{};         // of each arrow
};

// Optical lengths of straight paths from boundary points (x, yBoundary) one twip apart to a
// point off the boundary: factor x sqrt((xFirst + j)^2 + heightSquared) for the j-th.
struct StraightPaths {
    double xFirst{};        // x of the first boundary point minus the point's x, a whole number
    double heightSquared{}; // the point's distance from the boundary, squared
    double factor{};        // n when the paths run in the medium, 1 in air
};

struct Vec {
    double x{};
    double y{};
};

} // namespace sim
