#include "sim/PathKernel.h"

#include "sim/kernel/Variants.h"

namespace sim::kernel {

std::vector<Kernel> available()
{
#if defined(__x86_64__)
    // The C runtime's check also asks the operating system whether it saves the wide registers.
    std::vector<Kernel> kernels;
    if (__builtin_cpu_supports("avx512f"))
        kernels.push_back(avx512());
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma"))
        kernels.push_back(avx2());
    kernels.push_back(sse2());
    return kernels;
#elif defined(__EMSCRIPTEN__)
    return {wasm128()};
#else
    return {portable()};
#endif
}

const Kernel& widest()
{
    static const Kernel chosen = available().front();
    return chosen;
}

} // namespace sim::kernel
