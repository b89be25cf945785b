#include "web/Arguments.h"

#include <cstring>

namespace web {

Arguments::Arguments(const unsigned char* bytes, std::size_t length)
{
    std::size_t at = 0;
    while (at < length) {
        const unsigned char tag = bytes[at++];
        if (tag == 'n' && length - at >= sizeof(double)) {
            double value{};
            std::memcpy(&value, bytes + at, sizeof value);
            words_.emplace_back(value);
            at += sizeof value;
        } else if (tag == 't' && length - at >= 4) {
            const std::size_t size = std::size_t(bytes[at]) | std::size_t(bytes[at + 1]) << 8 |
                                     std::size_t(bytes[at + 2]) << 16 | std::size_t(bytes[at + 3]) << 24;
            at += 4;
            if (size > length - at)
                return;
            words_.emplace_back(std::string(reinterpret_cast<const char*>(bytes + at), size));
            at += size;
        } else {
            return;
        }
    }
}

Arguments Arguments::rest() const
{
    Arguments rest;
    if (!words_.empty())
        rest.words_.assign(words_.begin() + 1, words_.end());
    return rest;
}

const std::string& Arguments::text(std::size_t k) const
{
    static const std::string none;
    const auto* word = k < words_.size() ? std::get_if<std::string>(&words_[k]) : nullptr;
    return word ? *word : none;
}

double Arguments::number(std::size_t k) const
{
    const auto* word = k < words_.size() ? std::get_if<double>(&words_[k]) : nullptr;
    return word ? *word : 0;
}

} // namespace web
