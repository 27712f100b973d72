// Notepad under Wine: found in the Windows directory, started through WinExec on the
// line "Notepad.exe " + path, once, and not waited for.
#include <windows.h>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "core/win32/handles.h"
#include "platform/text_editor.h"
#include "temp_folder.h"

namespace orr {
namespace {

using namespace std::chrono_literals;

using win32::KernelHandle;

// Processes started from here on join this job, so that even one that ends at once
// (Notepad without a display) is counted.
class ProcessCounter {
public:
    ProcessCounter() : job_(CreateJobObjectA(nullptr, nullptr))
    {
        EXPECT_TRUE(job_.get() != nullptr);
        EXPECT_TRUE(AssignProcessToJobObject(job_.get(), GetCurrentProcess()));
    }
    DWORD started() const
    {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
        QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &info, sizeof info,
                                  nullptr);
        return info.TotalProcesses;
    }
    std::vector<DWORD> running() const
    {
        struct {
            JOBOBJECT_BASIC_PROCESS_ID_LIST list;
            ULONG_PTR more[63];
        } ids{};
        ids.list.NumberOfAssignedProcesses = 64;
        QueryInformationJobObject(job_.get(), JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr);
        std::vector<DWORD> found;
        for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList; ++i) {
            if (ids.list.ProcessIdList[i] != GetCurrentProcessId())
                found.push_back(static_cast<DWORD>(ids.list.ProcessIdList[i]));
        }
        return found;
    }

private:
    KernelHandle job_;
};

TEST(Win32TextEditor, NotepadIsFoundInTheWindowsDirectory)
{
    char folder[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(folder, MAX_PATH), 0u);
    ASSERT_NE(GetFileAttributesA((std::string(folder) + "\\notepad.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(platform::text_editor_found());
}

TEST(Win32TextEditor, CommandLineIsNotepadThenTheWholePathUnquoted)
{
    const std::string spaced = "C:\\Program Files\\My Tools\\orrindale.txt";
    EXPECT_EQ(platform::notepad_command_line(spaced), "Notepad.exe " + spaced);
    const std::string deep = "C:\\" + std::string(200, 'x') + "\\" + std::string(88, 'y') + "\\orrindale.txt";
    EXPECT_EQ(platform::notepad_command_line(deep).size(), 12u + deep.size());
    EXPECT_EQ(platform::notepad_command_line(deep).substr(12), deep);
}

TEST(Win32TextEditor, StartsNotepadOnceWithoutWaiting)
{
    test::TempFolder folder;
    const std::string document = folder.file("read me.txt");
    ProcessCounter processes;
    const DWORD before = processes.started();

    const auto start = std::chrono::steady_clock::now();
    platform::start_text_editor(document);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    for (int tries = 0; tries < 100 && processes.started() == before; ++tries)
        std::this_thread::sleep_for(50ms);
    EXPECT_EQ(processes.started(), before + 1) << "WinExec started no process";
    for (DWORD id : processes.running()) {
        KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        TerminateProcess(process.get(), 0);
        WaitForSingleObject(process.get(), 5000);
    }
}

} // namespace
} // namespace orr
