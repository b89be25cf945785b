// One path at a time, with the C library's functions, where no vector kernel is built.

#include "sim/kernel/Variants.h"

#include <cmath>

namespace {

struct Portable {
    using V = double;
    static constexpr int width = 1;
    static V load(const double* p) { return *p; }
    static void store(double* p, V v) { *p = v; }
    static V set(double a) { return a; }
    static V indices() { return 0; }
    static V add(V a, V b) { return a + b; }
    static V mul(V a, V b) { return a * b; }
    static V sqrt(V a) { return std::sqrt(a); }
    static void sincos(V a, V& sine, V& cosine)
    {
        sine = std::sin(a);
        cosine = std::cos(a);
    }
};

#include "sim/kernel/Lanes.h"

} // namespace

sim::kernel::Kernel sim::kernel::portable()
{
    return {"portable", &lengthsOf<Portable>, &sumOf<Portable>, &arrowsOf<Portable>};
}
