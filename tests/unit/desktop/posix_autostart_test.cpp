// The Linux registry store in a temporary XDG_CONFIG_HOME: enabling writes an entry that
// desktop-file-validate accepts and that gives the program back exactly, disabling removes
// it, and entries switched off, foreign files, devices and missing or unwritable folders
// read as they should.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/dialogs.h"
#include "desktop/auto_run.h"
#include "desktop/registry_error.h"
#include "tests/support/recording_dialogs.h"
#include "tests/unit/settings/child_process.h"
#include "tests/unit/settings/file_bytes.h"
#include "tests/unit/settings/temp_folder.h"

namespace orr {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// desktop-file-validate's verdict: empty when the entry is valid, its complaints otherwise.
std::string validation_errors(const std::string& path)
{
    const std::string command = "desktop-file-validate '" + path + "' 2>&1";
    std::unique_ptr<FILE, decltype(&::pclose)> pipe(::popen(command.c_str(), "r"), &::pclose);
    if (!pipe)
        return "could not run desktop-file-validate";
    std::string output;
    std::array<char, 256> chunk{};
    while (std::fgets(chunk.data(), chunk.size(), pipe.get()))
        output += chunk.data();
    const int status = ::pclose(pipe.release());
    return status == 0 ? std::string() : output + " (status " + std::to_string(status) + ")";
}

std::string exec_line_of(const std::string& entry)
{
    const auto at = entry.find("\nExec=");
    return at == std::string::npos ? "" : entry.substr(at + 6, entry.find('\n', at + 1) - at - 6);
}

class AutostartStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialogs(&user);
        fs::create_directory(config);
    }
    void TearDown() override { set_dialogs(nullptr); }

    std::string entry_path() const { return (config / "autostart" / "orrindale.desktop").string(); }

    test::TempFolder folder;
    fs::path config = folder.path() / "config";
    ScopedEnv xdg{"XDG_CONFIG_HOME", config.string()};
    RecordingDialogs user;
    ProgramLocation program{"/opt/orrindale/orrindale", "orrindale"};
    AutoRun auto_run{platform::system_registry(), [this] { return program; }};
};

TEST_F(AutostartStore, EnablingWritesAValidEntryWhoseExecNamesTheProgramExactly)
{
    struct Case {
        const char* path;
        const char* exec;
    };
    const Case cases[] = {
        {"/opt/orrindale/orrindale", "/opt/orrindale/orrindale"},
        {"/home/ann/My Programs/orrindale", "\"/home/ann/My Programs/orrindale\""},
        {"/home/ann/My Programs (mine)/orrindale", "\"/home/ann/My Programs (mine)/orrindale\""},
        // Paths no escape carries to every desktop go through a decoder that the end-to-end
        // tests start.
        {"/home/ann/\"quoted\" 'too'/orrindale", nullptr},
        {"/home/ann/$PATH and `ls`/orrindale", nullptr},
        {"/home/ann/50% off/orrindale", nullptr},
        {"/home/ann/back\\slash/orrindale", nullptr},
    };
    for (const auto& c : cases) {
        program.path = c.path;
        user.shown.clear();
        ASSERT_TRUE(auto_run.Enable_Auto_Run()) << c.path;
        const std::string entry = test::get_bytes(entry_path());
        if (c.exec) {
            EXPECT_EQ(exec_line_of(entry), c.exec);
        }
        EXPECT_EQ(validation_errors(entry_path()), "") << entry;
        EXPECT_TRUE(auto_run.Verify_Auto_Run_Path());
        ASSERT_EQ(user.shown.size(), 1u) << "a prompt for " << c.path;
        EXPECT_EQ(user.shown[0].text,
                  "This program (orrindale) will now run automatically at Windows Start-Up.");
    }
    // Made on the first write, private as the base directory rules ask.
    EXPECT_EQ(fs::status(config / "autostart").permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(AutostartStore, DisablingRemovesTheEntryAndAnotherFolderBringsThePrompt)
{
    ASSERT_TRUE(auto_run.Enable_Auto_Run());
    program.path = "/srv/moved/orrindale";
    user.answer = BoxAnswer::Yes;
    EXPECT_TRUE(auto_run.Verify_Auto_Run_Path());
    ASSERT_EQ(user.shown.size(), 3u);
    EXPECT_EQ(user.shown[1].kind, BoxKind::Warning);
    EXPECT_NE(user.shown[1].text.find(
                  " Old      = /opt/orrindale/orrindale\r\n Current = /srv/moved/orrindale\r\n"),
              std::string::npos);
    EXPECT_EQ(exec_line_of(test::get_bytes(entry_path())), "/srv/moved/orrindale");

    EXPECT_TRUE(auto_run.Disable_Auto_Run());
    EXPECT_FALSE(fs::exists(entry_path()));
    EXPECT_FALSE(auto_run.Verify_Auto_Run_Path());
    EXPECT_TRUE(auto_run.Disable_Auto_Run());
    EXPECT_EQ(user.shown.back().text,
              "This program (orrindale) will now no-longer run automatically at Windows Start-Up.");
}

TEST_F(AutostartStore, AnEntrySwitchedOffReadsAsNoneAndEnablingSwitchesItOnKeepingTheRest)
{
    fs::create_directory(config / "autostart");
    test::put_bytes(entry_path(),
                    "[Desktop Entry]\nType=Application\nName=Orrindale v1.0\nName[fr]=Orrindale\n"
                    "Exec=/opt/orrindale/orrindale\nX-GNOME-Autostart-enabled=false\n");
    EXPECT_FALSE(auto_run.Verify_Auto_Run_Path());
    EXPECT_TRUE(user.shown.empty());

    ASSERT_TRUE(auto_run.Enable_Auto_Run());
    const std::string entry = test::get_bytes(entry_path());
    EXPECT_NE(entry.find("Name[fr]=Orrindale\n"), std::string::npos);
    EXPECT_NE(entry.find("X-GNOME-Autostart-enabled=true\n"), std::string::npos);
    EXPECT_EQ(validation_errors(entry_path()), "");
    EXPECT_TRUE(auto_run.Verify_Auto_Run_Path());
}

TEST_F(AutostartStore, AFileOfThatNameThatIsNoDesktopEntryIsAValueOfAnotherType)
{
    fs::create_directory(config / "autostart");
    test::put_bytes(entry_path(), "#!/bin/sh\nexec /opt/orrindale/orrindale\n");
    try {
        auto_run.Verify_Auto_Run_Path();
        ADD_FAILURE() << "no registry error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'orrindale'");
    }
    // Enabling replaces it with a real entry.
    ASSERT_TRUE(auto_run.Enable_Auto_Run());
    EXPECT_EQ(validation_errors(entry_path()), "");
}

TEST_F(AutostartStore, AnEntryThatCannotBeReplacedRaisesTheStoreError)
{
    fs::create_directory(config / "autostart");
    test::put_bytes(entry_path(), "[Desktop Entry]\nType=Application\nName=O\nExec=/elsewhere/orrindale\n");
    fs::permissions(entry_path(), fs::perms::owner_read);
    try {
        auto_run.Enable_Auto_Run();
        ADD_FAILURE() << "no registry error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'orrindale'");
    }
    EXPECT_EQ(exec_line_of(test::get_bytes(entry_path())), "/elsewhere/orrindale");
}

// What enabling answers and shows, wherever it runs.
std::string enable_and_box(AutoRun& auto_run, RecordingDialogs& user)
{
    user.shown.clear();
    const std::string answer = auto_run.Enable_Auto_Run() ? "enabled\n" : "refused\n";
    return answer + (user.shown.size() == 1 ? user.shown[0].text : std::to_string(user.shown.size()) + " boxes");
}

// The write's box when the folder cannot be used; nothing is made.
void expect_key_missing(const std::string& answer, const fs::path& config)
{
    EXPECT_EQ(answer, "refused\n"
                      "Error: The specified Registry Key for this operation \r\n"
                      "does NOT exist on your PC.  \r\n"
                      "\r\n"
                      " Error Key   = \\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
                      " Error Item  = orrindale\r\n"
                      " Error Value = /opt/orrindale/orrindale\r\n"
                      "\r\n"
                      "Please contact the program's author.");
    EXPECT_FALSE(fs::exists(config / "autostart"));
}

TEST_F(AutostartStore, AFileInPlaceOfTheConfigFolderIsTheMissingKey)
{
    fs::remove(config);
    test::put_bytes(config.string(), "a file");
    expect_key_missing(enable_and_box(auto_run, user), config);
}

TEST_F(AutostartStore, MissingConfigFoldersAreMadePrivate)
{
    const fs::path deeper = folder.path() / "new" / "config";
    ScopedEnv xdg_deeper{"XDG_CONFIG_HOME", deeper.string()};
    EXPECT_EQ(enable_and_box(auto_run, user),
              "enabled\nThis program (orrindale) will now run automatically at Windows Start-Up.");
    for (const fs::path& made : {folder.path() / "new", deeper, deeper / "autostart"})
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    EXPECT_TRUE(auto_run.Verify_Auto_Run_Path());
}

TEST_F(AutostartStore, AnEntrySwitchedOffIsLeftAloneWhereverTheProgramMoved)
{
    fs::create_directory(config / "autostart");
    for (const char* off : {"Hidden=1\n", "Hidden=true \n", "X-GNOME-Autostart-enabled=0\n",
                            "X-GNOME-Autostart-enabled=false \n"}) {
        const std::string entry = std::string("[Desktop Entry]\nType=Application\nName=O\n") +
                                  "Exec=/elsewhere/orrindale\n" + off;
        test::put_bytes(entry_path(), entry);
        user.answer = BoxAnswer::Yes;
        EXPECT_FALSE(auto_run.Verify_Auto_Run_Path()) << off;
        EXPECT_TRUE(user.shown.empty()) << off;
        EXPECT_EQ(test::get_bytes(entry_path()), entry);
    }
}

TEST_F(AutostartStore, AnEntryLinkedToADeviceAFifoOrAHugeFileIsReadWithinBounds)
{
    fs::create_directory(config / "autostart");
    const std::string fifo = (folder.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A writer that keeps the fifo open: a blocking read would wait for it for good.
    const int writer_end = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer_end, 0);
    const std::string big = (folder.path() / "big").string();
    test::put_bytes(big, "[Desktop Entry]\nExec=/opt/orrindale/orrindale\n" + std::string(2 << 20, '#'));
    for (const std::string& target : {std::string("/dev/zero"), std::string("/dev/urandom"), fifo, big}) {
        fs::remove(entry_path());
        fs::create_symlink(target, entry_path());
        EXPECT_THROW(auto_run.Verify_Auto_Run_Path(), ERegistryException) << target;
    }
    ::close(writer_end);
}

TEST_F(AutostartStore, AReadOnlyConfigFolderIsTheMissingKey)
{
    // Root writes into read-only folders, so the case runs as another user, whose
    // folder this is.
    fs::permissions(folder.path(), fs::perms::others_exec, fs::perm_options::add);
    if (test::running_as_root()) {
        ASSERT_EQ(::chown(config.c_str(), test::kOtherUser, test::kOtherGroup), 0);
    }
    fs::permissions(config, fs::perms::owner_read | fs::perms::owner_exec);
    test::ChildProcess user_process([this] { return enable_and_box(auto_run, user); }, true);
    expect_key_missing(user_process.answer(), config);
}

TEST_F(AutostartStore, ARelativeConfigHomeIsIgnoredForTheHomeFolder)
{
    ScopedEnv relative{"XDG_CONFIG_HOME", "relative/config"};
    ScopedEnv home{"HOME", folder.path().string()};
    fs::create_directory(folder.path() / ".config");
    ASSERT_TRUE(auto_run.Enable_Auto_Run());
    EXPECT_TRUE(fs::exists(folder.path() / ".config" / "autostart" / "orrindale.desktop"));
}

} // namespace
} // namespace orr
