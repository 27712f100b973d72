// Paths up to the system's long-path limit against Wine's real file functions: from a
// folder of 244 characters on, a save's temporary file name passes MAX_PATH.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/settings/file_status.h"
#include "app/settings/settings_file.h"
#include "platform/file_exists.h"
#include "platform/win32/wide_text.h"
#include "temp_folder.h"

namespace orr {
namespace {

TEST(Win32Paths, FoldersUpToTheLongPathLimitKeepTheirSettings)
{
    const test::TempFolder base;
    const WindowSettings stored{true, 1, 2, 3, 4, true, false};
    for (const std::size_t length : {244u, 259u, 600u, 2000u}) {
        SCOPED_TRACE(length);
        std::vector<std::wstring> made;
        std::string folder = base.path().string() + "\\deep-" + std::to_string(length);
        for (;;) {
            made.push_back(platform::wide_path(folder));
            ASSERT_TRUE(CreateDirectoryW(made.back().c_str(), nullptr)) << folder.size();
            if (folder.size() >= length)
                break;
            const std::size_t left = length - folder.size();
            folder += "\\" + std::string(left > 202 ? 200 : left - 1, 'x');
        }
        ASSERT_EQ(folder.size(), length);
        const std::string ini = folder + "\\orrindale.ini";
        write_window_settings(ini, stored);
        EXPECT_EQ(read_window_settings(ini), stored);
        EXPECT_EQ(File_Open_Status(ini), "CLOSED");
        EXPECT_TRUE(Delete_Closed_File(ini));
        EXPECT_FALSE(platform::file_exists(ini));
        // The standard library's removal stops at MAX_PATH.
        for (auto it = made.rbegin(); it != made.rend(); ++it)
            RemoveDirectoryW(it->c_str());
    }
}

} // namespace
} // namespace orr
