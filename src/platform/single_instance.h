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
    bool acquired() const { return m_fd >= 0; }
    // Another process holds the lock: the one way of not acquiring it that is no error.
    bool heldElsewhere() const { return m_heldElsewhere; }
    // Why the lock could not be taken otherwise; "" when acquired or held elsewhere.
    const std::string& error() const { return m_error; }

private:
    int m_fd = -1;
    bool m_heldElsewhere = false;
    std::string m_error;
};

} // namespace vrx
