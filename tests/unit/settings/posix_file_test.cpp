// The Linux side of the file routines: locks held by others, modes, links, and a write
// that fails half way through.
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/settings/file_status.h"
#include "app/settings/settings_error.h"
#include "app/settings/settings_file.h"
#include "app/settings/settings_pass.h"
#include "file_bytes.h"
#include "lock_holders.h"
#include "platform/executable_path.h"
#include "platform/file_exists.h"
#include "temp_folder.h"

namespace orr {
namespace {

using test::get_bytes;
using test::put_bytes;

void write_key(const std::string& path, const char* key, int value)
{
    SettingsWritePass pass(path);
    pass.write_integer(kSettingsSection, key, value);
    pass.release();
}

mode_t mode_of(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

class PosixFiles : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string file = folder.file("orrindale.ini");
    void SetUp() override { put_bytes(file, "[orrindale]\nwindow_Width=700\n"); }
};

TEST_F(PosixFiles, OpenStatusOfNamesThatAreNoFile) {
    EXPECT_EQ(File_Open_Status(""), "");
    EXPECT_EQ(File_Open_Status(folder.file("missing")), "");
    EXPECT_EQ(File_Open_Status(folder.path().string()), "");
    ::symlink(folder.file("missing").c_str(), folder.file("dangling").c_str());
    EXPECT_EQ(File_Open_Status(folder.file("dangling")), "");
}

TEST_F(PosixFiles, OpenStatusSeesEveryKindOfHolder) {
    EXPECT_EQ(File_Open_Status(file), "CLOSED");
    {
        test::FlockHolder holder(file);
        EXPECT_EQ(File_Open_Status(file), "OPEN");
    }
    EXPECT_EQ(File_Open_Status(file), "CLOSED");
    {
        test::ChildRecordLockHolder holder(file);
        EXPECT_EQ(File_Open_Status(file), "OPEN");
    }
    EXPECT_EQ(File_Open_Status(file), "CLOSED");
    // A plain open without a lock does not hold the file.
    const int fd = ::open(file.c_str(), O_RDWR);
    EXPECT_EQ(File_Open_Status(file), "CLOSED");
    ::close(fd);
}

TEST_F(PosixFiles, OpenStatusIsErrorWhenTheOpenFails) {
    // A running program cannot be opened for writing.
    EXPECT_EQ(File_Open_Status(platform::executable_path()), "ERROR");
}

TEST_F(PosixFiles, LongPathsAreTestedToo) {
    std::string deep = folder.path().string();
    while (deep.size() < 200) {
        deep += "/deeper-folder";
        ASSERT_EQ(::mkdir(deep.c_str(), 0755), 0);
    }
    const std::string long_file = deep + "/orrindale.ini";
    put_bytes(long_file, "x");
    EXPECT_EQ(File_Open_Status(long_file), "CLOSED");
    test::FlockHolder holder(long_file);
    EXPECT_EQ(File_Open_Status(long_file), "OPEN");
    EXPECT_FALSE(Delete_Closed_File(long_file));
    EXPECT_TRUE(platform::file_exists(long_file));
}

TEST_F(PosixFiles, AttributesMapReadOnlyToWriteBits) {
    ::chmod(file.c_str(), 0664);
    EXPECT_TRUE(Set_File_Attributes(file, true, false, false, false));
    EXPECT_EQ(mode_of(file), 0444u);
    EXPECT_TRUE(Set_File_Attributes(file, false, false, false, false));
    EXPECT_EQ(mode_of(file), 0644u);
    // Already writable: left alone, group write kept.
    ::chmod(file.c_str(), 0660);
    EXPECT_TRUE(Set_File_Attributes(file, false, false, false, false));
    EXPECT_EQ(mode_of(file), 0660u);
    // Archive, system and hidden have no meaning here and never read back set.
    EXPECT_FALSE(Set_File_Attributes(file, false, true, false, false));
    EXPECT_FALSE(Set_File_Attributes(file, false, false, true, false));
    EXPECT_FALSE(Set_File_Attributes(file, false, false, false, true));
    EXPECT_FALSE(Set_File_Attributes(folder.file("missing"), false, false, false, false));
    EXPECT_FALSE(Set_File_Attributes(folder.path().string(), false, false, false, false));
}

TEST_F(PosixFiles, DeleteRemovesOnlyClosedFiles) {
    EXPECT_FALSE(Delete_Closed_File(folder.file("missing")));
    EXPECT_FALSE(Delete_Closed_File(folder.path().string()));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));

    ::chmod(file.c_str(), 0444);
    EXPECT_TRUE(Delete_Closed_File(file));
    EXPECT_FALSE(platform::file_exists(file));

    put_bytes(file, "held");
    {
        test::FlockHolder holder(file);
        EXPECT_FALSE(Delete_Closed_File(file));
    }
    {
        test::ChildRecordLockHolder holder(file);
        EXPECT_FALSE(Delete_Closed_File(file));
    }
    EXPECT_EQ(get_bytes(file), "held");
    EXPECT_TRUE(Delete_Closed_File(file));
}

TEST_F(PosixFiles, WriteKeepsModeAndFollowsALink) {
    ::chmod(file.c_str(), 0640);
    write_window_settings(file, WindowSettings{});
    EXPECT_EQ(mode_of(file), 0640u);

    const std::string link = folder.file("link.ini");
    ASSERT_EQ(::symlink(file.c_str(), link.c_str()), 0);
    write_key(link, kKeyWidth, 1);
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(read_window_settings(file).width, 1);
}

// The file-size limit makes the kernel refuse the temporary file's bytes half way, as a
// full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit saved_{};
    void (*old_handler_)(int) = nullptr;
};

TEST_F(PosixFiles, WriteFailingHalfWayLeavesTheOldBytes) {
    std::string before = "[orrindale]\nwindow_Width=700\n[notes]\n";
    while (before.size() < 256 * 1024) before += "line" + std::to_string(before.size()) + "=kept\n";
    put_bytes(file, before);
    {
        FileSizeLimit limit(64 * 1024);
        try {
            write_key(file, kKeyWidth, 800);
            ADD_FAILURE() << "no error raised";
        } catch (const ESettingsWriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
        }
    }
    EXPECT_EQ(get_bytes(file), before);
    EXPECT_EQ(folder.entry_count(), 1u) << "temporary file left behind";
    // With room again the same write goes through.
    write_key(file, kKeyWidth, 800);
    EXPECT_EQ(read_window_settings(file).width, 800);
}

TEST_F(PosixFiles, NameThatIsNoRegularFileIsNotReplaced) {
    // A fifo reads as empty; replacing it would put a file of one key in its place.
    const std::string fifo = folder.file("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_THROW(write_key(fifo, kKeyWidth, 1), ESettingsWriteError);
    struct stat info {};
    ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(PosixExecutablePath, FolderEndsInSlashAndHoldsTheFileName) {
    const std::string path = platform::executable_path();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(platform::executable_folder().back(), '/');
    EXPECT_EQ(platform::executable_folder() + platform::executable_file_name(), path);
    EXPECT_EQ(platform::executable_file_name(), "orr_settings_tests");
    EXPECT_TRUE(platform::file_exists(path));
}

} // namespace
} // namespace orr
