#pragma once
// Every file the program reads or writes goes through here. Only regular files are opened: a FIFO
// or device under the name of a settings or log file would otherwise block the program in open()
// or read() for good, before the event loop could ever run.
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace vrx {

// Result of a file operation: number 0 means success. Otherwise number is an OS error number (or
// a code of the file's own format, see system_file.h) and description is the text the caller logs
// or shows.
struct FileOutcome {
    int number = 0;
    std::string description;
    bool ok() const { return number == 0; }
};

inline FileOutcome osError(int err) {
    if (err == 0) err = EIO; // a failed call that left no reason behind
    return {err, std::strerror(err)};
}

// What an operation reports for a path that exists but is not a regular file.
inline FileOutcome notRegularFile(bool isDirectory) {
    if (isDirectory) return osError(EISDIR);
    return {EINVAL, "Not a regular file"};
}

class FileAccess {
public:
    virtual ~FileAccess() = default;
    // Up to maxBytes from the start of the regular file at path (a link is followed).
    virtual FileOutcome read(const std::string& path, std::size_t maxBytes, std::string& bytes) = 0;
    // Appends bytes to the regular file at path (a link is followed), creating it when missing.
    virtual FileOutcome append(const std::string& path, std::string_view bytes) = 0;
    // Creates or truncates the file at path and writes bytes. A link there is not followed but
    // refused, so a file meant to be renamed into place never writes through to another one.
    virtual FileOutcome write(const std::string& path, std::string_view bytes) = 0;
    // Checks, without changing anything, that path (a link is followed) is an existing regular file
    // this process may read and write.
    virtual FileOutcome checkWritable(const std::string& path) = 0;
};

// The service in use: the one installed, else the standard library's, which can only check a
// file's type before it opens it and so leaves a short window for a FIFO to appear. The program
// installs the platform's at start; nullptr goes back to the standard library's.
FileAccess& fileAccess();
void installFileAccess(FileAccess* access);
FileAccess& standardFileAccess();

} // namespace vrx
