#pragma once

#include <string>

namespace sim {

// The window's settings as one run reads them: the case choices as the cells' texts,
// the rest as the numbers the cells hold.
struct RunSettings {
    std::string alfaCaption;  // which angle was chosen: "Mezní", "35" or "60"
    std::string substance;    // "Voda" or "Sklo"
    std::string distanceText; // "100", "750" or "1500"
    double refIndex{};        // n of the medium
    double alphaDeg{};        // incident angle, degrees from the normal
    double distanceH{};       // Detector H's height above the boundary
    double slowdown{};        // countdown at the end of each step
    int steps{467};           // the whole sweep; only tests run fewer
};

} // namespace sim
