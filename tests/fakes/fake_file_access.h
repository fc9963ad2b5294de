#pragma once
// An in-memory disk: folders, files, and the faults a real one has (full, read-only folder).
#include <cerrno>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "iface/file_access.h"

namespace vrx::test {

class FakeFileAccess : public FileAccess {
public:
    std::set<std::string> folders;            // each ending in '/'
    std::set<std::string> readOnlyFolders;    // new files cannot be created there
    std::map<std::string, std::string> files;
    std::optional<std::size_t> spaceLeft;     // bytes the disk still takes; none = unlimited
    int appendCalls = 0;

    FakeFileAccess() { installFileAccess(this); }
    ~FakeFileAccess() override { installFileAccess(nullptr); }
    FakeFileAccess(const FakeFileAccess&) = delete;
    FakeFileAccess& operator=(const FakeFileAccess&) = delete;

    FileOutcome read(const std::string& path, std::size_t maxBytes, std::string& bytes) override {
        if (folders.count(path) || folders.count(path + "/")) return osError(EISDIR);
        const auto it = files.find(path);
        if (it == files.end()) return osError(ENOENT);
        bytes = it->second.substr(0, maxBytes);
        return {};
    }
    FileOutcome append(const std::string& path, std::string_view bytes) override {
        ++appendCalls;
        if (FileOutcome o = mayCreate(path); !o.ok()) return o;
        if (FileOutcome o = take(bytes.size()); !o.ok()) return o;
        files[path].append(bytes);
        return {};
    }
    FileOutcome write(const std::string& path, std::string_view bytes) override {
        if (FileOutcome o = mayCreate(path); !o.ok()) return o;
        if (FileOutcome o = take(bytes.size()); !o.ok()) return o;
        files[path] = std::string(bytes);
        return {};
    }
    FileOutcome checkWritable(const std::string& path) override {
        if (folders.count(path) || folders.count(path + "/")) return osError(EISDIR);
        return files.count(path) ? FileOutcome{} : osError(ENOENT);
    }

private:
    static std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('/') + 1); }

    FileOutcome mayCreate(const std::string& path) {
        if (folders.count(path) || folders.count(path + "/")) return osError(EISDIR);
        if (files.count(path)) return {};
        const std::string folder = folderOf(path);
        if (!folders.count(folder)) return osError(ENOENT);
        if (readOnlyFolders.count(folder)) return osError(EACCES);
        return {};
    }
    // A write that does not fit leaves the disk as it was.
    FileOutcome take(std::size_t size) {
        if (!spaceLeft) return {};
        if (size > *spaceLeft) return osError(ENOSPC);
        *spaceLeft -= size;
        return {};
    }
};

} // namespace vrx::test
