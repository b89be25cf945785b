#pragma once

#include "sim/RunSettings.h"
#include "window/form/Choices.h"

#include <cstdlib>

namespace reference {

// What a press of Start reads right after the program opens: water, 35 degrees, Detector H at
// 750 twips, the fastest pace. The run the tests' worked values and the benchmark are about.
inline sim::RunSettings startupSettings()
{
    sim::RunSettings s = window::caseNamed("35", "Voda", "750");
    s.refIndex = 1.33;
    s.alphaDeg = 35;
    s.distanceH = 750;
    s.slowdown = 1;
    return s;
}

// Another run at the fastest pace: the cells' words for the case, and the numbers.
inline sim::RunSettings fastSettings(const char* angle, const char* substance, const char* distance, double index,
                                     double alpha)
{
    sim::RunSettings s = window::caseNamed(angle, substance, distance);
    s.refIndex = index;
    s.alphaDeg = alpha;
    s.distanceH = std::atof(distance);
    s.slowdown = 1;
    return s;
}

} // namespace reference
