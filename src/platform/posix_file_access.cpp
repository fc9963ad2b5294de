#include "posix_file_access.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrx {
namespace {

// Opens path only when it is a regular file; -1 and the reason otherwise. With O_CREAT a missing
// file is created; with O_NOFOLLOW a link is refused like any other non-regular file.
int openRegular(const std::string& path, int flags, FileOutcome& failure) {
    struct stat st {};
    const int rc = (flags & O_NOFOLLOW) ? ::lstat(path.c_str(), &st) : ::stat(path.c_str(), &st);
    if (rc != 0 && !(errno == ENOENT && (flags & O_CREAT))) {
        failure = osError(errno);
        return -1;
    }
    if (rc == 0 && !S_ISREG(st.st_mode)) {
        failure = notRegularFile(S_ISDIR(st.st_mode));
        return -1;
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        failure = osError(errno);
        return -1;
    }
    const int statErr = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (statErr != 0 || !S_ISREG(st.st_mode)) {
        failure = statErr != 0 ? osError(statErr) : notRegularFile(S_ISDIR(st.st_mode));
        ::close(fd);
        return -1;
    }
    // Plain blocking I/O from here on; O_NONBLOCK was only there to get past open().
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

FileOutcome writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return osError(n < 0 ? errno : EIO);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

// Closes fd; a failed close reports a late write error (on network folders) unless one came first.
FileOutcome finish(int fd, FileOutcome outcome) {
    if (::close(fd) != 0 && outcome.ok() && errno != EINTR) return osError(errno);
    return outcome;
}

FileOutcome writeTo(const std::string& path, int flags, std::string_view bytes) {
    FileOutcome failure;
    const int fd = openRegular(path, flags, failure);
    if (fd < 0) return failure;
    return finish(fd, writeAll(fd, bytes));
}

} // namespace

FileOutcome PosixFileAccess::read(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    FileOutcome failure;
    const int fd = openRegular(path, O_RDONLY, failure);
    if (fd < 0) return failure;
    bytes.clear();
    char chunk[65536];
    while (bytes.size() < maxBytes) {
        const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, maxBytes - bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return finish(fd, osError(errno));
        if (n == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return finish(fd, {});
}

FileOutcome PosixFileAccess::append(const std::string& path, std::string_view bytes) {
    return writeTo(path, O_WRONLY | O_APPEND | O_CREAT, bytes);
}

FileOutcome PosixFileAccess::write(const std::string& path, std::string_view bytes) {
    return writeTo(path, O_WRONLY | O_TRUNC | O_CREAT | O_NOFOLLOW, bytes);
}

FileOutcome PosixFileAccess::checkWritable(const std::string& path) {
    FileOutcome failure;
    const int fd = openRegular(path, O_RDWR, failure);
    if (fd < 0) return failure;
    return finish(fd, {});
}

} // namespace vrx
