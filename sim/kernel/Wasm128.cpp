// Two paths at a time, in WebAssembly's 128-bit SIMD (compiled with -msimd128): the WebAssembly
// build's one kernel.

#include "sim/kernel/Variants.h"

#include <cmath>
#include <wasm_simd128.h>

namespace {

struct Wasm128 {
    using V = v128_t;
    static constexpr int width = 2;
    static V load(const double* p) { return wasm_v128_load(p); }
    static void store(double* p, V v) { wasm_v128_store(p, v); }
    static V set(double a) { return wasm_f64x2_splat(a); }
    static V indices() { return wasm_f64x2_make(0, 1); }
    static V add(V a, V b) { return wasm_f64x2_add(a, b); }
    static V sub(V a, V b) { return wasm_f64x2_sub(a, b); }
    static V mul(V a, V b) { return wasm_f64x2_mul(a, b); }
    static V sqrt(V a) { return wasm_f64x2_sqrt(a); }

    // c[0] z^(count-1) + ... + c[count-1], by Horner's rule.
    static V polynomial(V z, const double* c, int count)
    {
        V sum = set(c[0]);
        for (int k = 1; k < count; ++k)
            sum = add(set(c[k]), mul(z, sum));
        return sum;
    }

    // There is no vector sine here, so it is written out. A phase x is reduced by the nearest
    // multiple n of pi/2, with pi/2 split into parts whose products with n are exact while n
    // stays below 2^20: the remainder r, at most pi/4, is kept to about 118 bits as a sum of two
    // doubles. fdlibm's minimax polynomials give sin r and cos r within an ulp, and n modulo 4
    // swaps them and sets their signs. A run's phases reach some 60,000 radians; larger ones, and
    // any that are not finite, go to the C library one lane at a time.
    static void sincos(V x, V& sine, V& cosine)
    {
        const V limit = set(823549.6); // 2^19 pi/2
        if (!wasm_i8x16_all_true(wasm_f64x2_lt(wasm_f64x2_abs(x), limit))) {
            double lanes[2];
            double s[2];
            double c[2];
            store(lanes, x);
            for (int k = 0; k < 2; ++k) {
                s[k] = std::sin(lanes[k]);
                c[k] = std::cos(lanes[k]);
            }
            sine = load(s);
            cosine = load(c);
            return;
        }

        const V n = wasm_f64x2_nearest(mul(x, set(6.36619772367581382433e-01))); // 2 / pi
        // pi/2 = part1 + part2 + tail2; part1 and part2 have 33 significant bits each.
        const V part1 = set(1.57079632673412561417e+00);
        const V part2 = set(6.07710050630396597660e-11);
        const V tail2 = set(2.02226624879595063154e-21);
        const V t = sub(x, mul(n, part1)); // exact
        const V w = mul(n, part2);         // exact
        const V r = sub(t, w);
        const V error = sub(mul(n, tail2), sub(sub(t, r), w));
        const V high = sub(r, error);
        const V low = sub(sub(r, high), error);

        const V z = mul(high, high);
        const V half = set(0.5);

        // sin(high + low) = high + high^3 (S1 + z (S2 + ...)) + low (1 - z/2), to within an ulp.
        const V zCubed = mul(z, high);
        const double sinTail[] = {1.58969099521155010221e-10, -2.50507602534068634195e-08, 2.75573137070700676789e-06,
                                  -1.98412698298579493134e-04, 8.33333333332248946124e-03};
        const V s = sub(high, sub(sub(mul(z, sub(mul(half, low), mul(zCubed, polynomial(z, sinTail, 5)))), low),
                                  mul(zCubed, set(-1.66666666666666324348e-01))));

        // cos(high + low) = 1 - z/2 + z^2 (C1 + ...) - high low, the 1 - z/2 summed with its
        // rounding error.
        const double cosLow[] = {2.48015872894767294178e-05, -1.38888888888741095749e-03, 4.16666666666666019037e-02};
        const double cosHigh[] = {-1.13596475577881948265e-11, 2.08757232129817482790e-09, -2.75573143513906633035e-07};
        const V zSquared = mul(z, z);
        const V cosTail =
            add(mul(z, polynomial(z, cosLow, 3)), mul(mul(zSquared, zSquared), polynomial(z, cosHigh, 3)));
        const V halfZ = mul(half, z);
        const V one = set(1.0);
        const V oneLess = sub(one, halfZ);
        const V c = add(oneLess, add(sub(sub(one, oneLess), halfZ), sub(mul(z, cosTail), mul(high, low))));

        // n as a whole number in the low bits: adding 1.5 x 2^52 leaves its two's complement there.
        const V quadrant = add(n, set(6755399441055744.0));
        const V oneBit = wasm_i64x2_splat(1);
        const V twoBit = wasm_i64x2_splat(2);
        // Odd n swaps sine and cosine; bit 1 of n, and of n + 1, flips the sign of sine and cosine.
        const V swap = wasm_i64x2_shr(wasm_i64x2_shl(quadrant, 63), 63);
        const V sineSign = wasm_i64x2_shl(wasm_v128_and(quadrant, twoBit), 62);
        const V cosineSign = wasm_i64x2_shl(wasm_v128_and(wasm_i64x2_add(quadrant, oneBit), twoBit), 62);
        sine = wasm_v128_xor(wasm_v128_bitselect(c, s, swap), sineSign);
        cosine = wasm_v128_xor(wasm_v128_bitselect(s, c, swap), cosineSign);
    }
};

#include "sim/kernel/Lanes.h"

} // namespace

sim::kernel::Kernel sim::kernel::wasm128()
{
    return {"WebAssembly SIMD", &lengthsOf<Wasm128>, &sumOf<Wasm128>, &arrowsOf<Wasm128>};
}
