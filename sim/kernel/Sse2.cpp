// Two paths at a time, on any x86-64 processor: the library picks its best 128-bit sine.

#include "sim/kernel/Variants.h"

#include <sleef.h>

namespace {

struct Sse2 {
    using V = __m128d;
    static constexpr int width = 2;
    static V load(const double* p) { return _mm_loadu_pd(p); }
    static void store(double* p, V v) { _mm_storeu_pd(p, v); }
    static V set(double a) { return _mm_set1_pd(a); }
    static V indices() { return _mm_set_pd(1, 0); }
    static V add(V a, V b) { return _mm_add_pd(a, b); }
    static V mul(V a, V b) { return _mm_mul_pd(a, b); }
    static V sqrt(V a) { return _mm_sqrt_pd(a); }
    static void sincos(V a, V& sine, V& cosine)
    {
        const Sleef___m128d_2 both = Sleef_sincosd2_u35(a);
        sine = both.x;
        cosine = both.y;
    }
};

#include "sim/kernel/Lanes.h"

} // namespace

sim::kernel::Kernel sim::kernel::sse2()
{
    return {"SSE2", &lengthsOf<Sse2>, &sumOf<Sse2>, &arrowsOf<Sse2>};
}
