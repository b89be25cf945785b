#pragma once

#include "sim/Plotter.h"
#include "sim/RunSettings.h"

namespace sim {

// Paints the scene over whatever an earlier run left: air and medium, the boundary, the
// tracks and spiral base lines, the normal, the incident beam and its reflected edge rays.
// Returns sinRay, refIndex x sin(a): the sine of the refraction angle by Snell's law.
// Leaves the pen width at 2.
double drawScene(const RunSettings& settings, Plotter& plot);

} // namespace sim
