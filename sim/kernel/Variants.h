#pragma once

#include "sim/kernel/Kernel.h"

// The kernels, each built for its own instruction set (see Lanes.h).
namespace sim::kernel {

#if defined(__x86_64__)
Kernel avx512();
Kernel avx2();
Kernel sse2();
#elif defined(__EMSCRIPTEN__)
Kernel wasm128();
#else
Kernel portable();
#endif

} // namespace sim::kernel
