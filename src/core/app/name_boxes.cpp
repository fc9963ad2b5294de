#include "app/name_boxes.h"

#include <algorithm>
#include <stdexcept>

#include "recording/log_format.h"
#include "safety/limit_fields.h"

namespace vrx {
namespace {

template <typename S>
auto& fieldOf(S& settings, int box) {
    if (box < 0 || box >= kNameBoxes) throw std::out_of_range("name box " + std::to_string(box));
    if (box < kFirstFlowBox) return settings.temp.TempName[static_cast<std::size_t>(box)];
    if (box >= kFirstFanBox) return settings.fan.FanName[static_cast<std::size_t>(box - kFirstFanBox)];
    const auto device = static_cast<std::size_t>((box - kFirstFlowBox) / 2);
    return (box - kFirstFlowBox) % 2 == 0 ? settings.pump.FlowName[device] : settings.pump.PumpName[device];
}

// Byte length of the first `limit` UTF-8 characters of `text`.
std::size_t utf8Prefix(std::string_view text, int limit) {
    std::size_t at = 0;
    for (int chars = 0; at < text.size() && chars < limit; ++chars) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return at;
}

} // namespace

std::string& nameField(Settings& settings, int box) { return fieldOf(settings, box); }
const std::string& nameField(const Settings& settings, int box) { return fieldOf(settings, box); }

std::string nameBoxPurpose(int box) {
    if (box < kFirstFlowBox) return "Name of temperature channel " + std::to_string(box + 1);
    if (box >= kFirstFanBox) return "Name of fan " + std::to_string(box - kFirstFanBox + 1);
    const std::string device = (box - kFirstFlowBox) % 2 == 0 ? "flow meter " : "pump ";
    return "Name of " + device + std::to_string((box - kFirstFlowBox) / 2 + 1);
}

int nameBoxLimit(int box) {
    const std::size_t width = box < kFirstFlowBox  ? kLogTempNameWidth
                              : box < kFirstFanBox ? kLogPumpFlowNameWidth
                                                   : kLogFanNameWidth;
    return static_cast<int>(width);
}

std::string storedName(int box, std::string_view typed) {
    std::string name = box < kFirstFlowBox ? trimmed(std::string(typed)) : std::string(typed);
    name.resize(utf8Prefix(name, nameBoxLimit(box)));
    return name;
}

std::vector<int> nameBoxOrder(int boardType) {
    if (boardType == 2) {
        std::vector<int> all(kNameBoxes);
        for (int i = 0; i < kNameBoxes; ++i) all[static_cast<std::size_t>(i)] = i;
        return all;
    }
    return {0, 1, 2, 3, 4, 10, 11, 14, 15, 16};
}

int nextNameBox(int box, int boardType) {
    const std::vector<int> order = nameBoxOrder(boardType);
    const auto it = std::find(order.begin(), order.end(), box);
    return it == order.end() || it + 1 == order.end() ? -1 : *(it + 1);
}

int previousNameBox(int box, int boardType) {
    const std::vector<int> order = nameBoxOrder(boardType);
    const auto it = std::find(order.begin(), order.end(), box);
    return it == order.end() || it == order.begin() ? -1 : *(it - 1);
}

} // namespace vrx
