// The Win32 side of the file routines and the settings engine on Windows paths, against
// Wine's real file functions: sharing, attributes, deletion, replacing the file, the
// exclusive hold of a save, hard links, and UTF-16 files shared with the system's own
// profile functions.
#include <windows.h>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

#include "app/settings/file_status.h"
#include "app/settings/settings_error.h"
#include "app/settings/settings_file.h"
#include "app/settings/settings_pass.h"
#include "core/win32/handles.h"
#include "file_bytes.h"
#include "platform/executable_path.h"
#include "platform/file_exists.h"
#include "temp_folder.h"

namespace orr {
namespace {

using test::get_bytes;
using test::put_bytes;

// Another handle on the file, opened with the given sharing.
class Holder {
public:
    Holder(const std::string& path, DWORD share)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {
        EXPECT_TRUE(handle_.valid()) << GetLastError();
    }

private:
    win32::FileHandle handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

DWORD attributes_of(const std::string& path) { return GetFileAttributesA(path.c_str()); }

// Wine reports every file as archived (it keeps no archive bit of its own), so there
// the archive bit reads back set whatever was asked for.
bool archive_always_set() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class Win32Files : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string file = folder.file("orrindale.ini");
    void SetUp() override { put_bytes(file, "[orrindale]\r\nwindow_Width=700\r\n"); }
};

TEST_F(Win32Files, ExecutablePathIsAWindowsPath) {
    const std::string path = platform::executable_path();
    ASSERT_GT(path.size(), 3u);
    EXPECT_EQ(path.substr(1, 2), ":\\");
    EXPECT_EQ(platform::executable_file_name(), "orr_windows_tests.exe");
    EXPECT_EQ(platform::executable_folder().back(), '\\');
    EXPECT_EQ(platform::executable_folder() + platform::executable_file_name(), path);
    EXPECT_TRUE(platform::file_exists(path));
    EXPECT_EQ(settings_file_path(), platform::executable_folder() + "orrindale.ini");
}

TEST_F(Win32Files, ExistenceIsAFileNotAFolderNorAPattern) {
    EXPECT_TRUE(platform::file_exists(file));
    EXPECT_FALSE(platform::file_exists(folder.path().string()));
    EXPECT_FALSE(platform::file_exists(folder.file("missing.ini")));
    EXPECT_FALSE(platform::file_exists(folder.file("*.ini")));
    EXPECT_FALSE(platform::file_exists(folder.file("orrindale.in?")));
    EXPECT_EQ(File_Open_Status(folder.file("*.ini")), "");
}

TEST_F(Win32Files, OpenStatusSeesAnotherHandle) {
    EXPECT_EQ(File_Open_Status(""), "");
    EXPECT_EQ(File_Open_Status(folder.file("missing.ini")), "");
    EXPECT_EQ(File_Open_Status(folder.path().string()), "");
    EXPECT_EQ(File_Open_Status(file), "CLOSED");
    {
        Holder holder(file, 0);
        EXPECT_EQ(File_Open_Status(file), "OPEN");
    }
    EXPECT_EQ(File_Open_Status(file), "CLOSED");
    {
        // Even a holder that shares everything keeps an exclusive open out.
        Holder holder(file, kShareAll);
        EXPECT_EQ(File_Open_Status(file), "OPEN");
    }
    EXPECT_EQ(File_Open_Status(file), "CLOSED");
}

TEST_F(Win32Files, OpenStatusOfAReadOnlyFileIsAnError) {
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const win32::FileHandle probe(
        CreateFileA(file.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    if (probe.valid()) {
        GTEST_SKIP() << "read-only files open for writing here (Wine run by root)";
    }
    EXPECT_EQ(File_Open_Status(file), "ERROR");
}

TEST_F(Win32Files, LongPathsAreTestedToo) {
    std::string deep = folder.path().string();
    while (deep.size() < 180) {
        deep += "\\deeper-folder";
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    }
    const std::string long_file = deep + "\\orrindale.ini";
    ASSERT_GE(long_file.size(), 128u);
    put_bytes(long_file, "x");
    EXPECT_EQ(File_Open_Status(long_file), "CLOSED");
    Holder holder(long_file, 0);
    EXPECT_EQ(File_Open_Status(long_file), "OPEN");
    EXPECT_FALSE(Delete_Closed_File(long_file));
    EXPECT_TRUE(platform::file_exists(long_file));
}

class Win32Attributes : public Win32Files, public ::testing::WithParamInterface<int> {};

TEST_P(Win32Attributes, ReadBackAsSet) {
    const int m = GetParam();
    const bool read_only = m & 1, archive = m & 2, system = m & 4, hidden = m & 8;
    const DWORD expected = (read_only ? FILE_ATTRIBUTE_READONLY : 0) | (archive ? FILE_ATTRIBUTE_ARCHIVE : 0) |
                           (system ? FILE_ATTRIBUTE_SYSTEM : 0) | (hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
    const DWORD mask = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN;
    const DWORD sticky = archive_always_set() ? FILE_ATTRIBUTE_ARCHIVE : 0;
    // Read back exactly as set, and the answer says so.
    EXPECT_EQ(Set_File_Attributes(file, read_only, archive, system, hidden), sticky == 0 || archive);
    EXPECT_EQ(attributes_of(file) & mask, expected | sticky);
    EXPECT_EQ(Set_File_Attributes(file, false, false, false, false), sticky == 0);
    EXPECT_EQ(attributes_of(file) & mask, sticky);
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, Win32Attributes, ::testing::Range(0, 16));

TEST_F(Win32Files, AttributesOfAMissingFileFail) {
    EXPECT_FALSE(Set_File_Attributes(folder.file("missing.ini"), false, false, false, false));
}

TEST_F(Win32Files, DeleteRemovesAReadOnlyHiddenFile) {
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(Delete_Closed_File(file));
    EXPECT_EQ(attributes_of(file), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(Delete_Closed_File(file));
}

TEST_F(Win32Files, DeleteLeavesAHeldFile) {
    {
        Holder holder(file, 0);
        EXPECT_FALSE(Delete_Closed_File(file));
    }
    {
        // This holder would let a plain delete through; the exclusive test does not.
        Holder holder(file, kShareAll);
        EXPECT_FALSE(Delete_Closed_File(file));
    }
    EXPECT_EQ(get_bytes(file), "[orrindale]\r\nwindow_Width=700\r\n");
    EXPECT_FALSE(Delete_Closed_File(folder.path().string()));
}

TEST_F(Win32Files, AReadingPassHoldsNoHandle)
{
    SettingsReadPass reading(file);
    EXPECT_EQ(File_Open_Status(file), "CLOSED");
    write_window_settings(file, WindowSettings{});
    EXPECT_EQ(reading.read_integer(kSettingsSection, kKeyWidth, 0), 700);
}

TEST_F(Win32Files, AHeldFileIsWaitedForThenReportedAndKeepsItsBytes)
{
    constexpr auto kShortWait = std::chrono::milliseconds(100);
    const std::string before = get_bytes(file);
    // Even a holder that shares everything is not written beneath.
    for (DWORD share :
         {DWORD{0}, DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}, kShareAll}) {
        Holder holder(file, share);
        const auto start = std::chrono::steady_clock::now();
        try {
            SettingsWritePass pass(file, kShortWait);
            pass.write_integer(kSettingsSection, kKeyWidth, 800);
            pass.release();
            ADD_FAILURE() << "no error raised with sharing " << share;
        } catch (const ESettingsWriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
            EXPECT_GE(std::chrono::steady_clock::now() - start, kShortWait) << "gave up without waiting";
        }
    }
    EXPECT_EQ(get_bytes(file), before);
    EXPECT_EQ(folder.entry_count(), 1u) << "temporary file left behind";
}

TEST_F(Win32Files, AHoldLetGoWithinTheWaitLetsTheSaveThrough)
{
    std::promise<void> held;
    std::thread holder([&] {
        Holder holding(file, 0);
        held.set_value();
        Sleep(150);
    });
    held.get_future().wait();
    const WindowSettings stored{true, 1, 2, 3, 4, true, false};
    write_window_settings(file, stored);
    holder.join();
    EXPECT_EQ(read_window_settings(file), stored);
}

TEST_F(Win32Files, HardLinksAllSeeTheNewBytes)
{
    const std::string other = folder.file("linked.ini");
    ASSERT_TRUE(CreateHardLinkA(other.c_str(), file.c_str(), nullptr)) << GetLastError();
    const WindowSettings stored{true, 1, 2, 3, 4, true, false};
    write_window_settings(file, stored);
    EXPECT_EQ(read_window_settings(other), stored);
    EXPECT_EQ(get_bytes(other), get_bytes(file));
    EXPECT_EQ(folder.entry_count(), 2u);
}

// The system's profile functions keep a file that starts with a UTF-16 mark in UTF-16;
// ours read what they wrote, and they read what ours wrote.
TEST_F(Win32Files, Utf16FilesAreSharedWithTheSystemsProfileFunctions)
{
    put_bytes(file, "\xFF\xFE");
    ASSERT_TRUE(WritePrivateProfileStringA("orrindale", "window_Width", "0x2A0", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("orrindale", "window_top_posn", "-5", file.c_str()));
    ASSERT_EQ(get_bytes(file).substr(0, 2), "\xFF\xFE") << "the system wrote no UTF-16 here";
    EXPECT_EQ(read_window_settings(file).width, 672);
    EXPECT_EQ(read_window_settings(file).top, -5);

    const WindowSettings stored{true, 1, 2, 3, 4, true, false};
    write_window_settings(file, stored);
    const std::string bytes = get_bytes(file);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(bytes.find("orrindale"), std::string::npos) << "text appended in single bytes";
    const char* ini = file.c_str();
    EXPECT_EQ(GetPrivateProfileIntA("orrindale", "WindowState_wsMaximized", -1, ini), 1);
    EXPECT_EQ(GetPrivateProfileIntA("orrindale", "window_top_posn", -1, ini), 1);
    EXPECT_EQ(GetPrivateProfileIntA("orrindale", "window_left_posn", -1, ini), 2);
    EXPECT_EQ(GetPrivateProfileIntA("orrindale", "window_Width", -1, ini), 3);
    EXPECT_EQ(GetPrivateProfileIntA("orrindale", "window_Height", -1, ini), 4);
    EXPECT_EQ(GetPrivateProfileIntA("orrindale", "Always_on_Top_Option", -1, ini), 1);
    EXPECT_EQ(GetPrivateProfileIntA("orrindale", "Auto_Run_at_Windows_Startup_Option", -1, ini), 0);
}

TEST_F(Win32Files, HiddenFileStaysHiddenAfterAWrite) {
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    write_window_settings(file, WindowSettings{});
    EXPECT_EQ(read_window_settings(file), WindowSettings{});
    EXPECT_EQ(attributes_of(file) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE});
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(Win32Files, ForwardAndBackSlashesNameTheSameFile) {
    std::string forward = file;
    for (char& c : forward) {
        if (c == '\\') c = '/';
    }
    SettingsWritePass pass(forward);
    pass.write_integer(kSettingsSection, kKeyHeight, 3);
    pass.release();
    EXPECT_EQ(read_window_settings(file).height, 3);
    EXPECT_EQ(File_Open_Status(forward), "CLOSED");
}

} // namespace
} // namespace orr
