// The pump chart's picture file and the curve colour swatches.
#include "pumptest/pump_test_capture.h"

#include <gtest/gtest.h>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "fakes/fake_pump_test_host.h"

namespace vrx {
namespace {

using test::FakeDialogs;
using test::FakeFileAccess;
using test::FakePumpTestHost;

TEST(PictureFileName, KeepsTheConfirmedNameAndAddsBmpOnlyWithoutAnExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/chart.bmp", "/home/u/chart.bmp"},
        {"/home/u/chart.BMP", "/home/u/chart.BMP"},
        {"/home/u/chart", "/home/u/chart.bmp"},
        {"/home/u/chart.png", "/home/u/chart.png"}, // the confirmed file, not chart.png.bmp
        {"/home/u/.chart", "/home/u/.chart.bmp"},
        {"/home/u.d/chart", "/home/u.d/chart.bmp"},
        {"/home/u/chart.", "/home/u/chart..bmp"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(pictureFileName(in), out) << in;
}

struct Rig {
    Settings settings;
    FakeDialogs dialogs;
    FakePumpTestHost host;
    FakeFileAccess disk;
    PumpTestCapture capture{settings, dialogs, host, "/opt/vrx"};
    std::string picture = "BMpicture";

    Rig() {
        SetDefaults(settings, "/opt/vrx/");
        disk.folders.insert("/home/u/");
    }
    bool run() {
        return capture.mImgCapture([this] { return picture; });
    }
    std::vector<std::string> boxes() const {
        std::vector<std::string> out;
        for (const auto& b : dialogs.standard)
            out.push_back(b.text);
        return out;
    }
};

TEST(PumpTestCapture, WritesTheConfirmedFileAndSaysSoOnlyThen) {
    Rig rig;
    rig.dialogs.nextSaveFiles = {"/home/u/chart.bmp"};
    EXPECT_TRUE(rig.run());
    ASSERT_EQ(rig.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(rig.dialogs.saveRequests[0].title, "Save BMP file");
    EXPECT_EQ(rig.dialogs.saveRequests[0].folder, "/opt/vrx/");
    EXPECT_EQ(rig.dialogs.saveRequests[0].defaultExtension, ".bmp");
    EXPECT_EQ(rig.disk.files.at("/home/u/chart.bmp"), "BMpicture");
    EXPECT_EQ(rig.disk.files.size(), 1u);
    ASSERT_EQ(rig.boxes().size(), 1u);
    EXPECT_EQ(rig.boxes()[0], "You have successfully completed the capture!     ");
    EXPECT_EQ(rig.dialogs.standard[0].title, " Pump Characteristics");
}

TEST(PumpTestCapture, CancelWritesNothingAndSaysNothing) {
    Rig rig;
    rig.dialogs.nextSaveFiles = {""};
    EXPECT_FALSE(rig.run());
    EXPECT_TRUE(rig.disk.files.empty());
    EXPECT_TRUE(rig.dialogs.standard.empty());
    EXPECT_TRUE(rig.host.events.empty());
}

TEST(PumpTestCapture, FailuresAreReportedAndLoggedNeverAsSuccess) {
    struct Case {
        const char* name;
        const char* chosen;
        bool diskFull;
        bool drawFails;
    } cases[] = {
        {"disk full", "/home/u/chart.bmp", true, false},
        {"missing folder", "/gone/chart.bmp", false, false},
        {"chart not drawn", "/home/u/chart.bmp", false, true},
    };
    for (const auto& c : cases) {
        Rig rig;
        if (c.diskFull) rig.disk.spaceLeft = 4;
        if (c.drawFails) rig.picture.clear();
        rig.dialogs.nextSaveFiles = {c.chosen};
        EXPECT_FALSE(rig.run()) << c.name;
        ASSERT_EQ(rig.boxes().size(), 1u) << c.name;
        EXPECT_NE(rig.boxes()[0].find("could not be saved as " + std::string(c.chosen)), std::string::npos)
            << c.name << ": " << rig.boxes()[0];
        EXPECT_EQ(rig.dialogs.standard[0].icon, BoxIcon::Critical) << c.name;
        EXPECT_EQ(rig.host.count("log FrmCharacteristics.mImgCapture: " + std::string(c.chosen)), 1) << c.name;
    }
}

TEST(PumpTestCapture, AnAddedExtensionAsksBeforeReplacingThatFile) {
    for (const bool replace : {false, true}) {
        Rig rig;
        rig.disk.files["/home/u/chart.bmp"] = "old";
        rig.dialogs.nextSaveFiles = {"/home/u/chart"};
        rig.dialogs.nextAnswers = {replace ? BoxAnswer::Yes : BoxAnswer::No};
        EXPECT_EQ(rig.run(), replace);
        ASSERT_GE(rig.boxes().size(), 1u);
        EXPECT_EQ(rig.boxes()[0], "/home/u/chart.bmp already exists.\nDo you want to replace it?");
        EXPECT_EQ(rig.disk.files.at("/home/u/chart.bmp"), replace ? "BMpicture" : "old");
        EXPECT_EQ(rig.disk.files.count("/home/u/chart"), 0u);
    }
}

TEST(PumpTestCapture, SwatchesChangeTheirCurveColourAndSaveOnlyOnAChange) {
    for (int k = 0; k < 4; ++k) {
        Rig rig;
        const Int32 before = rig.capture.swatchColor(k);
        rig.dialogs.nextColors = {std::nullopt, before, 0x123456};
        EXPECT_FALSE(rig.capture.mPickColor(k)) << k; // cancelled
        EXPECT_FALSE(rig.capture.mPickColor(k)) << k; // unchanged
        EXPECT_EQ(rig.host.count("save"), 0) << k;
        EXPECT_TRUE(rig.capture.mPickColor(k)) << k;
        EXPECT_EQ(rig.dialogs.colorRequests, (std::vector<Int32>{before, before, before})) << k;
        const auto& pump = rig.settings.pump;
        EXPECT_EQ(k < 2 ? pump.PumpColor[static_cast<std::size_t>(k)] : pump.FlowColor[static_cast<std::size_t>(k - 2)],
                  0x123456)
            << k;
        EXPECT_EQ(rig.host.count("save"), 1) << k;
    }
    Rig rig;
    EXPECT_FALSE(rig.capture.mPickColor(4));
    EXPECT_TRUE(rig.dialogs.colorRequests.empty());
}

} // namespace
} // namespace vrx
