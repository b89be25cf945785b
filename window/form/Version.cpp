#include "window/form/Version.h"

namespace window {

const char* const version = TR_VERSION;

} // namespace window
