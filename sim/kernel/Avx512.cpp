// Eight paths at a time, for processors with AVX-512. Compiled with -mavx512f.

#include "sim/kernel/Variants.h"

#include <sleef.h>

namespace {

struct Avx512 {
    using V = __m512d;
    static constexpr int width = 8;
    static V load(const double* p) { return _mm512_loadu_pd(p); }
    static void store(double* p, V v) { _mm512_storeu_pd(p, v); }
    static V set(double a) { return _mm512_set1_pd(a); }
    static V indices() { return _mm512_set_pd(7, 6, 5, 4, 3, 2, 1, 0); }
    static V add(V a, V b) { return _mm512_add_pd(a, b); }
    static V mul(V a, V b) { return _mm512_mul_pd(a, b); }
    // All eight lanes; the plain form draws a false "uninitialised" warning from GCC 12.
    static V sqrt(V a) { return _mm512_maskz_sqrt_pd(0xFF, a); }
    static void sincos(V a, V& sine, V& cosine)
    {
        const Sleef___m512d_2 both = Sleef_sincosd8_u35avx512f(a);
        sine = both.x;
        cosine = both.y;
    }
};

#include "sim/kernel/Lanes.h"

} // namespace

sim::kernel::Kernel sim::kernel::avx512()
{
    return {"AVX-512", &lengthsOf<Avx512>, &sumOf<Avx512>, &arrowsOf<Avx512>};
}
