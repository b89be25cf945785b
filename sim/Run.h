#pragma once

#include "RunSettings.h"
#include "Surface.h"

namespace sim {

// One press of Start: the scene, the incidence case, then the sweep, drawn onto `surface`.
void run(const RunSettings& settings, surface::Surface& surface);

} // namespace sim
