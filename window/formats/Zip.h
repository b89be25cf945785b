#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A zip archive with its entries stored as they are, uncompressed: what an Office Open XML file
// is packed in, made without a compression library, so that the web page makes it too.
namespace window {

struct ZipEntry {
    std::string name; // its path in the archive, with forward slashes
    std::string data;
};

// The CRC-32 that zip archives check their entries by (the polynomial 0xEDB88320, reflected).
std::uint32_t crc32(std::string_view bytes);

// The archive's bytes: each entry with its local header, then the central directory. Every entry
// dated 1980-01-01, the first date an archive can hold, so that the same entries make the same
// bytes. Entries and the whole archive stay far below 4 GiB.
std::string storedZip(std::span<const ZipEntry> entries);

} // namespace window
