#include "web/Choices.h"

namespace web {

std::optional<sim::RunSettings> chosenSettings(const std::string& substance, const std::string& alfaCaption,
                                               const std::string& distance)
{
    sim::RunSettings s;
    s.substance = substance;
    s.alfaCaption = alfaCaption;
    s.distanceText = distance;
    s.slowdown = 1;
    // The window's table: the index and the critical angle as the cells show them, not asin(1/n).
    double critical = 0;
    if (substance == "Voda") {
        s.refIndex = 1.33;
        critical = 48.783;
    } else if (substance == "Sklo") {
        s.refIndex = 1.5;
        critical = 41.839;
    } else {
        return std::nullopt;
    }
    if (alfaCaption == "35")
        s.alphaDeg = 35;
    else if (alfaCaption == "Mezní")
        s.alphaDeg = critical;
    else if (alfaCaption == "60")
        s.alphaDeg = 60;
    else
        return std::nullopt;
    if (distance == "100" || distance == "750" || distance == "1500")
        s.distanceH = std::stod(distance);
    else
        return std::nullopt;
    return s;
}

} // namespace web
