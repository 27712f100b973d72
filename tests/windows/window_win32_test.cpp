// The Win32 window base under Wine: binding from the first message to the last, one
// registration per class, failures raised as errors, and handlers run inside the guard.
#include <windows.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/win32/window.h"
#include "tests/support/recording_dialogs.h"

namespace {

using orr::win32::WindowClass;

constexpr WindowClass kProbeClass{"OrrindaleProbe", "probe"};
constexpr UINT kThrow = WM_APP + 1;

// Records which messages reached it and whether it knew its handle for each.
class Probe : public orr::win32::Window {
public:
    explicit Probe(HWND parent, bool refuse_creation = false, const WindowClass& window_class = kProbeClass)
        : refuse_creation_(refuse_creation)
    {
        Create(window_class, {.style = parent ? DWORD{WS_CHILD} : WS_POPUP,
                              .bounds = {0, 0, 20, 20},
                              .parent = parent,
                              .control_id = 7});
    }
    ~Probe() override { Destroy(); }

    std::vector<UINT> seen;
    bool knew_handle = true;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override
    {
        seen.push_back(message);
        knew_handle = knew_handle && Handle() != nullptr;
        if (message == kThrow)
            throw orr::Error("Probe failed");
        if (message == WM_NCCREATE && refuse_creation_)
            return FALSE;
        return Window::HandleMessage(message, wparam, lparam);
    }

private:
    bool refuse_creation_;
};

bool saw(const Probe& probe, UINT message)
{
    return std::find(probe.seen.begin(), probe.seen.end(), message) != probe.seen.end();
}

std::string error_of(auto make)
{
    try {
        make();
    } catch (const orr::Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(Win32WindowBase, TheObjectHandlesItsWindowFromCreationToDestruction)
{
    Probe parent(nullptr);
    auto child = std::make_unique<Probe>(parent.Handle());
    ASSERT_NE(child->Handle(), nullptr);
    EXPECT_EQ(child->seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_TRUE(saw(*child, WM_CREATE));
    EXPECT_TRUE(child->knew_handle);
    EXPECT_EQ(GetDlgCtrlID(child->Handle()), 7);
    const HWND window = child->Handle();
    child.reset();
    EXPECT_FALSE(IsWindow(window)) << "the object's end destroys its window";

    // A parent that goes first takes its child along; the object lets go of the handle.
    Probe orphan(parent.Handle());
    const HWND orphan_window = orphan.Handle();
    DestroyWindow(parent.Handle());
    EXPECT_FALSE(IsWindow(orphan_window));
    EXPECT_EQ(orphan.Handle(), nullptr);
    EXPECT_EQ(parent.Handle(), nullptr);
    EXPECT_TRUE(saw(orphan, WM_DESTROY));
    EXPECT_FALSE(saw(orphan, WM_NCDESTROY)) << "unbound before its last message";
}

TEST(Win32WindowBase, AClassIsRegisteredOnceForAllItsWindows)
{
    const Probe first(nullptr);
    const Probe second(nullptr);
    EXPECT_NE(first.Handle(), second.Handle());
    EXPECT_EQ(GetClassLongPtrA(first.Handle(), GCW_ATOM), GetClassLongPtrA(second.Handle(), GCW_ATOM));
}

TEST(Win32WindowBase, FailuresRaiseAnErrorNamingTheWindow)
{
    const HWND no_window = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFE));
    EXPECT_EQ(error_of([&] { Probe child(no_window); }), "Unable to create the probe window");
    EXPECT_EQ(error_of([] { Probe refused(nullptr, true); }), "Unable to create the probe window");
    // A name the system's button class holds already is not taken over.
    const WindowClass taken{"BUTTON", "taken"};
    EXPECT_EQ(error_of([&] { Probe probe(nullptr, false, taken); }),
              "Unable to register the taken window class");
}

TEST(Win32WindowBase, AnErrorInAHandlerIsReportedAndTheProgramGoesOn)
{
    RecordingDialogs dialogs;
    orr::set_dialogs(&dialogs);
    Probe probe(nullptr);
    EXPECT_EQ(SendMessageA(probe.Handle(), kThrow, 0, 0), 0);
    orr::set_dialogs(nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Probe failed.");
    EXPECT_TRUE(IsWindow(probe.Handle()));
}

} // namespace
