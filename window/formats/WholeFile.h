#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace window {

// Writes what the window hands out (a picture, the readings) whole or not at all: into a new
// file beside the target first, flushed to the disk, then renamed over the target, with the
// target's mode. A full disk or a failing device never leaves a truncated file behind, nor harms
// the file that was there; a file nobody may write is not replaced. What is not a regular file (a
// FIFO, a device, standard output) is written into as it is, and stays what it is. Returns why
// the file could not be written, or nothing when it was.
std::optional<std::string> writeWhole(const std::string& file, std::string_view contents);

} // namespace window
