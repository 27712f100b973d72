// The Linux stand-in for Notepad: xdg-open found on PATH, started with the document as
// one argument whatever characters the path holds, not waited for, and no zombie left.
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>

#include "platform/text_editor.h"
#include "tests/unit/settings/temp_folder.h"

namespace orr {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Puts the folders given first on PATH for one test, and restores PATH after it.
class PathOverride {
public:
    explicit PathOverride(const std::string& path)
    {
        if (const char* old = std::getenv("PATH"))
            old_ = old;
        setenv("PATH", path.c_str(), 1);
    }
    ~PathOverride() { setenv("PATH", old_.c_str(), 1); }
    PathOverride(const PathOverride&) = delete;
    PathOverride& operator=(const PathOverride&) = delete;

private:
    std::string old_;
};

class PosixTextEditorTest : public ::testing::Test {
protected:
    // An xdg-open that records its argument count and arguments, then lingers.
    void InstallRecorder(const fs::path& folder)
    {
        const fs::path script = folder / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\n"
                                 "{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '"
                              << record.string() << ".part'\n"
                              << "/bin/mv '" << record.string() << ".part' '" << record.string() << "'\n"
                              << "/bin/sleep 2\n";
        fs::permissions(script, fs::perms::owner_all);
    }
    std::string WaitForRecord() const
    {
        for (int tries = 0; tries < 100 && !fs::exists(record); ++tries)
            std::this_thread::sleep_for(50ms);
        std::ifstream in(record);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    test::TempFolder bin;
    test::TempFolder work;
    fs::path record = work.path() / "opened";
};

TEST_F(PosixTextEditorTest, OpenerOnPathGetsTheDocumentAsOneArgumentUnwaitedAndReaped)
{
    InstallRecorder(bin.path());
    PathOverride path(bin.path().string() + ":/usr/bin:/bin");
    ASSERT_TRUE(platform::text_editor_found());

    const std::string document = work.file("it's a $HOME; `x` \"doc\".txt");
    const auto start = std::chrono::steady_clock::now();
    platform::start_text_editor(document);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms) << "waited for the opener";

    EXPECT_EQ(WaitForRecord(), "1\n" + document + "\n");
    // The intermediate child is reaped and the opener is not ours: nothing left to wait for.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(PosixTextEditorTest, NoExecutableOpenerOnPathIsNotFound)
{
    // A folder and a file without execute permission by that name do not count.
    fs::create_directory(bin.path() / "xdg-open");
    test::TempFolder plain;
    std::ofstream(plain.path() / "xdg-open") << "#!/bin/sh\n";
    fs::permissions(plain.path() / "xdg-open", fs::perms::owner_read | fs::perms::owner_write);
    PathOverride path(bin.path().string() + ":" + plain.path().string());

    EXPECT_FALSE(platform::text_editor_found());
    platform::start_text_editor(work.file("readme.txt"));
    std::this_thread::sleep_for(200ms);
    EXPECT_FALSE(fs::exists(record));
}

TEST_F(PosixTextEditorTest, FirstOpenerOnPathWins)
{
    test::TempFolder later;
    InstallRecorder(bin.path());
    std::ofstream(later.path() / "xdg-open") << "#!/bin/sh\necho wrong > '" << record.string() << "'\n";
    fs::permissions(later.path() / "xdg-open", fs::perms::owner_all);
    PathOverride path(later.path().string() + "/nothing-here:" + bin.path().string() + ":" +
                      later.path().string());

    platform::start_text_editor(work.file("readme.txt"));
    EXPECT_EQ(WaitForRecord(), "1\n" + work.file("readme.txt") + "\n");
}

} // namespace
} // namespace orr
