// The settings file through real passes on disk: defaults, stored values, the order of
// a new file, hand-made content surviving, one write per pass, failed passes leaving
// the old bytes, the size limit, UTF-16 files and the leftovers of cut-short saves.
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/settings/file_status.h"
#include "app/settings/settings_error.h"
#include "app/settings/settings_file.h"
#include "app/settings/settings_pass.h"
#include "app/settings/stale_temporaries.h"
#include "file_bytes.h"
#include "platform/executable_path.h"
#include "platform/process_id.h"
#include "temp_folder.h"

namespace orr {
namespace {

using test::get_bytes;
using test::native_lines;
using test::put_bytes;

// One key in one pass, put in place.
void write_key(const std::string& path, const char* key, int value)
{
    SettingsWritePass pass(path);
    pass.write_integer(kSettingsSection, key, value);
    pass.release();
}

class SettingsFile : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string ini = folder.file(kSettingsFileName);
};

TEST_F(SettingsFile, LiesBesideTheExecutable) {
    const std::string path = settings_file_path();
    EXPECT_EQ(path, platform::executable_folder() + "orrindale.ini");
    EXPECT_EQ(path.find(platform::executable_file_name()), std::string::npos) << "name must not follow the executable";
}

TEST_F(SettingsFile, MissingFileReadsAsDefaultsAndIsNotCreated) {
    EXPECT_EQ(read_window_settings(ini), (WindowSettings{false, 20, 20, 659, 614, false, false}));
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(SettingsFile, FirstWriteCreatesTheSevenKeysInOrder) {
    write_window_settings(ini, WindowSettings{});
    EXPECT_EQ(get_bytes(ini), native_lines({"[orrindale]", "WindowState_wsMaximized=0", "window_top_posn=20",
                                            "window_left_posn=20", "window_Width=659", "window_Height=614",
                                            "Always_on_Top_Option=0", "Auto_Run_at_Windows_Startup_Option=0"}));
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(SettingsFile, ValuesRoundTrip) {
    const WindowSettings stored{true, -32000, INT32_MIN, INT32_MAX, 0, true, true};
    write_window_settings(ini, stored);
    EXPECT_EQ(read_window_settings(ini), stored);
    EXPECT_NE(get_bytes(ini).find("window_left_posn=-2147483648"), std::string::npos);
}

TEST_F(SettingsFile, HandWrittenNumbersReadByTheNumberRules) {
    put_bytes(ini, "[orrindale]\nwindow_Width=0x2A0\nwindow_top_posn=$10\nwindow_left_posn=\" 7\"\n"
                   "window_Height=12abc\nAlways_on_Top_Option=2\nWindowState_wsMaximized=-1\n"
                   "Auto_Run_at_Windows_Startup_Option=yes\n");
    const WindowSettings read = read_window_settings(ini);
    EXPECT_EQ(read.width, 672);
    EXPECT_EQ(read.top, 16);
    EXPECT_EQ(read.left, 7);
    EXPECT_EQ(read.height, 614);
    EXPECT_TRUE(read.always_on_top);
    EXPECT_TRUE(read.maximized);
    EXPECT_FALSE(read.auto_run);
}

TEST_F(SettingsFile, BooleanStoredAsTwoIsWrittenBackAsOne) {
    put_bytes(ini, "[orrindale]\nAlways_on_Top_Option=2\n");
    write_window_settings(ini, read_window_settings(ini));
    EXPECT_NE(get_bytes(ini).find("Always_on_Top_Option=1\n"), std::string::npos);
    EXPECT_EQ(get_bytes(ini).find("Always_on_Top_Option=2"), std::string::npos);
}

TEST_F(SettingsFile, BooleanDefaultIsUsedOnlyWhenTheValueIsUnusable) {
    put_bytes(ini, "[orrindale]\na=0\nb=junk\n");
    SettingsReadPass pass(ini);
    EXPECT_FALSE(pass.read_boolean("orrindale", "a", true));
    EXPECT_TRUE(pass.read_boolean("orrindale", "b", true));
    EXPECT_TRUE(pass.read_boolean("orrindale", "missing", true));
    EXPECT_FALSE(pass.read_boolean("orrindale", "missing", false));
}

TEST_F(SettingsFile, HandAddedContentSurvivesAWrite) {
    put_bytes(ini, "; kept by hand\r\n[Colours]\r\nBack=$FFFFFF\r\n\r\n[ORRINDALE]\r\nwindow_Width=700\r\n"
                   "  mine = \"x\"  \r\n[Later]\r\nz=1");
    write_window_settings(ini, WindowSettings{});
    EXPECT_EQ(get_bytes(ini),
              "; kept by hand\r\n[Colours]\r\nBack=$FFFFFF\r\n\r\n[ORRINDALE]\r\nwindow_Width=659\r\n"
              "  mine = \"x\"  \r\nWindowState_wsMaximized=0\r\nwindow_top_posn=20\r\nwindow_left_posn=20\r\n"
              "window_Height=614\r\nAlways_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=0\r\n"
              "[Later]\r\nz=1");
}

TEST_F(SettingsFile, EachPassReadsTheFileAfresh) {
    put_bytes(ini, "[orrindale]\nwindow_Width=700\n");
    SettingsReadPass first(ini);
    put_bytes(ini, "[orrindale]\nwindow_Width=800\n");
    EXPECT_EQ(first.read_integer("orrindale", "window_Width", 0), 700);
    EXPECT_EQ(SettingsReadPass(ini).read_integer("orrindale", "window_Width", 0), 800);
    first.release();
    EXPECT_EQ(first.read_integer("orrindale", "window_Width", 0), 0);
}

TEST_F(SettingsFile, APassPutsItsKeysInPlaceOnlyAtItsRelease)
{
    const std::string before = native_lines({"[orrindale]", "window_Width=700"});
    put_bytes(ini, before);
    {
        SettingsWritePass dropped(ini);
        dropped.write_integer(kSettingsSection, kKeyWidth, 800);
        dropped.write_integer(kSettingsSection, kKeyHeight, 500);
    }
    EXPECT_EQ(get_bytes(ini), before) << "a pass ended without its release wrote to the file";

    SettingsWritePass pass(ini);
    pass.write_integer(kSettingsSection, kKeyWidth, 800);
    pass.write_integer(kSettingsSection, kKeyHeight, 500);
    pass.release();
    EXPECT_EQ(get_bytes(ini), native_lines({"[orrindale]", "window_Width=800", "window_Height=500"}));
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(SettingsFile, AValueFailingMidPassCommitsNothing)
{
    const std::string before = native_lines({"[orrindale]", "window_Width=700"});
    put_bytes(ini, before);
    const std::pair<const char*, const char*> unstorable[] = {
        {kSettingsSection, "a=b"}, {kSettingsSection, "[k"}, {kSettingsSection, "k\nj"}, {"orr]", "k"}};
    for (const auto& [section, key] : unstorable) {
        SettingsWritePass pass(ini);
        pass.write_integer(kSettingsSection, kKeyWidth, 800);
        try {
            pass.write_integer(section, key, 1);
            ADD_FAILURE() << "no error raised for " << section << "/" << key;
        } catch (const ESettingsWriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini);
        }
        EXPECT_THROW(pass.write_integer(kSettingsSection, kKeyHeight, 1), ESettingsWriteError)
            << "the pass went on";
        pass.release();
    }
    EXPECT_EQ(get_bytes(ini), before);
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(SettingsFile, APassHoldsTheFileUntilItsRelease)
{
    put_bytes(ini, "[orrindale]\n");
    SettingsWritePass pass(ini);
    pass.write_integer(kSettingsSection, kKeyWidth, 800);
    EXPECT_EQ(File_Open_Status(ini), "OPEN");
    pass.release();
    EXPECT_EQ(File_Open_Status(ini), "CLOSED");
}

TEST_F(SettingsFile, APassOnAMissingFileThatPutsNothingInPlaceLeavesNoFile)
{
    {
        SettingsWritePass dropped(ini);
    }
    EXPECT_FALSE(std::filesystem::exists(ini));
    {
        SettingsWritePass failing(ini);
        EXPECT_THROW(failing.write_integer(kSettingsSection, "a=b", 1), ESettingsWriteError);
    }
    EXPECT_FALSE(std::filesystem::exists(ini));
    EXPECT_EQ(folder.entry_count(), 0u);
}

TEST_F(SettingsFile, WriteIntoMissingFolderRaisesAndCreatesNothing) {
    const std::string path = folder.file("no-such-folder") + std::string(1, platform::path_separator()) + kSettingsFileName;
    try {
        write_window_settings(path, WindowSettings{});
        FAIL() << "no error raised";
    } catch (const ESettingsWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
        EXPECT_EQ(e.path(), path);
    }
    EXPECT_EQ(folder.entry_count(), 0u);
}

TEST_F(SettingsFile, WriteOverAFolderRaisesAndLeavesIt) {
    std::filesystem::create_directory(ini);
    put_bytes(folder.file("orrindale.ini/inside"), "x");
    EXPECT_THROW(write_window_settings(ini, WindowSettings{}), ESettingsWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(ini));
    EXPECT_EQ(get_bytes(folder.file("orrindale.ini/inside")), "x");
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(SettingsFile, ReadOnlyFileIsNotReplaced) {
    const std::string before = "[orrindale]\nwindow_Width=700\n; note\n";
    put_bytes(ini, before);
    std::filesystem::permissions(ini, std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                          std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_THROW(write_window_settings(ini, WindowSettings{}), ESettingsWriteError);
    EXPECT_EQ(get_bytes(ini), before);
    EXPECT_EQ(folder.entry_count(), 1u);
}

// The bad-input list, on disk: reading gives defaults where a value is unusable, and a
// later write keeps the rest of the file.
struct BadFile {
    const char* name;
    std::string bytes;
    WindowSettings expected;
};

class SettingsBadFile : public SettingsFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(SettingsBadFile, ReadsSafelyAndAWriteKeepsTheRest) {
    put_bytes(ini, GetParam().bytes);
    EXPECT_EQ(read_window_settings(ini), GetParam().expected);

    write_key(ini, kKeyWidth, 1234);
    const std::string after = get_bytes(ini);
    EXPECT_EQ(read_window_settings(ini).width, 1234);
    WindowSettings expected = GetParam().expected;
    expected.width = 1234;
    EXPECT_EQ(read_window_settings(ini), expected);
    EXPECT_EQ(test::removed_by_edit(GetParam().bytes, after).find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(folder.entry_count(), 1u);
}

using namespace std::string_literals;
const WindowSettings kDefaults{};

WindowSettings with_width(int width) {
    WindowSettings s;
    s.width = width;
    return s;
}

WindowSettings with_top_and_height(int top, int height) {
    WindowSettings s;
    s.top = top;
    s.height = height;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsBadFile,
    ::testing::Values(
        BadFile{"Empty", "", kDefaults},
        BadFile{"Binary",
                "\x7F"
                "ELF\x02\x01\x01\0\0\0\xFF\xFE\r\x80\x81[\x01]=\x02\n"s,
                kDefaults},
        BadFile{"NulBytes",
                "[orrindale]\nwindow_Width=6\0"s
                "59\nwindow_Height=700\n",
                with_top_and_height(20, 700)},
        BadFile{"ByteOrderMark", "\xEF\xBB\xBF[orrindale]\r\nwindow_Width=700\r\n", with_width(700)},
        BadFile{"CarriageReturnsOnly", "[orrindale]\rwindow_top_posn=5\rwindow_Height=600\r",
                with_top_and_height(5, 600)},
        BadFile{"MixedLineEnds", "[a]\r\nx=1\n[orrindale]\rwindow_top_posn=5\r\nwindow_Height=600\n",
                with_top_and_height(5, 600)},
        BadFile{"DuplicateSections",
                "[orrindale]\nwindow_top_posn=5\n[other]\n[Orrindale]\nwindow_Height=1\n",
                with_top_and_height(5, 614)},
        BadFile{"DuplicateKeys",
                "[orrindale]\nwindow_top_posn=5\nWINDOW_TOP_POSN=6\nwindow_Height=1\nwindow_Height=2\n",
                with_top_and_height(5, 1)},
        BadFile{"KeysOutsideAnySection", "window_top_posn=5\nwindow_Height=1\n[orrindale]\n", kDefaults},
        BadFile{"LongLines",
                "[orrindale]\nwindow_top_posn=" + std::string(600u << 10, '9') + "\n;" +
                    std::string(100000, 'c') + "\n" + std::string(100000, 'k') + "=1\nwindow_Height=600\n",
                with_top_and_height(20, 600)}),
    [](const auto& info) { return std::string(info.param.name); });

// A file of exactly size bytes that holds window_Width=700.
std::string file_of_size(std::size_t size)
{
    std::string bytes = "[orrindale]\nwindow_Width=700\n;";
    bytes += std::string(size - bytes.size() - 1, 'c');
    return bytes + "\n";
}

TEST_F(SettingsFile, FileUpToTheSizeLimitIsReadAndWritten)
{
    put_bytes(ini, file_of_size(kMaxSettingsFileBytes));
    EXPECT_EQ(read_window_settings(ini).width, 700);
    write_key(ini, kKeyWidth, 800);
    EXPECT_EQ(read_window_settings(ini).width, 800);
}

TEST_F(SettingsFile, FileOverTheSizeLimitIsNoSettingsAndIsNotReplaced)
{
    const std::string before = file_of_size(kMaxSettingsFileBytes + 1);
    put_bytes(ini, before);
    EXPECT_EQ(read_window_settings(ini), WindowSettings{});
    try {
        write_window_settings(ini, WindowSettings{});
        FAIL() << "no error raised";
    } catch (const ESettingsWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini);
    }
    EXPECT_TRUE(get_bytes(ini) == before) << "the oversized file was changed";
    EXPECT_EQ(folder.entry_count(), 1u);
}

// UTF-16 files with their byte-order mark, written as the Windows profile functions
// write them: each UTF-16 unit in the file's byte order.
std::string utf16(std::u16string_view text, bool little_endian)
{
    std::string bytes = little_endian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += little_endian ? low : high;
        bytes += little_endian ? high : low;
    }
    return bytes;
}

class SettingsUtf16File : public SettingsFile, public ::testing::WithParamInterface<bool> {};

TEST_P(SettingsUtf16File, IsReadAndWrittenBackInUtf16)
{
    const bool le = GetParam();
    put_bytes(ini,
              utf16(u"; Größe \u2603 \U0001F4C5\r\n[orrindale]\r\nwindow_Width=700\r\nwindow_Height=0x2A0\r\n"
                    u"[\u00C4]\r\nk=\u00FC",
                    le));
    const WindowSettings read = read_window_settings(ini);
    EXPECT_EQ(read.width, 700);
    EXPECT_EQ(read.height, 672);

    write_window_settings(ini, WindowSettings{true, 1, 2, 3, 4, true, false});
    EXPECT_EQ(get_bytes(ini),
              utf16(u"; Größe \u2603 \U0001F4C5\r\n[orrindale]\r\nwindow_Width=3\r\nwindow_Height=4\r\n"
                    u"WindowState_wsMaximized=1\r\nwindow_top_posn=1\r\nwindow_left_posn=2\r\n"
                    u"Always_on_Top_Option=1\r\nAuto_Run_at_Windows_Startup_Option=0\r\n[\u00C4]\r\nk=\u00FC",
                    le));
    EXPECT_EQ(read_window_settings(ini), (WindowSettings{true, 1, 2, 3, 4, true, false}));
}

TEST_P(SettingsUtf16File, WithOnlyItsMarkGetsTheSectionInUtf16)
{
    put_bytes(ini, utf16(u"", GetParam()));
    write_key(ini, kKeyTop, 5);
    EXPECT_EQ(get_bytes(ini), utf16(u"[orrindale]\r\nwindow_top_posn=5\r\n", GetParam()));
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, SettingsUtf16File, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "LittleEndian" : "BigEndian"; });

// Temporary files of cut-short saves beside the settings file, and names that only
// look like one.
struct Leftover {
    std::string name;
    bool old;
    bool removed;
};

TEST_F(SettingsFile, TheStartUpRemovesWhatCutShortSavesLeft)
{
    put_bytes(ini, "[orrindale]\n");
    const std::string gone = "999999999"; // no process has this id
    const std::string own = std::to_string(platform::current_process_id());
    const Leftover leftovers[] = {
        {"orrindale.ini." + gone + "-0.tmp", false, true},
        {"orrindale.ini." + own + "-7.tmp", true, true}, // an earlier process with our id
        {"orrindale.ini." + own + "-8.tmp", false, false},
        {"orrindale.ini.bak", true, false},
        {"orrindale.ini." + gone + "-0.tmp.keep", true, false},
        {"other.ini." + gone + "-0.tmp", true, false},
        {"orrindale.ini.x-0.tmp", true, false},
        {"orrindale.ini." + gone + ".tmp", true, false},
        {"orrindale.ini.-0.tmp", true, false},
        {"orrindale.ini.99999999999-0.tmp", true, false},
    };
    const auto an_hour_ago = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const Leftover& leftover : leftovers) {
        put_bytes(folder.file(leftover.name), "x");
        if (leftover.old)
            std::filesystem::last_write_time(folder.file(leftover.name), an_hour_ago);
    }

    EXPECT_EQ(read_window_settings(ini), WindowSettings{});
    for (const Leftover& leftover : leftovers) {
        EXPECT_EQ(std::filesystem::exists(folder.file(leftover.name)), !leftover.removed) << leftover.name;
    }
    EXPECT_EQ(get_bytes(ini), "[orrindale]\n");
}

TEST_F(SettingsFile, LeftoversStayWhileASaveHoldsTheFile)
{
    put_bytes(ini, "[orrindale]\n");
    const std::string leftover = folder.file("orrindale.ini.999999999-0.tmp");
    put_bytes(leftover, "x");
    {
        SettingsWritePass saving(ini);
        remove_stale_temporaries(ini);
        EXPECT_TRUE(std::filesystem::exists(leftover));
    }
    remove_stale_temporaries(ini);
    EXPECT_FALSE(std::filesystem::exists(leftover));
}

} // namespace
} // namespace orr
