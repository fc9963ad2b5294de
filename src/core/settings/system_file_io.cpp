// Reading and atomically replacing the system file on disk.
#include "settings/system_file.h"

#include <filesystem>
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
// cannot be written to is not replaced behind the user's back, nor is anything but a regular file.
SaveOutcome checkTarget(const fs::path& target, fs::perms& mode) {
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) return fromCode(ec);
    if (!fs::exists(st)) {
        mode =
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
        return {};
    }
    mode = st.permissions();
    return fileAccess().checkWritable(target.string());
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

// Whatever else sits under the temp's name (a link, a FIFO) was never ours to remove.
void removeTemp(const fs::path& temp) {
    std::error_code ec;
    if (fs::is_regular_file(fs::symlink_status(temp, ec))) fs::remove(temp, ec);
}

} // namespace

void installFileSync(FileSync sync) {
    installedSync() = std::move(sync);
}

LoadOutcome gLoadBIN(const std::string& path, Settings& s) {
    // Only a prefix can ever be parsed, so a huge file pointed at by mistake is not read whole.
    std::string bytes;
    if (LoadOutcome o = fileAccess().read(path, kMaxFileBytes, bytes); !o.ok()) return o;
    return parseSettings({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, s);
}

SaveOutcome SaveSystemFile(const std::string& path, const Settings& s) {
    const fs::path target = resolveTarget(path);
    fs::perms mode{};
    if (SaveOutcome o = checkTarget(target, mode); !o.ok()) return o;

    // A fixed name beside the target: a temp left by a crash is simply reused by the next save.
    fs::path temp = target;
    temp += ".tmp";
    const std::vector<std::uint8_t> image = serializeSettings(s);
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    SaveOutcome o = fileAccess().write(temp.string(), bytes);
    if (o.ok()) o = replaceWith(temp, target, mode);
    if (!o.ok()) {
        removeTemp(temp);
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
