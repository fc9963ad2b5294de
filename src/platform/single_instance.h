#pragma once
#include <string>

namespace vrx {

// Holds an exclusive lock on a file in the data folder for the life of the process, so that a
// second start on the same folder can tell that the first one runs.
class SingleInstance {
public:
    explicit SingleInstance(const std::string& lockPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    // False when another process holds the lock.
    bool acquired() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace vrx
