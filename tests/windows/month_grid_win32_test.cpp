// The Win32 month grid as a real child window under Wine: its size message, its
// painting (printed into a memory DC), and the mouse, key, focus and font messages.
#include <windows.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "core/clock.h"
#include "core/win32/handles.h"
#include "monthgrid/win32/calendar.h"

namespace {

using orr::win32::GdiObject;
using orr::win32::MemoryDc;
using orr::win32::Selection;

constexpr const char* kParentClass = "OrrindaleGridTestParent";
constexpr int kGridId = 101;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);

HWND make_parent()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = instance;
    window_class.lpszClassName = kParentClass;
    RegisterClassExA(&window_class); // fails harmlessly once registered
    return CreateWindowExA(0, kParentClass, "Grid test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                           nullptr, nullptr, instance, nullptr);
}

// The client area as painted, read back from a 32-bit top-down DIB.
class Snapshot {
public:
    explicit Snapshot(HWND window)
    {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        const MemoryDc memory(nullptr);
        const GdiObject<HBITMAP> dib(
            CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const Selection into(memory.get(), dib.get());
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(pixels, pixels + client.right * client.bottom);
    }
    // As a COLORREF (0x00BBGGRR); the DIB holds 0x00RRGGBB.
    COLORREF at(int x, int y) const
    {
        const std::uint32_t p = pixels_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int width_ = 0;
    std::vector<std::uint32_t> pixels_;
};

class Win32MonthGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        orr::set_clock(&clock_); // 10 February 2026; the month starts on a Sunday
        parent_ = make_parent();
        ASSERT_NE(parent_, nullptr);
        grid = std::make_unique<TCalendar>(parent_, kGridId);
        SetWindowPos(grid->Handle(), nullptr, 10, 10, 210, 110, SWP_NOZORDER);
        SendMessageA(grid->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
        grid->OnClick = [this](TCustomGrid*) { ++clicks; };
        grid->OnDblClick = [this](TCustomGrid*) { ++double_clicks; };
        grid->OnChange = [this](TCalendar* sender) {
            EXPECT_EQ(sender, grid.get());
            ++changes;
        };
    }
    void TearDown() override
    {
        grid.reset();
        DestroyWindow(parent_);
        orr::set_clock(nullptr);
    }

    LPARAM centre(int col, int row) const
    {
        const int x = col * 29 + 14;
        const int y = row * 15 + 7;
        return MAKELPARAM(x, y);
    }
    LRESULT send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0)
    {
        return SendMessageA(grid->Handle(), message, wparam, lparam);
    }
    void click(int col, int row)
    {
        send(WM_LBUTTONDOWN, MK_LBUTTON, centre(col, row));
        send(WM_LBUTTONUP, 0, centre(col, row));
    }

    orr::FixedClock clock_{{2026, 2, 10, 12, 0, 0, 0}};
    GdiObject<HFONT> font_{CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       DEFAULT_PITCH, "Tahoma")};
    HWND parent_ = nullptr;
    std::unique_ptr<TCalendar> grid;
    int clicks = 0;
    int double_clicks = 0;
    int changes = 0;
};

TEST_F(Win32MonthGrid, SizeMessageFitsTheCellsInsideTheClientEdge)
{
    RECT client{};
    GetClientRect(grid->Handle(), &client);
    EXPECT_EQ(client.right, 206);
    EXPECT_EQ(client.bottom, 106);
    EXPECT_EQ(grid->Core().CellWidth(), 28);
    EXPECT_EQ(grid->Core().CellHeight(), 14);
    SetWindowPos(grid->Handle(), nullptr, 0, 0, 213, 110, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(grid->Core().CellWidth(), 29);
    send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), TRUE);
    EXPECT_EQ(grid->Core().CellWidth(), 29) << "a new font alone resizes nothing";
}

TEST_F(Win32MonthGrid, PaintsLinesCellsEdgesAndStrips)
{
    const Snapshot image(grid->Handle());
    for (int x : {28, 57, 86, 115, 144, 173, 202}) {
        EXPECT_EQ(image.at(x, 7), kBlack) << x;
        EXPECT_EQ(image.at(x, 37), kSilver) << x;
    }
    EXPECT_EQ(image.at(14, 14), kBlack) << "the line under the heading";
    for (int y : {29, 44, 59, 74, 89, 104})
        EXPECT_EQ(image.at(20, y), kSilver) << y;
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    for (int x : {203, 204, 205})
        EXPECT_EQ(image.at(x, 50), window) << x;
    EXPECT_EQ(image.at(100, 105), window);
    // The heading: button face inside raised edges.
    EXPECT_EQ(image.at(1, 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(image.at(0, 7), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(image.at(27, 7), GetSysColor(COLOR_BTNSHADOW));
    // 10 February in the highlight colours; other days on the window colour with black digits.
    EXPECT_EQ(image.at(59, 31), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(image.at(30, 16), window);
    int black_in_a_day = 0;
    for (int y = 45; y < 59; ++y) {
        for (int x = 116; x < 144; ++x)
            black_in_a_day += image.at(x, y) == kBlack;
    }
    EXPECT_GT(black_in_a_day, 0) << "the digits of 18 February";
}

TEST_F(Win32MonthGrid, HeadingEdgesReachTheirCorners)
{
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    const Snapshot image(grid->Handle());
    for (int y = 0; y < 14; ++y) {
        EXPECT_EQ(image.at(0, y), light) << "left edge " << y;
        EXPECT_EQ(image.at(27, y), y == 0 ? light : dark) << "right edge " << y;
    }
    for (int x = 0; x < 28; ++x) {
        EXPECT_EQ(image.at(x, 0), light) << "top edge " << x;
        EXPECT_EQ(image.at(x, 13), x == 0 ? light : dark) << "bottom edge " << x;
    }
}

TEST_F(Win32MonthGrid, WideLinesFillExactlyTheGapAfterEachCell)
{
    for (const int width : {2, 3}) {
        grid->Grid().SetGridLineWidth(width);
        SetWindowPos(grid->Handle(), nullptr, 0, 0, 211, 110, SWP_NOZORDER | SWP_NOMOVE);
        SetWindowPos(grid->Handle(), nullptr, 0, 0, 210, 110, SWP_NOZORDER | SWP_NOMOVE);
        const Snapshot image(grid->Handle());
        const int body_y = grid->Grid().CellRect(0, 2).top + 1;
        const int body_x = grid->Grid().CellRect(3, 0).left + 1;
        for (int i = 0; i < 7; ++i) {
            const orr::Rect cell = grid->Grid().CellRect(i, i);
            for (int k = 0; k < width; ++k) {
                EXPECT_EQ(image.at(cell.right + k, 7), kBlack) << width << " heading, column " << i;
                EXPECT_EQ(image.at(cell.right + k, body_y), kSilver) << width << " body, column " << i;
                EXPECT_EQ(image.at(body_x, cell.bottom + k), i == 0 ? kBlack : kSilver)
                    << width << " row " << i;
            }
            EXPECT_NE(image.at(cell.right - 1, body_y), kSilver) << width << " last pixel of column " << i;
            EXPECT_NE(image.at(body_x, cell.bottom - 1), kSilver) << width << " last pixel of row " << i;
            if (i < 6) {
                EXPECT_NE(image.at(cell.right + width, body_y), kSilver) << width << " after column " << i;
                EXPECT_NE(image.at(body_x, cell.bottom + width), kSilver) << width << " after row " << i;
            }
        }
    }
}

TEST_F(Win32MonthGrid, ClickOnAReadOnlyGridOnlyAddsTheFocusRectangle)
{
    grid->Core().SetReadOnly(true);
    grid->SetTabStop(false);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_EQ(Snapshot(grid->Handle()).at(59, 30), highlight);
    click(4, 4);
    EXPECT_EQ(GetFocus(), grid->Handle()) << "a press takes the focus without a tab stop";
    EXPECT_TRUE(grid->Core().IsActiveControl());
    EXPECT_EQ(grid->Core().Day(), 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);
    // The dotted outline inverts every other pixel of the held day's border.
    const Snapshot focused(grid->Handle());
    const bool first = focused.at(58, 30) != highlight;
    EXPECT_NE(first, focused.at(59, 30) != highlight) << "neighbours alternate";
    EXPECT_EQ(focused.at(65, 37), highlight) << "inside stays highlighted";
    SetFocus(parent_);
    EXPECT_FALSE(grid->Core().IsActiveControl());
    const Snapshot unfocused(grid->Handle());
    EXPECT_EQ(unfocused.at(58, 30), highlight);
    EXPECT_EQ(unfocused.at(59, 30), highlight);
}

TEST_F(Win32MonthGrid, MouseKeysAndWheelChangeAnEditableGrid)
{
    send(WM_LBUTTONDOWN, MK_LBUTTON, centre(1, 2));
    EXPECT_EQ(GetCapture(), grid->Handle()) << "the release comes here even outside";
    send(WM_MOUSEMOVE, MK_LBUTTON, centre(5, 3));
    send(WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(grid->Core().Day(), 20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);

    EXPECT_EQ(send(WM_GETDLGCODE), DLGC_WANTARROWS);
    send(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(grid->Core().Day(), 21);
    send(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(grid->Core().Day(), 15);
    send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(grid->Core().Day(), 22);
    send(WM_LBUTTONDBLCLK, MK_LBUTTON, centre(0, 1));
    EXPECT_EQ(double_clicks, 1);
    EXPECT_EQ(grid->Core().Day(), 22) << "a double click does nothing else";
}

TEST_F(Win32MonthGrid, TheOwnerKeepsItsFontAndGridsShareOneClass)
{
    EXPECT_EQ(reinterpret_cast<HFONT>(send(WM_GETFONT)), font_.get());
    const TCalendar second(parent_, kGridId + 1);
    EXPECT_NE(second.Handle(), nullptr);
    grid.reset();
    LOGFONTA described{};
    EXPECT_NE(GetObjectA(font_.get(), sizeof(described), &described), 0)
        << "the grid deleted a font it does not own";
    EXPECT_EQ(described.lfHeight, -13);
}

} // namespace
