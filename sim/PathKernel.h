#pragma once

#include "sim/kernel/Kernel.h"

#include <vector>

namespace sim::kernel {

// Every kernel this processor can run, the widest vectors first.
std::vector<Kernel> available();

// The widest of them, chosen once.
const Kernel& widest();

} // namespace sim::kernel
