// Reading and atomically replacing the system file on disk.
#include "settings/system_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vrx {
namespace fs = std::filesystem;
namespace {

// More than the five records can take: 61 strings of at most 65,535 bytes plus the numbers.
constexpr std::size_t kMaxFileBytes = 8u << 20;

FileSync& installedSync() {
    static FileSync sync;
    return sync;
}

// errno right after a failed stream operation; streams do not always leave one behind.
SaveOutcome fromErrno(int err) {
    if (err == 0) err = EIO;
    return {err, std::strerror(err)};
}

SaveOutcome fromCode(const std::error_code& ec) {
    return {ec.value() != 0 ? ec.value() : EIO, ec.message()};
}

// The file the save replaces: through a symbolic link to its target, so the link itself survives.
fs::path resolveTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        fs::path target = fs::canonical(path, ec);
        if (!ec) return target;
    }
    return path;
}

// Mode for the new file: that of the file being replaced, else rw-r--r--. A file that exists but
// cannot be written to is not replaced behind the user's back.
SaveOutcome checkTarget(const fs::path& target, fs::perms& mode) {
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) return fromCode(ec);
    if (!fs::exists(st)) {
        mode =
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
        return {};
    }
    if (fs::is_directory(st)) return fromErrno(EISDIR);
    mode = st.permissions();
    errno = 0;
    std::fstream probe(target, std::ios::in | std::ios::out | std::ios::binary); // opens, changes nothing
    if (!probe.is_open()) return fromErrno(errno);
    return {};
}

SaveOutcome writeFile(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return fromErrno(errno);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const int writeErr = errno;
    const bool writeFailed = !out;
    out.close();
    if (writeFailed) return fromErrno(writeErr);
    if (out.fail()) return fromErrno(errno); // close flushes the last buffer; a full disk shows here
    return {};
}

SaveOutcome replaceWith(const fs::path& temp, const fs::path& target, fs::perms mode) {
    std::error_code ec;
    fs::permissions(temp, mode, fs::perm_options::replace, ec);
    if (ec) return fromCode(ec);
    if (const FileSync& sync = installedSync()) {
        if (std::string err = sync(temp.string()); !err.empty()) return {EIO, err};
    }
    fs::rename(temp, target, ec);
    if (ec) return fromCode(ec);
    return {};
}

} // namespace

void installFileSync(FileSync sync) {
    installedSync() = std::move(sync);
}

LoadOutcome gLoadBIN(const std::string& path, Settings& s) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return fromErrno(errno);
    std::error_code ec;
    if (fs::is_directory(path, ec)) return fromErrno(EISDIR);
    // Only a prefix can ever be parsed, so a huge file pointed at by mistake is not read whole.
    const std::uintmax_t size = fs::file_size(path, ec);
    std::vector<std::uint8_t> bytes(ec ? kMaxFileBytes : std::min<std::uintmax_t>(size, kMaxFileBytes));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return fromErrno(errno);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parseSettings(bytes, s);
}

SaveOutcome SaveSystemFile(const std::string& path, const Settings& s) {
    const fs::path target = resolveTarget(path);
    fs::perms mode{};
    if (SaveOutcome o = checkTarget(target, mode); !o.ok()) return o;

    // A fixed name beside the target: a temp left by a crash is simply reused by the next save.
    fs::path temp = target;
    temp += ".tmp";
    SaveOutcome o = writeFile(temp, serializeSettings(s));
    if (o.ok()) o = replaceWith(temp, target, mode);
    if (!o.ok()) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return o;
    }
    // The rename is done; syncing the folder only makes it survive a power cut sooner.
    if (const FileSync& sync = installedSync()) {
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        sync(folder.string());
    }
    return {};
}

} // namespace vrx
