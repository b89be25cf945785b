#include "window/formats/Zip.h"

#include <array>
#include <cassert>
#include <limits>

namespace window {
namespace {

constexpr std::array<std::uint32_t, 256> crcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < table.size(); ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}();

constexpr std::uint32_t localHeader = 0x04034b50;
constexpr std::uint32_t centralHeader = 0x02014b50;
constexpr std::uint32_t endOfDirectory = 0x06054b50;
// Version 2.0 of the format: what an archive of stored entries needs and is made by.
constexpr std::uint16_t version = 20;
constexpr std::uint16_t stored = 0;
// 1980-01-01 00:00 in the format's date (years since 1980, month, day) and time.
constexpr std::uint16_t firstDate = (1 << 5) | 1;
constexpr std::uint16_t midnight = 0;

void put16(std::string& out, std::uint16_t value)
{
    out += char(value & 0xFF);
    out += char(value >> 8);
}

void put32(std::string& out, std::uint32_t value)
{
    put16(out, std::uint16_t(value & 0xFFFF));
    put16(out, std::uint16_t(value >> 16));
}

std::uint32_t size32(std::size_t size)
{
    assert(size < std::numeric_limits<std::uint32_t>::max());
    return std::uint32_t(size);
}

// What the local header and the central directory both say of an entry, from its version needed
// to its name's length; neither has extra fields.
void putCommon(std::string& out, const ZipEntry& entry)
{
    put16(out, version);
    put16(out, 0); // no flags: no encryption, sizes known before the data
    put16(out, stored);
    put16(out, midnight);
    put16(out, firstDate);
    put32(out, crc32(entry.data));
    put32(out, size32(entry.data.size())); // compressed
    put32(out, size32(entry.data.size())); // uncompressed
    put16(out, std::uint16_t(entry.name.size()));
    put16(out, 0); // extra field
}

} // namespace

std::uint32_t crc32(std::string_view bytes)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = crcTable[(c ^ std::uint8_t(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string storedZip(std::span<const ZipEntry> entries)
{
    assert(entries.size() <= std::numeric_limits<std::uint16_t>::max());
    std::string out;
    std::string directory;
    for (const ZipEntry& entry : entries) {
        assert(entry.name.size() <= std::numeric_limits<std::uint16_t>::max());
        const std::uint32_t offset = size32(out.size());
        put32(out, localHeader);
        putCommon(out, entry);
        out += entry.name;
        out += entry.data;

        put32(directory, centralHeader);
        put16(directory, version); // made by
        putCommon(directory, entry);
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += entry.name;
    }
    const std::uint32_t directoryOffset = size32(out.size());
    out += directory;
    put32(out, endOfDirectory);
    put16(out, 0); // this disk
    put16(out, 0); // the directory's disk
    put16(out, std::uint16_t(entries.size()));
    put16(out, std::uint16_t(entries.size()));
    put32(out, size32(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0); // comment
    return out;
}

} // namespace window
