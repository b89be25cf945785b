#pragma once

#include "sim/RunSettings.h"

#include <optional>
#include <string>

namespace web {

// The settings a press of Start reads after the window's options were chosen: the substance
// ("Voda" or "Sklo"), the angle ("35", "Mezní" or "60") and Detector H's distance ("100", "750"
// or "1500"), at the fastest pace. None when a word is not one of the options'.
std::optional<sim::RunSettings> chosenSettings(const std::string& substance, const std::string& alfaCaption,
                                               const std::string& distance);

} // namespace web
