#include "app/FittedStyle.h"

#include <algorithm>
#include <cmath>

int FittedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int own = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
        return std::max(1, int(std::lround(own * scale_)));
    default:
        return own;
    }
}
