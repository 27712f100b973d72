// A save on Linux under stress: another program's lock, copies saving at once, a kill
// half way, files that a rename would change (hard links, another user's file, a folder
// without write access), links, and a device behind the name.
#include <chrono>
#include <csignal>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "app/settings/settings_error.h"
#include "app/settings/settings_file.h"
#include "app/settings/settings_pass.h"
#include "child_process.h"
#include "file_bytes.h"
#include "lock_holders.h"
#include "temp_folder.h"

namespace orr {
namespace {

using test::get_bytes;
using test::put_bytes;

constexpr auto kShortWait = std::chrono::milliseconds(100);

struct stat stat_of(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

std::string link_text(const std::string& path)
{
    char text[4096];
    const ssize_t n = ::readlink(path.c_str(), text, sizeof text);
    return n < 0 ? std::string() : std::string(text, static_cast<std::size_t>(n));
}

std::size_t entries_in(const std::string& folder)
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

// What a save reports: "saved", or the message of the error it raised.
std::string save(const std::string& path, const WindowSettings& settings)
{
    try {
        write_window_settings(path, settings);
        return "saved";
    } catch (const std::exception& e) {
        return e.what();
    }
}

class PosixSave : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string ini = folder.file("orrindale.ini");
    const WindowSettings stored{true, 1, 2, 3, 4, true, false};
    void SetUp() override
    {
        put_bytes(ini, "[orrindale]\nwindow_Width=700\n; kept\n");
        // Another user must reach the folders below.
        ::chmod(folder.path().c_str(), 0755);
    }
};

TEST_F(PosixSave, AnotherProgramsLockIsWaitedForThenReported)
{
    const std::string before = get_bytes(ini);
    const ino_t inode = stat_of(ini).st_ino;
    auto attempt = [&] {
        const auto start = std::chrono::steady_clock::now();
        try {
            SettingsWritePass pass(ini, kShortWait);
            pass.write_integer(kSettingsSection, kKeyWidth, 800);
            pass.release();
            return std::string("saved");
        } catch (const ESettingsWriteError& e) {
            EXPECT_GE(std::chrono::steady_clock::now() - start, kShortWait) << "gave up without waiting";
            return std::string(e.what());
        }
    };
    {
        test::FlockHolder holder(ini);
        EXPECT_EQ(attempt(), "Unable to write to " + ini);
    }
    {
        test::ChildRecordLockHolder holder(ini);
        EXPECT_EQ(attempt(), "Unable to write to " + ini);
    }
    EXPECT_EQ(get_bytes(ini), before);
    EXPECT_EQ(stat_of(ini).st_ino, inode) << "the file was replaced beneath its holder";
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(PosixSave, ALockLetGoWithinTheWaitLetsTheSaveThrough)
{
    std::promise<void> held;
    std::thread holder([&] {
        test::FlockHolder lock(ini);
        held.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    });
    held.get_future().wait();
    EXPECT_EQ(save(ini, stored), "saved");
    holder.join();
    EXPECT_EQ(read_window_settings(ini), stored);
}

TEST_F(PosixSave, CopiesSavingAtOnceLoseNoKey)
{
    constexpr int kCopies = 4;
    constexpr int kSaves = 25;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<std::unique_ptr<test::ChildProcess>> copies;
    for (int copy = 0; copy < kCopies; ++copy) {
        copies.push_back(std::make_unique<test::ChildProcess>([&, copy] {
            ::close(gate[1]);
            char ignored;
            (void)!::read(gate[0], &ignored, 1); // all start together
            for (int n = 0; n < kSaves; ++n) {
                SettingsWritePass pass(ini);
                pass.write_integer("copies", ("copy" + std::to_string(copy)).c_str(), n);
                pass.release();
            }
            return std::string("done");
        }));
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (auto& copy : copies)
        EXPECT_EQ(copy->answer(), "done");

    SettingsReadPass read(ini);
    for (int copy = 0; copy < kCopies; ++copy) {
        EXPECT_EQ(read.read_integer("copies", ("copy" + std::to_string(copy)).c_str(), -1), kSaves - 1)
            << copy;
    }
    EXPECT_EQ(read.read_integer(kSettingsSection, kKeyWidth, 0), 700);
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(PosixSave, AKilledSaveLeavesTheOldFileOrTheNewAndNoLeftover)
{
    constexpr int kTrials = 20;
    const WindowSettings a{false, 10, 10, 700, 500, false, false};
    const WindowSettings b{true, 20, 30, 800, 600, true, true};
    write_window_settings(ini, b);
    const std::string bytes_b = get_bytes(ini);
    write_window_settings(ini, a);
    const std::string bytes_a = get_bytes(ini);

    std::mt19937 pick(20260131);
    for (int trial = 0; trial < kTrials; ++trial) {
        test::ChildProcess saver([&] {
            for (int n = 0;; ++n)
                save(ini, n % 2 == 0 ? b : a);
            return std::string();
        });
        std::this_thread::sleep_for(std::chrono::microseconds(500 + pick() % 4000));
        ::kill(saver.pid(), SIGKILL);
        saver.wait();
        const std::string now = get_bytes(ini);
        ASSERT_TRUE(now == bytes_a || now == bytes_b) << "trial " << trial << " left:\n" << now;
    }
    // Whatever the kills left beside the file goes at the next start.
    read_window_settings(ini);
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(PosixSave, HardLinksAllSeeTheNewBytes)
{
    const std::string other = folder.file("linked.ini");
    ASSERT_EQ(::link(ini.c_str(), other.c_str()), 0);
    const ino_t inode = stat_of(ini).st_ino;
    EXPECT_EQ(save(ini, stored), "saved");
    EXPECT_EQ(stat_of(ini).st_ino, inode);
    EXPECT_EQ(stat_of(ini).st_nlink, 2u);
    EXPECT_EQ(read_window_settings(other), stored);
    EXPECT_EQ(get_bytes(other), get_bytes(ini));
    EXPECT_EQ(folder.entry_count(), 2u);
}

// A settings file that is a link: the link stays as it was, its target gets the bytes.
struct LinkCase {
    const char* name;
    const char* link;   // what the settings file's link holds; "" for the target's full path
    const char* hop;    // a link between, or nullptr
    const char* target; // inside the test folder
    bool target_exists;
};

class PosixSaveThroughLink : public PosixSave, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(PosixSaveThroughLink, KeepsTheLinkAndWritesItsTarget)
{
    const LinkCase& c = GetParam();
    ASSERT_EQ(::mkdir(folder.file("sub").c_str(), 0755), 0);
    const std::string target = folder.file(c.target);
    if (c.target_exists)
        put_bytes(target, "[orrindale]\nwindow_Width=700\n");
    const std::string text = *c.link ? std::string(c.link) : target;
    ::unlink(ini.c_str());
    ASSERT_EQ(::symlink(text.c_str(), ini.c_str()), 0);
    if (c.hop) {
        ASSERT_EQ(::symlink(c.hop, folder.file(c.link).c_str()), 0);
    }

    EXPECT_EQ(save(ini, stored), "saved");
    EXPECT_EQ(link_text(ini), text);
    EXPECT_EQ(read_window_settings(target), stored);
    EXPECT_EQ(entries_in(folder.file("sub")), 1u);
    EXPECT_EQ(folder.entry_count(), c.hop ? 3u : 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Links, PosixSaveThroughLink,
    ::testing::Values(LinkCase{"Relative", "sub/real.ini", nullptr, "sub/real.ini", true},
                      LinkCase{"Absolute", "", nullptr, "sub/real.ini", true},
                      LinkCase{"Chain", "hop.ini", "sub/real.ini", "sub/real.ini", true},
                      LinkCase{"ToAFileNotMadeYet", "sub/new.ini", nullptr, "sub/new.ini", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PosixSave, AFolderWithoutWriteAccessGetsTheFileRewrittenInPlace)
{
    const std::string locked = folder.file("locked");
    ASSERT_EQ(::mkdir(locked.c_str(), 0755), 0);
    const std::string file = locked + "/orrindale.ini";
    put_bytes(file, "[orrindale]\nwindow_Width=700\n; kept\n[much longer before than after]\n");
    if (test::running_as_root()) {
        ASSERT_EQ(::chown(file.c_str(), test::kOtherUser, test::kOtherGroup), 0);
    }
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
    const struct stat before = stat_of(file);

    test::ChildProcess saver([&] { return save(file, stored); }, true);
    EXPECT_EQ(saver.answer(), "saved");
    const struct stat after = stat_of(file);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(read_window_settings(file), stored);
    EXPECT_NE(get_bytes(file).find("; kept\n"), std::string::npos);
    EXPECT_EQ(entries_in(locked), 1u);
    ::chmod(locked.c_str(), 0755);
}

TEST_F(PosixSave, AnotherUsersFileInAStickyFolderKeepsItsOwner)
{
    if (!test::running_as_root())
        GTEST_SKIP() << "needs a file that belongs to another user";
    const std::string shared = folder.file("shared");
    ASSERT_EQ(::mkdir(shared.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string file = shared + "/orrindale.ini";
    put_bytes(file, "[orrindale]\nwindow_Width=700\n");
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    const struct stat before = stat_of(file);

    test::ChildProcess saver([&] { return save(file, stored); }, true);
    EXPECT_EQ(saver.answer(), "saved");
    const struct stat after = stat_of(file);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(read_window_settings(file), stored);
    EXPECT_EQ(entries_in(shared), 1u);
}

TEST_F(PosixSave, ADeviceBehindTheNameIsNoSettingsAndIsNotWritten)
{
    ::unlink(ini.c_str());
    ASSERT_EQ(::symlink("/dev/zero", ini.c_str()), 0);
    EXPECT_EQ(read_window_settings(ini), WindowSettings{});
    EXPECT_EQ(save(ini, stored), "Unable to write to " + ini);
    EXPECT_EQ(link_text(ini), "/dev/zero");
    EXPECT_EQ(folder.entry_count(), 1u);
}

} // namespace
} // namespace orr
