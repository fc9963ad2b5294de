// `vrx --export-csv`: a recording as CSV from the command line, with no window and no data folder.
#include "e2e/process.h"
#include "fakes/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vrx {
namespace {

using namespace std::chrono_literals;

const std::string kHeaderRow = "time,CPU,GPU,Ch 3,Ch 4,Ch 5,Ch 6,Ch 7,Ch 8,Ch 9,Ch 10,"
                               "Fan1,Fan2,Fan3,Fan4,Fan5,Fan6,Pump1,Pump2,Flow1,Flow2\r\n";
const std::string kFirstRow = "14:30:06,35,-30,130,5,,,,,,,1230,900,,,,,2400,,1.5,12.3\r\n";

struct CsvRun {
    int status = -1;
    std::string out, err;
};

CsvRun exportCsv(test::TempDir& dir, const std::vector<std::string>& args) {
    std::vector<std::string> all{"--export-csv"};
    all.insert(all.end(), args.begin(), args.end());
    test::Process vrx(VRX_BIN, all, dir.file("stdout"), dir.file("stderr"));
    CsvRun run;
    run.status = vrx.waitExit(20s).value_or(-1);
    run.out = test::readFile(dir.file("stdout"));
    run.err = test::readFile(dir.file("stderr"));
    return run;
}

TEST(ExportCsvE2E, WritesBesideTheLogOrToStandardOutput) {
    test::TempDir dir;
    const std::string log = dir.file("run.log");
    std::filesystem::copy_file(VRX_TEST_DATA "/short_recording.log", log);

    const CsvRun toFile = exportCsv(dir, {log});
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    const std::string csv = test::readFile(dir.file("run.csv"));
    EXPECT_EQ(csv.substr(0, kHeaderRow.size() + kFirstRow.size()), kHeaderRow + kFirstRow);
    EXPECT_EQ(toFile.out, "");

    const CsvRun toStdout = exportCsv(dir, {log, "-"});
    EXPECT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, csv);
    EXPECT_FALSE(std::filesystem::exists(dir.file(".vrx.lock")));
}

TEST(ExportCsvE2E, MissingOrInvalidLogIsAnErrorAndWritesNothing) {
    test::TempDir dir;
    const std::string bad = dir.file("bad.log");
    {
        std::ofstream(bad) << "not a recording\r\n";
    }
    const struct {
        std::string log;
        const char* message;
    } cases[] = {
        {dir.file("missing.log"), "File Not found."},
        {bad, "This is not a valid VRX recording file."},
    };
    for (const auto& c : cases) {
        const CsvRun run = exportCsv(dir, {c.log, dir.file("out.csv")});
        EXPECT_EQ(run.status, 1) << c.log;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv"))) << c.log;
    }
}

} // namespace
} // namespace vrx
