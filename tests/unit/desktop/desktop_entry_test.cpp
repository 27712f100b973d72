// The autostart entry's text: an Exec that carries any path there and back, entries of the
// escaped form read back, what an entry written by a desktop or by hand reads as, and what
// a rewrite keeps.
#include <gtest/gtest.h>
#include <string>

#include "platform/autostart_entry.h"
#include "platform/exec_line.h"

namespace orr::platform {
namespace {

constexpr const char* kName = "Orrindale v1.0";

TEST(ExecLine, PathsThatNeedNoEscapeAreWrittenAsThemselves)
{
    struct Case {
        std::string path;
        std::string exec; // as it stands in the file
    };
    const Case cases[] = {
        {"/opt/orrindale/orrindale", "/opt/orrindale/orrindale"},
        {"/opt/my apps/orrindale", "\"/opt/my apps/orrindale\""},
        {"/opt/mine; (here)/orrindale", "\"/opt/mine; (here)/orrindale\""},
        {"/opt/a=b/caf\xC3\xA9/orrindale", "/opt/a=b/caf\xC3\xA9/orrindale"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exec_value_for(c.path), c.exec) << c.path;
        EXPECT_EQ(program_of_exec(c.exec), c.path) << c.exec;
    }
}

TEST(ExecLine, PathsThatNeedAnEscapeGoThroughTheDecoderAndBack)
{
    EXPECT_EQ(exec_value_for("/opt/100%/o"),
              "/bin/sh -c \"echo L29wdC8xMDAlL28= | base64 -d | xargs -0 nice -n 0\"");
    for (const std::string path :
         {"/opt/it's \"here\"/orrindale", "/opt/$HOME/`id`/orrindale", "/opt/back\\slash/orrindale",
          "/opt/100% sure/%f", "/opt/tab\there/new\nline\n", "C:\\Program Files\\Orrindale\\orrindale.exe"}) {
        const auto exec = exec_value_for(path);
        ASSERT_TRUE(exec) << path;
        EXPECT_TRUE(exec->starts_with("/bin/sh -c \"echo ")) << *exec;
        EXPECT_EQ(program_of_exec(*exec), path) << *exec;
    }
    // Not the decoder's exact form: a command line like any other.
    EXPECT_EQ(program_of_exec("/bin/sh -c \"echo L28*= | base64 -d | xargs -0 nice -n 0\""),
              "/bin/sh -c \"echo L28*= | base64 -d | xargs -0 nice -n 0\"");
}

TEST(ExecLine, EntriesWrittenWithTheDesktopEscapesReadAsTheirPath)
{
    struct Case {
        std::string path;
        std::string exec; // as it stands in the file
    };
    const Case cases[] = {
        {"/opt/it's \"here\"/orrindale", "\"/opt/it's \\\\\"here\\\\\"/orrindale\""},
        {"/opt/$HOME/`id`/orrindale", "\"/opt/\\\\$HOME/\\\\`id\\\\`/orrindale\""},
        {"/opt/back\\slash/orrindale", "\"/opt/back\\\\\\\\slash/orrindale\""},
        {"/opt/100%/orrindale", "/opt/100%%/orrindale"},
        {"/opt/100% sure/%f", "\"/opt/100%% sure/%%f\""},
        {"/opt/tab\there/new\nline", "\"/opt/tab\\there/new\\nline\""},
        {"C:\\Program Files\\Orrindale\\orrindale.exe",
         "\"C:\\\\\\\\Program Files\\\\\\\\Orrindale\\\\\\\\orrindale.exe\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(program_of_exec(c.exec), c.path) << c.exec;
}

TEST(ExecLine, WhatNoEntryCanCarryIsRefused)
{
    EXPECT_EQ(exec_value_for(""), std::nullopt);
    EXPECT_EQ(exec_value_for("/opt/bell\a/orrindale"), std::nullopt);
    EXPECT_EQ(exec_value_for("/opt/del\x7F/orrindale"), std::nullopt);
}

TEST(ExecLine, CommandLinesOfOtherWritersReadAsTheirText)
{
    EXPECT_EQ(program_of_exec("/usr/bin/orrindale"), "/usr/bin/orrindale");
    EXPECT_EQ(program_of_exec("  \"/opt/a b/orrindale\"  "), "/opt/a b/orrindale");
    // Arguments or an open quote: never taken for a bare path.
    EXPECT_EQ(program_of_exec("/usr/bin/orrindale --hidden"), "/usr/bin/orrindale --hidden");
    EXPECT_EQ(program_of_exec("\"/opt/a b/orrindale"), "\"/opt/a b/orrindale");
    // The string escapes come off first: "\s" is a space, which only separates.
    EXPECT_EQ(program_of_exec("\\s/opt/x\\\\y"), "/opt/x\\y");
}

TEST(AutostartEntry, AFreshEntryStartsTheProgramSwitchedOn)
{
    const auto text = autostart_entry_text(std::nullopt, "/opt/my apps/orrindale", kName);
    EXPECT_EQ(text, "[Desktop Entry]\n"
                    "Type=Application\n"
                    "Name=Orrindale v1.0\n"
                    "Exec=\"/opt/my apps/orrindale\"\n"
                    "X-GNOME-Autostart-enabled=true\n");
    const AutostartReading read = read_autostart_entry(*text);
    EXPECT_EQ(read.state, AutostartState::Starts);
    EXPECT_EQ(read.program, "/opt/my apps/orrindale");
    EXPECT_EQ(autostart_entry_text(std::nullopt, "/opt/bad\x01", kName), std::nullopt);
}

TEST(AutostartEntry, WhatAFileReadsAs)
{
    struct Case {
        const char* text;
        AutostartState state;
        const char* program;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=/opt/o\n", AutostartState::Starts, "/opt/o"},
        {"# by hand\n\n[Desktop Entry]\r\nName = O\r\nExec = /opt/o\r\n", AutostartState::Starts, "/opt/o"},
        {"[Desktop Entry]\nExec=/opt/o\nHidden=true\n", AutostartState::SwitchedOff, ""},
        {"[Desktop Entry]\nExec=/opt/o\nX-GNOME-Autostart-enabled=false\n", AutostartState::SwitchedOff, ""},
        {"[Desktop Entry]\nExec=/opt/o\nHidden=false\nX-GNOME-Autostart-enabled=true\n",
         AutostartState::Starts, "/opt/o"},
        // Booleans as GLib reads them (the store's tests hold "1", "0" and trailing blanks):
        // case kept, and a switch that is no boolean reads as false.
        {"[Desktop Entry]\nExec=/opt/o\nX-GNOME-Autostart-enabled=yes\n", AutostartState::SwitchedOff, ""},
        {"[Desktop Entry]\nExec=/opt/o\nHidden=True\nX-GNOME-Autostart-enabled=1 \n", AutostartState::Starts,
         "/opt/o"},
        // Exec of another group or language is not the entry's.
        {"[Desktop Entry]\nExec[de]=/opt/o\n[Desktop Action x]\nExec=/opt/o\n", AutostartState::NotAnEntry,
         ""},
        {"[Other]\n[Desktop Entry]\nExec=/opt/o\n", AutostartState::NotAnEntry, ""},
        {"Exec=/opt/o\n[Desktop Entry]\n", AutostartState::NotAnEntry, ""},
        {"[Desktop Entry]\nExec=/opt/o\nthis is no key\n", AutostartState::NotAnEntry, ""},
        {"\x7F"
         "ELF\x02\x01",
         AutostartState::NotAnEntry, ""},
        {"", AutostartState::NotAnEntry, ""},
    };
    for (const auto& c : cases) {
        const AutostartReading read = read_autostart_entry(c.text);
        EXPECT_EQ(read.state, c.state) << c.text;
        EXPECT_EQ(read.program, c.program) << c.text;
    }
}

TEST(AutostartEntry, RewritingKeepsEverythingButExecAndTheSwitches)
{
    const std::string old = "# Made by the desktop\n"
                            "[Desktop Entry]\n"
                            "Type=Application\n"
                            "Name=My calendar\n"
                            "Name[de]=Mein Kalender\n"
                            "Exec=/old/place/orrindale\n"
                            "TryExec=/old/place/orrindale\n"
                            "Hidden=true\n"
                            "X-GNOME-Autostart-enabled=false\n"
                            "Comment=Starts at login\n"
                            "\n"
                            "[Desktop Action Later]\n"
                            "Name=Later\n"
                            "Exec=/old/place/orrindale\n";
    const auto text = autostart_entry_text(old, "/new/place/orrindale", kName);
    EXPECT_EQ(text, "# Made by the desktop\n"
                    "[Desktop Entry]\n"
                    "Type=Application\n"
                    "Name=My calendar\n"
                    "Name[de]=Mein Kalender\n"
                    "Exec=/new/place/orrindale\n"
                    "Hidden=false\n"
                    "X-GNOME-Autostart-enabled=true\n"
                    "Comment=Starts at login\n"
                    "\n"
                    "[Desktop Action Later]\n"
                    "Name=Later\n"
                    "Exec=/old/place/orrindale\n");
    EXPECT_EQ(read_autostart_entry(*text).state, AutostartState::Starts);

    // An entry lacking keys gets them; a file that is no entry is replaced.
    EXPECT_EQ(autostart_entry_text("[Desktop Entry]\nComment=x\n", "/o", kName),
              "[Desktop Entry]\nComment=x\nType=Application\nName=Orrindale v1.0\nExec=/o\n"
              "X-GNOME-Autostart-enabled=true\n");
    EXPECT_EQ(autostart_entry_text("not an entry", "/o", kName),
              autostart_entry_text(std::nullopt, "/o", kName));
}

} // namespace
} // namespace orr::platform
