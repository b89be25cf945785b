// Four paths at a time, for processors with AVX2 and FMA. Compiled with -mavx2 -mfma.

#include "sim/kernel/Variants.h"

#include <sleef.h>

namespace {

struct Avx2 {
    using V = __m256d;
    static constexpr int width = 4;
    static V load(const double* p) { return _mm256_loadu_pd(p); }
    static void store(double* p, V v) { _mm256_storeu_pd(p, v); }
    static V set(double a) { return _mm256_set1_pd(a); }
    static V indices() { return _mm256_set_pd(3, 2, 1, 0); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V sqrt(V a) { return _mm256_sqrt_pd(a); }
    static void sincos(V a, V& sine, V& cosine)
    {
        const Sleef___m256d_2 both = Sleef_sincosd4_u35avx2(a);
        sine = both.x;
        cosine = both.y;
    }
};

#include "sim/kernel/Lanes.h"

} // namespace

sim::kernel::Kernel sim::kernel::avx2()
{
    return {"AVX2", &lengthsOf<Avx2>, &sumOf<Avx2>, &arrowsOf<Avx2>};
}
