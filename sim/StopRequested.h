#pragma once

#include <functional>

namespace sim {

// Asked by a run before each step of its sweep: true ends the run there. A window that is
// closing asks its run to stop rather than wait for the rest of the sweep.
using StopRequested = std::function<bool()>;

} // namespace sim
