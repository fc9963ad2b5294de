#include "qt_alarm_sound.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "fakes/temp_dir.h"

namespace vrx::gui {
namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Only what is decided before the audio device is touched: no test here makes a sound.
TEST(QtAlarmSound, PlayableIsARegularFileWithAWaveHeader) {
    test::TempDir dir;
    writeFile(dir.file("alarm.wav"), std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16));
    writeFile(dir.file("notes.wav"), "just text, not a sound");
    writeFile(dir.file("short.wav"), "RIFF");
    std::filesystem::create_directory(dir.file("folder.wav"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.wav").c_str(), 0644), 0);
    QtAlarmSound sound;
    struct Row {
        std::string path;
        bool playable;
    };
    for (const Row& r :
         {Row{dir.file("alarm.wav"), true}, Row{dir.file("notes.wav"), false},
          Row{dir.file("short.wav"), false}, Row{dir.file("folder.wav"), false},
          Row{dir.file("pipe.wav"), false}, Row{dir.file("missing.wav"), false}, Row{"", false}}) {
        SCOPED_TRACE(r.path);
        EXPECT_EQ(sound.playable(r.path), r.playable);
        if (!r.playable) {
            EXPECT_FALSE(sound.playLooping(r.path));
            EXPECT_FALSE(sound.playOnce(r.path));
        }
    }
    sound.stop(); // nothing plays: a no-op
}

} // namespace
} // namespace vrx::gui
