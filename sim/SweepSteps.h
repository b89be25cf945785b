#pragma once

#include "sim/Scene.h"

namespace sim {

inline constexpr int stepV = 15;                                // Detector V moves down this far each step
inline constexpr int stepHS = 10;                               // Detectors H and S move right this far each step
inline constexpr int spiralEveryV = 100;                        // V's chain is drawn where ySweep is a multiple of this
inline constexpr int spiralEveryS = 250;                        // and S's where it is a multiple of this
inline constexpr int darkS = 1000;                              // above this ySweep, S's arrows have no length
inline constexpr int sweepSteps = (yBottom - yTop) / stepV + 1; // 467: ySweep 500 to 7490

// Where the detectors stand at one step, and which chains it draws.
struct SweepStep {
    int ySweep{};  // Detector V's y
    int xOffset{}; // Detectors H and S stand at xLeft + xOffset
    bool drawV{};
    bool drawS{};
};

inline SweepStep sweepStep(int k)
{
    const int ySweep = yTop + k * stepV;
    return {ySweep, k * stepHS, ySweep % spiralEveryV == 0, ySweep % spiralEveryS == 0};
}

} // namespace sim
