// Folder names as the Windows program meets them, against Wine's real file functions:
// letters outside the ANSI code page, a look-alike beside its original, paths past
// MAX_PATH, and a settings file that is a pipe with a writer that never writes.
#include <windows.h>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/settings/file_status.h"
#include "app/settings/settings_file.h"
#include "app/settings/settings_pass.h"
#include "core/win32/handles.h"
#include "platform/file_contents.h"
#include "platform/file_exists.h"
#include "platform/win32/wide_text.h"
#include "temp_folder.h"

namespace orr {
namespace {

using namespace std::chrono_literals;

const WindowSettings kStored{true, 1, 2, 3, 4, true, false};

class Win32Paths : public ::testing::Test {
protected:
    std::string root() const { return base.path().string() + "\\"; }
    // A folder made in the root; its path, ending in the separator.
    std::string make_folder(const std::string& name) const
    {
        const std::string path = root() + name;
        EXPECT_TRUE(CreateDirectoryW(platform::wide_path(path).c_str(), nullptr)) << path;
        return path + "\\";
    }

    // Every file routine a run of the program takes on its settings file, in one folder.
    static void check_settings_file_in(const std::string& folder)
    {
        const std::string ini = folder + "orrindale.ini";
        write_window_settings(ini, kStored);
        EXPECT_NE(GetFileAttributesW(platform::wide_path(ini).c_str()), INVALID_FILE_ATTRIBUTES)
            << "written elsewhere";
        EXPECT_EQ(read_window_settings(ini), kStored);
        EXPECT_TRUE(platform::file_exists(ini));
        EXPECT_EQ(File_Open_Status(ini), "CLOSED");
        EXPECT_TRUE(Delete_Closed_File(ini));
        EXPECT_FALSE(platform::file_exists(ini));
    }

    test::TempFolder base;
};

TEST_F(Win32Paths, FoldersOutsideTheCodePageKeepTheirSettings)
{
    for (const char* name : {"Ημερολόγιο", "Календарь", "カレンダー", "Zażółć gęślą jaźń"}) {
        SCOPED_TRACE(name);
        check_settings_file_in(make_folder(name));
    }
}

TEST_F(Win32Paths, ALookAlikeFolderBesideIsNeverTouched)
{
    const std::string latin = make_folder("Omega") + "orrindale.ini";
    const std::string greek = make_folder("Ωmega") + "orrindale.ini";
    write_window_settings(latin, kStored);
    EXPECT_FALSE(platform::file_exists(greek));
    EXPECT_EQ(File_Open_Status(greek), "");
    EXPECT_EQ(read_window_settings(greek), WindowSettings{});
    write_window_settings(greek, WindowSettings{});
    EXPECT_TRUE(Delete_Closed_File(greek));
    EXPECT_EQ(read_window_settings(latin), kStored);
}

TEST_F(Win32Paths, FoldersUpToTheLongPathLimitKeepTheirSettings)
{
    // 244 characters: the settings file's name still fits MAX_PATH, its temporary one no more.
    for (const std::size_t length : {244u, 259u, 600u, 2000u}) {
        SCOPED_TRACE(length);
        std::vector<std::wstring> made;
        std::string folder = root() + "deep-" + std::to_string(length);
        for (;;) {
            ASSERT_TRUE(CreateDirectoryW(platform::wide_path(folder).c_str(), nullptr)) << folder.size();
            made.push_back(platform::wide_path(folder));
            if (folder.size() >= length)
                break;
            const std::size_t left = length - folder.size();
            folder += "\\" + std::string(left > 202 ? 200 : left - 1, 'x');
        }
        ASSERT_EQ(folder.size(), length);
        check_settings_file_in(folder + "\\");
        // The standard library's removal stops at MAX_PATH.
        for (auto it = made.rbegin(); it != made.rend(); ++it)
            RemoveDirectoryW(it->c_str());
    }
}

// A pipe's writer may never write nor end: the read gives up at once instead of waiting.
TEST_F(Win32Paths, APipeWithAWriterDoesNotStallTheRead)
{
    const std::string pipe = "\\\\.\\pipe\\orrindale-test-" + std::to_string(GetCurrentProcessId());
    win32::FileHandle writer(CreateNamedPipeW(platform::to_wide(pipe).c_str(), PIPE_ACCESS_OUTBOUND,
                                              PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr));
    ASSERT_TRUE(writer.valid()) << GetLastError();
    auto read = std::async(std::launch::async,
                           [&] { return platform::read_file(pipe, kMaxSettingsFileBytes); });
    const bool ended = read.wait_for(5s) == std::future_status::ready;
    writer.close(); // ends a stalled read, so that the test itself never hangs
    EXPECT_TRUE(ended) << "the read waited on the writer";
    EXPECT_EQ(read.get().status, platform::ReadStatus::Failed);
}

} // namespace
} // namespace orr
