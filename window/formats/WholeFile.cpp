#include "window/formats/WholeFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#endif

#ifdef __EMSCRIPTEN__
// Node's file system, as a WebAssembly program sees it, writes at a place in each file it opens,
// which a FIFO or a device does not have.
EM_JS(void, unseekable, (int fd), { FS.streams[fd].seekable = false; });
#endif

namespace window {
namespace {

// A file of its own in the target's folder, under a short name of its own, so that any name the
// system allows the target can be written; never one that is there already. It starts private
// and takes the target's mode before it takes the target's place.
int createBeside(const std::string& file, std::string& partial)
{
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        partial = folder + ".partial-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
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

// What is not a regular file (a FIFO, a device, standard output) is written into as it is: it
// cannot be replaced, and must stay what it is.
std::optional<std::string> writeInto(const std::string& file, std::string_view contents, bool regular)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | (regular ? O_APPEND : 0));
    if (fd < 0)
        return std::strerror(errno);
#ifdef __EMSCRIPTEN__
    if (!regular)
        unseekable(fd);
#endif
    const bool written = writeAll(fd, contents);
    const int problem = errno;
    if (::close(fd) != 0 && written)
        return std::strerror(errno);
    if (!written)
        return std::strerror(problem);
    return std::nullopt;
}

// The user's umask, which a new file's mode follows as it would had it been created in place.
mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A file the user may not write, or one whose mode lets nobody write it, is not replaced.
bool readOnly(const std::string& file, const struct stat& status)
{
    return ::access(file.c_str(), W_OK) != 0 || (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The file a name stands for: a link is followed, even to a file not yet there, so that the file
// it names is the one written and the link stays.
std::string followed(std::string name)
{
    for (int hop = 0; hop < 40; ++hop) {
        char resolved[PATH_MAX];
        if (::realpath(name.c_str(), resolved))
            return resolved;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(name.c_str(), target, sizeof target - 1);
        if (length <= 0)
            return name;
        const std::string to(target, std::size_t(length));
        const std::size_t slash = name.rfind('/');
        name = to.front() == '/' || slash == std::string::npos ? to : name.substr(0, slash + 1) + to;
    }
    return name;
}

} // namespace

std::optional<std::string> writeWhole(const std::string& name, std::string_view contents)
{
    const std::string file = followed(name);
    struct stat status {};
    const bool exists = ::stat(file.c_str(), &status) == 0;
    // Standard output and the like name an open file of the process: written into, never replaced.
    const bool ofTheSystem = name.rfind("/dev/", 0) == 0 || name.rfind("/proc/", 0) == 0;
    if (exists && (!S_ISREG(status.st_mode) || ofTheSystem))
        return writeInto(file, contents, S_ISREG(status.st_mode));
    if (exists && readOnly(file, status))
        return std::strerror(EACCES);
    std::string partial;
    const int fd = createBeside(file, partial);
    if (fd < 0)
        return std::strerror(errno);
    // The file keeps who may read and write it: a private file stays private.
    const bool moded = ::fchmod(fd, exists ? status.st_mode & 07777 : 0666 & ~currentUmask()) == 0;
    if (exists && ::geteuid() == 0)
        (void)!::fchown(fd, status.st_uid, status.st_gid);
    // Every byte must reach the disk before the file takes the target's place: a write the disk
    // has no room for fails here, not later.
    const bool written = moded && writeAll(fd, contents) && ::fsync(fd) == 0;
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
