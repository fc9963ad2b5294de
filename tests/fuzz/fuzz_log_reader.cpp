// Any bytes through the recording reader and everything the viewer and the CSV export compute
// from what it accepts: nothing may crash or overflow, and an accepted model keeps its promises.
#include <cstdlib>
#include <string_view>

#include "recording/log_chart.h"
#include "recording/log_csv.h"
#include "recording/log_reader.h"
#include "recording/log_view.h"

namespace {

using namespace vrx;

void check(bool condition) {
    if (!condition) std::abort();
}

void checkModel(const Recording& r, std::size_t size) {
    check(r.LogLineLimit >= 1 && r.LogLineLimit <= kLogMaxLines);
    check(r.loadedLines() >= 1 && r.loadedLines() <= r.LogLineLimit);
    check(r.LogTimes.size() == r.lines.size());
    check(size > kLogSettingsLineSize);
    for (const std::string& t : r.LogTimes)
        check(t.size() == 8);
    for (int p : {-1, 0, 1, r.loadedLines(), r.LogLineLimit, r.LogLineLimit + 1}) {
        mShowPoint(r, p, {'F', false});
        mShowPoint(r, p, {});
        pointText(r, p);
        cursorX(p, r.LogLineLimit);
    }
    for (const TempExtremes& e : mMaxMin(r))
        if (e.max) check(*e.min <= *e.max && temperatureFigure(*e.max, 'F').size() < 40);
    for (int c = 1; c <= kLogChannels; ++c)
        for (int line = 1; line <= r.loadedLines(); ++line)
            chartY(static_cast<LogChart>((c >= kFirstFanChannel) + (c >= kFirstPumpChannel) +
                                         (c >= kFirstFlowChannel)),
                   r.value(c, line));
    startText(r);
    endText(r);
    const std::string csv = recordingCsv(r);
    check(csv.size() >= 4 && csv.compare(csv.size() - 2, 2, "\r\n") == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LogParse p = parseRecording(bytes);
    check(p.recording.has_value() == p.reason.empty());
    if (p.recording) checkModel(*p.recording, size);
    return 0;
}
