#pragma once

// The program's version, as the build's project gives it: the programs' --version, the browser
// page and the package all say this one.
namespace window {

extern const char* const version;

} // namespace window
