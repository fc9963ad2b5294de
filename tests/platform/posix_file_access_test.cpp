#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "fakes/temp_dir.h"
#include "platform/posix_file_access.h"

namespace vrx {
namespace {

namespace fs = std::filesystem;

// The platform's service and the core's own (used where none is installed) keep the same rules.
// A regression that opens a FIFO blocks forever; the test's TIMEOUT turns that into a failure.
struct Backend {
    const char* name;
    FileAccess& (*get)();
};

void PrintTo(const Backend& backend, std::ostream* out) {
    *out << backend.name;
}

FileAccess& posix() {
    static PosixFileAccess access;
    return access;
}

class FileAccessTest : public ::testing::TestWithParam<Backend> {
protected:
    FileAccess& files() { return GetParam().get(); }
    test::TempDir dir;
};

TEST_P(FileAccessTest, AnythingButARegularFileIsRefusedWithoutWaiting) {
    const std::string fifo = dir.file("vrxsys.bin");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    // Held open so that anything written into the FIFO by mistake can be seen (and does not block).
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    fs::create_symlink(fifo, dir.file("debug.log"));
    fs::create_symlink("/dev/null", dir.file("req.log"));
    fs::create_directory(dir.file("Alarm.log"));

    const std::string notRegular = "Not a regular file";
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {fifo, notRegular},
        {dir.file("debug.log"), notRegular},
        {"/dev/null", notRegular},
        {dir.file("req.log"), notRegular},
        {dir.file("Alarm.log"), "Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string bytes = "kept";
        EXPECT_EQ(files().read(c.path, 100, bytes).description, c.reason);
        EXPECT_EQ(files().append(c.path, "line\r\n").description, c.reason);
        EXPECT_EQ(files().checkWritable(c.path).description, c.reason);
        EXPECT_EQ(files().write(c.path, "data").description, c.reason);
    }
    char byte;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_P(FileAccessTest, RegularFilesAreReadAppendedAndWrittenByteForByte) {
    const std::string log = dir.file("debug.log");
    ASSERT_TRUE(files().append(log, "RURu2 Debugs\r\n").ok());
    ASSERT_TRUE(files().append(log, "caf\xE9\r\n").ok());
    std::string bytes;
    ASSERT_TRUE(files().read(log, 100, bytes).ok());
    EXPECT_EQ(bytes, "RURu2 Debugs\r\ncaf\xE9\r\n");
    ASSERT_TRUE(files().read(log, 5, bytes).ok());
    EXPECT_EQ(bytes, "RURu2"); // only the prefix asked for

    ASSERT_TRUE(files().write(log, "new").ok()); // replaces a longer content whole
    ASSERT_TRUE(files().read(log, 100, bytes).ok());
    EXPECT_EQ(bytes, "new");
    EXPECT_TRUE(files().checkWritable(log).ok());
    EXPECT_EQ(files().checkWritable(dir.file("none")).description, "No such file or directory");
    EXPECT_EQ(files().read(dir.file("none"), 100, bytes).description, "No such file or directory");
    EXPECT_EQ(files().append(dir.file("gone/debug.log"), "x").description, "No such file or directory");
}

// Settings kept in a dotfile folder: reading and appending go through the link, but a file that is
// written whole (the save's temp, renamed into place later) never writes through to another file.
TEST_P(FileAccessTest, LinksToRegularFilesAreFollowedExceptForAWholeWrite) {
    const std::string real = dir.file("real.log"), link = dir.file("debug.log");
    std::ofstream(real) << "a";
    fs::create_symlink(real, link);
    ASSERT_TRUE(files().append(link, "b").ok());
    std::string bytes;
    ASSERT_TRUE(files().read(link, 100, bytes).ok());
    EXPECT_EQ(bytes, "ab");
    EXPECT_TRUE(files().checkWritable(link).ok());
    EXPECT_FALSE(files().write(link, "c").ok());
    EXPECT_EQ(test::readFile(real), "ab");
}

TEST_P(FileAccessTest, ReadOnlyFileIsNotWritable) {
    const std::string file = dir.file("vrxsys.bin");
    std::ofstream(file) << "a";
    fs::permissions(file, fs::perms::owner_read, fs::perm_options::replace);
    if (std::ofstream(file, std::ios::app).is_open())
        GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_EQ(files().checkWritable(file).description, "Permission denied");
    EXPECT_EQ(files().append(file, "b").description, "Permission denied");
    EXPECT_EQ(test::readFile(file), "a");
}

INSTANTIATE_TEST_SUITE_P(Backends, FileAccessTest,
                         ::testing::Values(Backend{"Posix", posix},
                                           Backend{"StandardLibrary", standardFileAccess}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vrx
