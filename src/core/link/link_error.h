#pragma once
// A failure inside the link with the number and text that go to the error log.
#include <stdexcept>
#include <string>

namespace vrx {

// Error numbers written to the error log by the link.
inline constexpr int kErrInvalidValue = 5; // a value the controller cannot take
inline constexpr int kErrOverflow = 6;     // a control value outside 0..255
inline constexpr int kErrPortIo = 57;      // the serial line failed
inline constexpr int kErrPermission = 70;  // a port this user may not open

class LinkError : public std::runtime_error {
public:
    LinkError(int number, const std::string& description)
        : std::runtime_error(description), m_number(number) {}
    int number() const { return m_number; }

private:
    int m_number;
};

} // namespace vrx
