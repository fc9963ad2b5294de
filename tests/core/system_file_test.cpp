#include "settings/file_check.h"
#include "settings/system_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numeric>
#include <random>
#include <sys/stat.h>

namespace vrx {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Offsets in the default file with program folder "/vrx/" (LogFolder "/vrx/Logs/", 10 bytes).
constexpr std::size_t kPumpStart = 495, kSysStart = 683, kTotal = 1573;
constexpr std::size_t kSysNumbers = kSysStart + 6 + 8 + 2 + 8 + 12; // AutoStart, after LogFolder

Settings defaults() {
    Settings s;
    SetDefaults(s, "/vrx/");
    return s;
}

// Every kind of value away from its default: negative numbers, long and non-ASCII text, doubles.
Settings distinct() {
    Settings s = defaults();
    s.temp.TempName[0] = std::string(300, 'x');
    s.temp.TempName[1] = "Caf\xC3\xA9 \xE2\x82\xAC"; // "Café €"
    s.temp.TempWavFile[9] = "/home/u/alarm.wav";
    std::iota(s.temp.TempOffset.begin(), s.temp.TempOffset.end(), Int16{-100});
    s.temp.TempColor[3] = static_cast<Int32>(0xFEDCBA98);
    s.fan.FanGroup = kTrue;
    std::iota(s.fan.FanLevel.begin(), s.fan.FanLevel.end(), Int16{3});
    s.pump.FlowAlarmLimit[1] = "1.5";
    s.pump.PumpName[1] = "";
    s.pump.PumpNoHysteresis = {0, kTrue, 32767};
    s.sys.LogFolder = "/data/logs/";
    s.sys.WindowPos = {-1, 2, 1440, -32768, 65536, 7};
    std::iota(s.sys.PumpLevelTable.cells.begin(), s.sys.PumpLevelTable.cells.end(), Int16{100});
    std::iota(s.sys.FanLevelTable.cells.begin(), s.sys.FanLevelTable.cells.end(), Int16{-40});
    s.sys.FanBarStyle = kTrue;
    s.test.PumpTestPumps = 1;
    for (std::size_t i = 0; i < s.test.PumpTestValues.size(); ++i)
        s.test.PumpTestValues[i] = 0.125 * i - 3.3;
    s.test.PumpTestTubeText2 = "\xC2\xBD inch"; // "½ inch"
    return s;
}

Bytes readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::ssize(b));
}

Bytes golden() {
    return readAll(fs::path(VRX_TEST_DATA) / "vrxsys_defaults.bin");
}

TEST(SystemFileLayout, DefaultsMatchTheGoldenFileBothWays) {
    const Bytes gold = golden();
    ASSERT_EQ(gold.size(), kTotal);
    EXPECT_EQ(serializeSettings(defaults()), gold);

    Settings loaded; // zero and empty, as at start-up
    ASSERT_TRUE(parseSettings(gold, loaded).ok());
    EXPECT_EQ(loaded, defaults());
}

TEST(SystemFileLayout, RecordSizesWithDefaults) {
    const Settings s = defaults();
    EXPECT_EQ(serializeRecord(s.temp).size(), 283u);
    EXPECT_EQ(serializeRecord(s.fan).size(), 212u);
    EXPECT_EQ(serializeRecord(s.pump).size(), 188u);
    EXPECT_EQ(serializeRecord(s.sys).size(), 314u + s.sys.LogFolder.size());
    EXPECT_EQ(serializeRecord(s.test).size(), 566u);
}

TEST(SystemFileLayout, PumpLevelTableIsStoredRowFastest) {
    const std::size_t block = kSysNumbers + 11 * 2 + 3 * 4 + 2 + 6 * 4 + 2;
    const std::size_t cell = block + 2 * (2 + 3 * 1); // element (2, 1): the 6th Integer
    const Bytes gold = golden();
    EXPECT_EQ(gold[cell], 5);
    EXPECT_EQ(gold[cell + 1], 0);

    Settings s = defaults();
    s.sys.PumpLevelTable(2, 1) = 0x1234;
    Bytes expected = gold;
    expected[cell] = 0x34;
    expected[cell + 1] = 0x12;
    EXPECT_EQ(serializeSettings(s), expected);
}

TEST(SystemFileLayout, NonDefaultValuesRoundTripWithTheirExactBytes) {
    const Settings s = distinct();
    const Bytes b = serializeSettings(s);

    // 300-character name: prefix 0x2C 0x01; the next name is in Windows-1252.
    EXPECT_EQ(b[0], 0x2C);
    EXPECT_EQ(b[1], 0x01);
    const Bytes cafe = {6, 0, 'C', 'a', 'f', 0xE9, ' ', 0x80};
    EXPECT_TRUE(std::equal(cafe.begin(), cafe.end(), b.begin() + 302));
    // FanGroup = -1 right after the temperature record.
    const std::size_t fanStart = serializeRecord(s.temp).size();
    EXPECT_EQ(b[fanStart], 0xFF);
    EXPECT_EQ(b[fanStart + 1], 0xFF);
    // PumpTestValues(16, 3), the last Double of the test record.
    const std::size_t lastDouble = b.size() - serializeRecord(s.test).size() + 2 + 67 * 8;
    double v = 0;
    std::memcpy(&v, &b[lastDouble], 8);
    EXPECT_EQ(v, s.test.PumpTestValues.back());

    Settings loaded;
    ASSERT_TRUE(parseSettings(b, loaded).ok());
    EXPECT_EQ(loaded, s);
}

TEST(SystemFileLayout, TextOutsideWindows1252IsStoredAsQuestionMark) {
    Settings s = defaults();
    s.fan.FanName[0] = "\xE2\x9C\x93 ok"; // a check mark
    Settings loaded;
    ASSERT_TRUE(parseSettings(serializeSettings(s), loaded).ok());
    EXPECT_EQ(loaded.fan.FanName[0], "? ok");
}

TEST(SystemFileLayout, TextBeyondTheLengthPrefixIsCutNotWrapped) {
    Settings s = defaults();
    s.test.PumpTestTubeText1 = std::string(70000, 'a');
    Settings loaded;
    ASSERT_TRUE(parseSettings(serializeSettings(s), loaded).ok());
    EXPECT_EQ(loaded.test.PumpTestTubeText1, std::string(65535, 'a'));
    EXPECT_EQ(loaded.test.PumpTestTubeText2, "");
}

TEST(SystemFileLoad, BytesAfterTheLastRecordAreIgnored) {
    Bytes b = golden();
    b.insert(b.end(), {'L', 'o', 'g', 's', '/', 0xFF, 0xFF});
    Settings loaded = distinct();
    ASSERT_TRUE(parseSettings(b, loaded).ok());
    EXPECT_EQ(loaded, defaults());
}

// A cut or damaged file: fields before the fault are loaded, the rest keep what they held.
TEST(SystemFileLoad, FaultsKeepWhatWasReadAndReportPastEnd) {
    const Settings before = distinct(), defs = defaults();
    struct Case {
        const char* what;
        Bytes bytes;
        std::function<void(const Settings&)> check;
    };
    const Bytes gold = golden();
    Bytes badLength = gold;
    badLength[6] = 0xFF; // TempName(1) claims 65,535 bytes
    badLength[7] = 0xFF;
    Bytes badLastString = gold;
    badLastString[kTotal - 2] = 1; // PumpTestTubeText2 claims one byte that is not there

    const Case cases[] = {
        {"cut inside the text of TempName(2)", Bytes(gold.begin(), gold.begin() + 16),
         [&](const Settings& s) {
             EXPECT_EQ(s.temp.TempName[1], "Ch 2");
             EXPECT_EQ(s.temp.TempName[2], before.temp.TempName[2]);
             EXPECT_EQ(s.temp.TempOffset, before.temp.TempOffset);
             EXPECT_EQ(s.fan, before.fan);
         }},
        {"cut inside ShutdownAction", Bytes(gold.begin(), gold.begin() + kSysNumbers + 5),
         [&](const Settings& s) {
             EXPECT_EQ(s.temp, defs.temp);
             EXPECT_EQ(s.fan, defs.fan);
             EXPECT_EQ(s.pump, defs.pump);
             EXPECT_EQ(s.sys.LogFolder, "/vrx/Logs/");
             EXPECT_EQ(s.sys.SliderGroup, 1);
             EXPECT_EQ(s.sys.ShutdownAction, before.sys.ShutdownAction);
             EXPECT_EQ(s.sys.FanLevelTable, before.sys.FanLevelTable);
             EXPECT_EQ(s.test, before.test);
         }},
        {"cut at a record boundary", Bytes(gold.begin(), gold.begin() + kPumpStart),
         [&](const Settings& s) {
             EXPECT_EQ(s.fan, defs.fan);
             EXPECT_EQ(s.pump, before.pump);
         }},
        {"string length past the end", badLength,
         [&](const Settings& s) {
             EXPECT_EQ(s.temp.TempName[0], "Ch 1");
             EXPECT_EQ(s.temp.TempName[1], before.temp.TempName[1]);
             EXPECT_EQ(s.temp.TempRecord, before.temp.TempRecord);
         }},
        {"last string past the end", badLastString,
         [&](const Settings& s) {
             EXPECT_EQ(s.sys, defs.sys);
             EXPECT_EQ(s.test.PumpTestTubeText1, "");
             EXPECT_EQ(s.test.PumpTestTubeText2, before.test.PumpTestTubeText2);
         }},
        {"empty file", Bytes{}, [&](const Settings& s) { EXPECT_EQ(s, before); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings s = before;
        const LoadOutcome o = parseSettings(c.bytes, s);
        EXPECT_EQ(o.number, 62);
        EXPECT_EQ(o.description, "Input past end of file");
        c.check(s);
    }
}

class SystemFileDisk : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vrx_sysfile_" + std::to_string(std::random_device{}()));
        fs::create_directories(m_dir);
        m_file = m_dir / "vrxsys.bin";
    }
    void TearDown() override {
        installFileSync(nullptr);
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_dir);
    }
    std::vector<fs::path> entries() const {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(m_dir))
            out.push_back(e.path().filename());
        return out;
    }
    fs::path m_dir, m_file;
};

TEST_F(SystemFileDisk, SaveReplacesALongerFileWholeAndLoadsBack) {
    Settings longer = distinct();
    longer.sys.LogFolder = std::string(200, 'L');
    ASSERT_TRUE(SaveSystemFile(m_file.string(), longer).ok());
    ASSERT_TRUE(SaveSystemFile(m_file.string(), defaults()).ok());
    EXPECT_EQ(readAll(m_file), golden()); // no stale tail
    EXPECT_EQ(entries(), std::vector<fs::path>{"vrxsys.bin"});

    Settings loaded;
    ASSERT_TRUE(gLoadBIN(m_file.string(), loaded).ok());
    EXPECT_EQ(loaded, defaults());
}

TEST_F(SystemFileDisk, LoadIgnoresAStaleTailLeftByAnOlderSave) {
    Bytes b = serializeSettings(distinct());
    b.insert(b.end(), 40, 'z');
    writeAll(m_file, b);
    Settings loaded;
    ASSERT_TRUE(gLoadBIN(m_file.string(), loaded).ok());
    EXPECT_EQ(loaded, distinct());
}

TEST_F(SystemFileDisk, LoadOfAMissingFileReportsTheOsErrorAndChangesNothing) {
    Settings s = distinct();
    const LoadOutcome o = gLoadBIN((m_dir / "none.bin").string(), s);
    EXPECT_FALSE(o.ok());
    EXPECT_EQ(o.description, "No such file or directory");
    EXPECT_EQ(s, distinct());
}

TEST_F(SystemFileDisk, NewFileIsWorldReadableAndAnExistingModeIsKept) {
    ASSERT_TRUE(SaveSystemFile(m_file.string(), defaults()).ok());
    const auto rw_r__r__ =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
    EXPECT_EQ(fs::status(m_file).permissions(), rw_r__r__);

    fs::permissions(m_file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    ASSERT_TRUE(SaveSystemFile(m_file.string(), distinct()).ok());
    EXPECT_EQ(fs::status(m_file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SystemFileDisk, SaveThroughALinkReplacesTheLinkedFile) {
    const fs::path real = m_dir / "real.bin";
    writeAll(real, Bytes{1, 2, 3});
    fs::create_symlink(real, m_file);
    ASSERT_TRUE(SaveSystemFile(m_file.string(), defaults()).ok());
    EXPECT_TRUE(fs::is_symlink(m_file));
    EXPECT_EQ(readAll(real), golden());
}

TEST_F(SystemFileDisk, SyncRunsOnTheCompleteTempFileBeforeTheOldFileIsReplaced) {
    writeAll(m_file, Bytes{9, 9, 9});
    std::vector<std::string> synced;
    installFileSync([&](const std::string& p) {
        if (synced.empty()) {
            EXPECT_EQ(readAll(p), golden());
            EXPECT_EQ(readAll(m_file), (Bytes{9, 9, 9}));
        }
        synced.push_back(p);
        return std::string();
    });
    ASSERT_TRUE(SaveSystemFile(m_file.string(), defaults()).ok());
    ASSERT_EQ(synced.size(), 2u);
    EXPECT_EQ(fs::path(synced[0]).parent_path(), m_dir);
    EXPECT_EQ(fs::path(synced[1]), m_dir); // the folder, so the rename itself is durable
}

TEST_F(SystemFileDisk, FailedSavesLeaveTheOldFileAndNoTempBehind) {
    const Bytes old = {7, 7, 7, 7};
    struct Case {
        const char* what;
        std::function<fs::path()> prepare; // returns the path to save to
    };
    const Case cases[] = {
        {"missing folder", [&] { return m_dir / "gone" / "vrxsys.bin"; }},
        {"sync fails (e.g. disk full)",
         [&] {
             installFileSync([](const std::string&) { return std::string("No space left on device"); });
             return m_file;
         }},
        {"target is a folder",
         [&] {
             fs::create_directory(m_dir / "dir.bin");
             return m_dir / "dir.bin";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(m_file, old);
        const fs::path target = c.prepare();
        const SaveOutcome o = SaveSystemFile(target.string(), defaults());
        EXPECT_FALSE(o.ok());
        EXPECT_FALSE(o.description.empty());
        EXPECT_EQ(readAll(m_file), old);
        for (const fs::path& name : entries())
            EXPECT_NE(name.extension(), ".tmp") << name;
        installFileSync(nullptr);
    }
}

// A read-only file is not replaced behind the user's back even though its folder would allow it.
TEST_F(SystemFileDisk, SaveWithoutWriteAccessFailsAndKeepsTheOldFile) {
    const auto r_x = fs::perms::owner_read | fs::perms::owner_exec;
    const struct {
        const char* what;
        fs::path readOnly;
        fs::perms mode;
    } cases[] = {{"read-only file", m_file, fs::perms::owner_read}, {"read-only folder", m_dir, r_x}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(m_file, Bytes{7, 7});
        fs::permissions(c.readOnly, c.mode, fs::perm_options::replace);
        if (std::ofstream(m_file, std::ios::app).is_open() && std::ofstream(m_dir / "probe").is_open())
            GTEST_SKIP() << "permissions are not enforced for this user";
        const SaveOutcome o = SaveSystemFile(m_file.string(), defaults());
        EXPECT_FALSE(o.ok());
        EXPECT_EQ(o.description, "Permission denied");
        fs::permissions(c.readOnly, fs::perms::owner_all, fs::perm_options::replace);
        EXPECT_EQ(readAll(m_file), (Bytes{7, 7}));
        for (const fs::path& name : entries())
            EXPECT_NE(name.extension(), ".tmp") << name;
    }
}

// A FIFO would block the load until someone writes to it, a device would be replaced by the save.
TEST_F(SystemFileDisk, AnythingButARegularFileIsNeitherLoadedNorReplaced) {
    const fs::path fifo = m_dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const struct {
        const char* what;
        fs::path linkTo; // empty: the FIFO itself is named vrxsys.bin
        fs::file_type type;
    } cases[] = {{"a FIFO", {}, fs::file_type::fifo},
                 {"a link to a FIFO", fifo, fs::file_type::fifo},
                 {"a link to a device", "/dev/null", fs::file_type::character}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(m_file);
        if (c.linkTo.empty()) fs::rename(fifo, m_file);
        else fs::create_symlink(c.linkTo, m_file);
        const fs::path target = c.linkTo.empty() ? m_file : c.linkTo;

        Settings s = distinct();
        const LoadOutcome loaded = gLoadBIN(m_file.string(), s);
        EXPECT_EQ(loaded.description, "Not a regular file");
        EXPECT_EQ(s, distinct());

        const SaveOutcome saved = SaveSystemFile(m_file.string(), defaults());
        EXPECT_EQ(saved.description, "Not a regular file");
        EXPECT_EQ(fs::status(target).type(), c.type);
        EXPECT_EQ(fs::is_symlink(m_file), !c.linkTo.empty());
        for (const fs::path& name : entries())
            EXPECT_NE(name.extension(), ".tmp") << name;
        if (c.linkTo.empty()) fs::rename(m_file, fifo);
    }
}

// The temp is written whole and renamed into place: a link under its name must not lead the data
// into the file it points at.
TEST_F(SystemFileDisk, LinkUnderTheTempNameIsNotWrittenThrough) {
    const fs::path other = m_dir / "other.txt";
    writeAll(other, Bytes{5});
    writeAll(m_file, Bytes{7});
    fs::create_symlink(other, m_dir / "vrxsys.bin.tmp");
    EXPECT_FALSE(SaveSystemFile(m_file.string(), defaults()).ok());
    EXPECT_EQ(readAll(other), Bytes{5});
    EXPECT_EQ(readAll(m_file), Bytes{7});
    EXPECT_TRUE(fs::is_symlink(m_dir / "vrxsys.bin.tmp")); // not ours to remove either
}

TEST_F(SystemFileDisk, FileCheckFindsFilesOnly) {
    writeAll(m_file, Bytes{1});
    fs::create_symlink(m_dir / "nowhere", m_dir / "dangling");
    const struct {
        fs::path path;
        bool found;
    } cases[] = {{m_file, true},
                 {m_dir, false},
                 {m_dir / "none", false},
                 {m_dir / "dangling", false},
                 {m_file / "below", false}};
    for (const auto& c : cases)
        EXPECT_EQ(gFileCheck(c.path.string()), c.found) << c.path;

    const fs::path cwd = fs::current_path();
    fs::current_path(m_dir);
    EXPECT_FALSE(gFileCheck(""));
    writeAll(m_dir / "1234", Bytes{1});
    EXPECT_TRUE(gFileCheck("")); // an empty path is looked up as "1234"
    fs::current_path(cwd);
}

} // namespace
} // namespace vrx
