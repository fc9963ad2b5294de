// Only the dry-run backend is ever run here; the logind backend is never constructed in a test.
#include <gtest/gtest.h>

#include "platform/dry_run_power_off.h"
#include "platform/logind_power_off.h"

namespace vrx {
namespace {

TEST(DryRunPowerOff, SaysWhatItWouldDoOnStandardErrorAndSucceeds) {
    DryRunPowerOff dryRun;
    std::string reason = "left over";
    testing::internal::CaptureStderr();
    const bool accepted = dryRun.requestPowerOff(reason);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(accepted);
    EXPECT_EQ(err, "vrx: power-off requested (dry run)\n");
    EXPECT_EQ(reason, "");
}

TEST(LogindPowerOff, OnlyYesAndChallengeGoOnToThePowerOff) {
    const std::pair<const char*, bool> answers[] = {{"yes", true}, {"challenge", true}, {"no", false},
                                                    {"na", false}, {"", false},         {"Yes", false}};
    for (const auto& [answer, goOn] : answers)
        EXPECT_EQ(canPowerOffAllows(QString::fromLatin1(answer)), goOn) << answer;
}

} // namespace
} // namespace vrx
