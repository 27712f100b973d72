#include "monthgrid/win32/custom_grid.h"

#include <windowsx.h>

#include "core/win32/handles.h"
#include "monthgrid/grid_painter.h"
#include "monthgrid/win32/gdi_canvas.h"

namespace {

constexpr orr::win32::WindowClass kGridClass{"OrrindaleGrid", "month grid", CS_DBLCLKS};

constexpr orr::GridKeyCodes kNavigationKeys{VK_LEFT, VK_RIGHT, VK_UP,    VK_DOWN,
                                            VK_HOME, VK_END,   VK_PRIOR, VK_NEXT};

orr::Point client_point(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

} // namespace

TCustomGrid::TCustomGrid(HWND parent, int control_id)
    : TCustomGrid(parent, control_id, std::make_unique<orr::GridBase>())
{}

TCustomGrid::TCustomGrid(HWND parent, int control_id, std::unique_ptr<orr::GridBase> core)
    : core_(std::move(core))
{
    core_->OnClick = orr::raiser(OnClick, this);
    core_->OnDblClick = orr::raiser(OnDblClick, this);
    core_->Attach(this);

    // The border is fixed now: the sunken 3-D client edge, or a flat line without 3-D look.
    const bool sunken = core_->Ctl3D();
    const orr::Size size = core_->DefaultSize();
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (sunken ? 0 : WS_BORDER);
    Create(kGridClass, {.ex_style = sunken ? DWORD{WS_EX_CLIENTEDGE} : 0,
                    .style = style,
                    .bounds = {0, 0, size.width, size.height},
                    .parent = parent,
                    .control_id = control_id});
    // Cells fit the client from the first paint on, whether or not WM_SIZE came yet.
    RECT client{};
    GetClientRect(Handle(), &client);
    core_->Resize({client.right, client.bottom});
}

TCustomGrid::~TCustomGrid()
{
    Destroy();
    core_->Attach(nullptr);
}

LRESULT TCustomGrid::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(Handle(), &client);
        PaintInto(reinterpret_cast<HDC>(wparam), client);
        return 0;
    }
    case WM_ERASEBKGND: return 1; // painting covers every pixel; erasing first would flicker
    case WM_SIZE: core_->Resize(LOWORD(lparam), HIWORD(lparam)); return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam))
            InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_LBUTTONDOWN: MouseDown(lparam, false); return 0;
    case WM_LBUTTONDBLCLK: MouseDown(lparam, true); return 0;
    case WM_MOUSEMOVE: core_->MouseMove(client_point(lparam)); return 0;
    case WM_LBUTTONUP: MouseUp(lparam); return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse before the release could come.
        if (reinterpret_cast<HWND>(lparam) != Handle())
            core_->CancelGesture();
        return 0;
    case WM_KEYDOWN:
        if (KeyDown(wparam))
            return 0;
        break;
    case WM_GETDLGCODE: return DLGC_WANTARROWS; // Tab and Enter stay with the dialog manager
    case WM_MOUSEWHEEL: core_->Wheel(GET_WHEEL_DELTA_WPARAM(wparam)); return 0;
    case WM_SETFOCUS:
        active_.FocusGained();
        core_->FocusChanged();
        return 0;
    case WM_KILLFOCUS:
        active_.FocusLost(InOwnWindow(reinterpret_cast<HWND>(wparam)));
        core_->FocusChanged();
        return 0;
    default: break;
    }
    return Window::HandleMessage(message, wparam, lparam);
}

void TCustomGrid::Paint()
{
    const orr::win32::PaintScope paint(Handle());
    PaintInto(paint.dc(), paint.area());
}

void TCustomGrid::PaintInto(HDC target, const RECT& area)
{
    RECT client{};
    GetClientRect(Handle(), &client);
    if (IsRectEmpty(&area) || IsRectEmpty(&client))
        return;
    const orr::win32::BackBuffer buffer(target, {client.right, client.bottom}, area);
    DrawGrid(buffer.get(), area);
}

void TCustomGrid::DrawGrid(HDC dc, const RECT& area)
{
    const HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT);
    const orr::win32::Selection with_font(dc, font);
    orr::win32::GdiGridCanvas canvas(dc);
    const orr::Rect region{area.left, area.top, area.right, area.bottom};
    orr::paint_grid(*core_, canvas, {&region, 1});
}

void TCustomGrid::MouseDown(LPARAM lparam, bool double_click)
{
    core_->MouseDown(client_point(lparam), double_click);
    // Held outside the window, the button's release still comes here.
    if (core_->IsSelecting())
        SetCapture(Handle());
}

void TCustomGrid::MouseUp(LPARAM lparam)
{
    const orr::win32::CaptureRelease release(Handle());
    core_->MouseUp(client_point(lparam));
}

bool TCustomGrid::KeyDown(WPARAM key)
{
    const auto grid = orr::grid_key(kNavigationKeys, static_cast<int>(key));
    if (grid)
        core_->KeyDown(*grid, GetKeyState(VK_CONTROL) < 0);
    return grid.has_value();
}

bool TCustomGrid::InOwnWindow(HWND other) const
{
    return other && GetAncestor(other, GA_ROOT) == GetAncestor(Handle(), GA_ROOT);
}

bool TCustomGrid::TabStop() const { return (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_TABSTOP) != 0; }

void TCustomGrid::SetTabStop(bool stop)
{
    // Without a tab stop the grid still takes the focus when clicked.
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    SetWindowLongPtrA(Handle(), GWL_STYLE, stop ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
}

void TCustomGrid::invalidate(const orr::Rect& r)
{
    if (!Handle())
        return;
    const RECT rect{r.left, r.top, r.right, r.bottom};
    InvalidateRect(Handle(), &rect, FALSE);
}

void TCustomGrid::invalidate_all()
{
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void TCustomGrid::take_focus()
{
    if (Handle() && IsWindowEnabled(Handle()))
        SetFocus(Handle());
}

bool TCustomGrid::is_active_control() const
{
    const HWND focus = GetFocus();
    return Handle() && active_.IsActive(focus == Handle(), InOwnWindow(focus));
}
