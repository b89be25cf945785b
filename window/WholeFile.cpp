#include "window/WholeFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace window {
namespace {

// A file of its own beside the target, readable as the target would be (the user's umask
// applies), never one that is there already.
int createBeside(const std::string& file, std::string& partial)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        partial = file + ".partial-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        contents.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

std::optional<std::string> writeWhole(const std::string& name, std::string_view contents)
{
    // A link is followed: the file it names is the one replaced, and the link stays.
    char resolved[PATH_MAX];
    const std::string file = ::realpath(name.c_str(), resolved) ? std::string(resolved) : name;
    std::string partial;
    const int fd = createBeside(file, partial);
    if (fd < 0)
        return std::strerror(errno);
    // Every byte must reach the disk before the file takes the target's place: a write the disk
    // has no room for fails here, not later.
    const bool written = writeAll(fd, contents) && ::fsync(fd) == 0;
    const int problem = errno;
    if (::close(fd) != 0 || !written) {
        const int why = written ? errno : problem;
        ::unlink(partial.c_str());
        return std::strerror(why);
    }
    if (std::rename(partial.c_str(), file.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        ::unlink(partial.c_str());
        return why;
    }
    return std::nullopt;
}

} // namespace window
