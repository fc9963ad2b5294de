// Random bytes as a system file: the parser must stay in bounds, and whatever loads in full must
// write back as exactly the bytes it came from (the tail after the records aside).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "settings/system_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vrx::Settings s;
    vrx::SetDefaults(s, "/vrx/");
    const vrx::LoadOutcome outcome = vrx::parseSettings(std::span<const std::uint8_t>(data, size), s);
    const std::vector<std::uint8_t> again = vrx::serializeSettings(s);
    if (outcome.ok()) {
        if (again.size() > size) std::abort();
        for (std::size_t i = 0; i < again.size(); ++i)
            if (again[i] != data[i]) std::abort();
    } else if (outcome.number != vrx::kInputPastEnd) {
        std::abort();
    }
    return 0;
}
