#include "iface/file_access.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vrx {
namespace fs = std::filesystem;
namespace {

// A stream cannot open without waiting on a FIFO, so the type is looked at before it opens.
FileOutcome checkType(const std::string& path, bool followLinks, bool mayBeMissing) {
    std::error_code ec;
    const fs::file_status st = followLinks ? fs::status(path, ec) : fs::symlink_status(path, ec);
    if (st.type() == fs::file_type::not_found && mayBeMissing) return {};
    if (ec) return {ec.value(), ec.message()};
    if (st.type() != fs::file_type::regular) return notRegularFile(st.type() == fs::file_type::directory);
    return {};
}

// Streams do not always leave errno behind; osError turns a missing one into EIO.
FileOutcome writeStream(std::ofstream& out, std::string_view bytes) {
    if (!out.is_open()) return osError(errno);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const int writeErr = errno;
    const bool writeFailed = !out;
    out.close();
    if (writeFailed) return osError(writeErr);
    if (out.fail()) return osError(errno); // close flushes the last buffer; a full disk shows here
    return {};
}

class StandardFileAccess final : public FileAccess {
public:
    FileOutcome read(const std::string& path, std::size_t maxBytes, std::string& bytes) override {
        if (FileOutcome o = checkType(path, true, false); !o.ok()) return o;
        errno = 0;
        std::ifstream in(path, std::ios::binary);
        if (!in.is_open()) return osError(errno);
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(path, ec);
        bytes.resize(ec ? maxBytes : static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (in.bad()) return osError(errno);
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return {};
    }

    FileOutcome append(const std::string& path, std::string_view bytes) override {
        if (FileOutcome o = checkType(path, true, true); !o.ok()) return o;
        errno = 0;
        std::ofstream out(path, std::ios::binary | std::ios::app);
        return writeStream(out, bytes);
    }

    FileOutcome write(const std::string& path, std::string_view bytes) override {
        if (FileOutcome o = checkType(path, false, true); !o.ok()) return o;
        errno = 0;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        return writeStream(out, bytes);
    }

    FileOutcome checkWritable(const std::string& path) override {
        if (FileOutcome o = checkType(path, true, false); !o.ok()) return o;
        errno = 0;
        std::fstream probe(path, std::ios::in | std::ios::out | std::ios::binary); // opens, changes nothing
        if (!probe.is_open()) return osError(errno);
        return {};
    }
};

FileAccess*& installed() {
    static FileAccess* access = nullptr;
    return access;
}

} // namespace

FileAccess& standardFileAccess() {
    static StandardFileAccess access;
    return access;
}

FileAccess& fileAccess() {
    return installed() ? *installed() : standardFileAccess();
}

void installFileAccess(FileAccess* access) {
    installed() = access;
}

} // namespace vrx
