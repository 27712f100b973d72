// TCustomGrid for the Win32 shell: a child window around the shared grid base. Its
// window procedure hands each message to the grid and paints it through GDI.
#pragma once

#include <windows.h>
#include <functional>
#include <memory>

#include "core/win32/window.h"
#include "monthgrid/grid_base.h"

class TCustomGrid : public orr::win32::Window, private orr::GridHost {
public:
    using Notify = std::function<void(TCustomGrid*)>;

    // A visible child window of the grid base's default size, with a sunken client
    // edge. The owner sets its bounds (SetWindowPos, MoveWindow) and its font (WM_SETFONT).
    TCustomGrid(HWND parent, int control_id);
    ~TCustomGrid() override;

    // The shared grid behind the window, where every rule lives.
    orr::GridBase& Grid() { return *core_; }
    const orr::GridBase& Grid() const { return *core_; }

    bool TabStop() const;
    void SetTabStop(bool stop);

    Notify OnClick;
    Notify OnDblClick;

protected:
    TCustomGrid(HWND parent, int control_id, std::unique_ptr<orr::GridBase> core);

    // One case per message the grid answers; a derived grid adds its own first.
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void Paint();
    void PaintInto(HDC target, const RECT& area);
    void DrawGrid(HDC dc, const RECT& area);
    void MouseDown(LPARAM lparam, bool double_click);
    void MouseUp(LPARAM lparam);
    bool KeyDown(WPARAM key);
    bool InOwnWindow(HWND other) const;

    void invalidate(const orr::Rect& client_rect) override;
    void invalidate_all() override;
    void take_focus() override;
    bool is_active_control() const override;

    std::unique_ptr<orr::GridBase> core_;
    HFONT font_ = nullptr; // handed over by the owner, who deletes it
    orr::ActiveControl active_;
};
