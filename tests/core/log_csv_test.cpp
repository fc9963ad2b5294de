// The CSV export: a small recording byte for byte, and the command's paths, output and errors.
#include <gtest/gtest.h>

#include "core/log_fixture.h"
#include "fakes/fake_file_access.h"
#include "recording/log_csv.h"

namespace vrx {
namespace {

using test::logFile;
using test::logSettings;
using test::readings;

std::string fixtureLog() {
    Settings s = logSettings();
    s.temp.TempName[0] = "Ch,1";
    s.temp.TempName[1] = "Say \"hi\"";
    s.fan.FanName[0] = "L\xc3\xbc"
                       "fter"; // stored as Windows-1252 in the file
    s.temp.TempRecord[2] = 0;
    return logFile(s, 60,
                   {readings({"-30",   "", "35", "130", "", "", "",      "", "",    "",
                              "1,230", "", "",   "",    "", "", "2,400", "", "1.5", "12.3"}),
                    readings({})});
}

const std::string kFixtureCsv =
    "time,\"Ch,1\",\"Say \"\"hi\"\"\",Ch 3,Ch 4,Ch 5,Ch 6,Ch 7,Ch 8,Ch 9,Ch 10,L\xc3\xbc"
    "fter,Fan2,Fan3,Fan4,"
    "Fan5,Fan6,Pump1,Pump2,Flow1,Flow2\r\n"
    "14:30:05,-30,,,130,,,,,,,1230,,,,,,2400,,1.5,12.3\r\n" // channel 3 is not recorded
    "14:30:06,,,,,,,,,,,,,,,,,,,,\r\n";

TEST(LogCsv, ASmallRecordingIsWrittenByteForByte) {
    EXPECT_EQ(recordingCsv(test::parsed(fixtureLog())), kFixtureCsv);
}

TEST(LogCsv, TheCommandWritesBesideTheLogOrToStandardOutput) {
    const struct {
        std::vector<std::string> args;
        const char* written; // "" when nothing goes to a file
        bool toStdout;
    } cases[] = {
        {{"/logs/run.log"}, "/logs/run.csv", false},
        {{"/logs/RUN.LOG"}, "/logs/RUN.csv", false},
        {{"/logs/run.log.bak"}, "/logs/run.log.bak.csv", false},
        {{"/logs/run.log", "/out/table.txt"}, "/out/table.txt", false},
        {{"/logs/run.log", "-"}, "", true},
    };
    for (const auto& c : cases) {
        test::FakeFileAccess disk;
        disk.folders = {"/logs/", "/out/"};
        disk.files[c.args[0]] = fixtureLog();
        std::string out, err;
        EXPECT_EQ(exportCsvCommand(c.args, out, err), 0) << c.args[0] << ": " << err;
        EXPECT_EQ(err, "");
        EXPECT_EQ(out, c.toStdout ? kFixtureCsv : "");
        EXPECT_EQ(disk.files.size(), c.toStdout ? 1u : 2u);
        if (!c.toStdout) {
            EXPECT_EQ(disk.files[c.written], kFixtureCsv);
        }
    }
}

TEST(LogCsv, TheCommandFailsWithoutWritingAnything) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* err;
    } cases[] = {
        {{"/logs/missing.log"}, 1, "File Not found.\n"},
        {{"/logs/bad.log"}, 1, "This is not a valid VRX recording file.\n"},
        {{"/logs/bad.log", "-"}, 1, "This is not a valid VRX recording file.\n"},
        {{"/logs/run.log", "/logs/run.log"}, 1, "The CSV file cannot replace the log file.\n"},
        {{"/logs/run.log", "/locked/run.csv"}, 1, "/locked/run.csv: Permission denied\n"},
        {{}, 2, "Usage: vrx --export-csv LOG [OUT]\n"},
        {{"/logs/run.log", "a", "b"}, 2, "Usage: vrx --export-csv LOG [OUT]\n"},
    };
    for (const auto& c : cases) {
        test::FakeFileAccess disk;
        disk.folders = {"/logs/", "/locked/"};
        disk.readOnlyFolders = {"/locked/"};
        disk.files["/logs/run.log"] = fixtureLog();
        disk.files["/logs/bad.log"] = fixtureLog().substr(0, kLogHeaderSize);
        const auto before = disk.files;
        std::string out, err;
        EXPECT_EQ(exportCsvCommand(c.args, out, err), c.status) << c.err;
        EXPECT_EQ(err, c.err);
        EXPECT_EQ(out, "");
        EXPECT_EQ(disk.files, before) << c.err;
    }
}

} // namespace
} // namespace vrx
