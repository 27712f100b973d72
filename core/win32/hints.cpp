#include "core/win32/hints.h"

#include <commctrl.h>

namespace orr::win32 {
namespace {

TOOLINFOA tool_info(const HintTool& tool, const char* text)
{
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_SUBCLASS | (tool.area ? 0 : TTF_IDISHWND);
    info.hwnd = tool.host;
    info.uId = tool.id;
    if (tool.area)
        info.rect = *tool.area;
    info.lpszText = const_cast<char*>(text);
    return info;
}

} // namespace

HWND make_hint_window(HWND owner, DWORD style)
{
    return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | style,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void add_hint(HWND hints, const HintTool& tool, const char* text)
{
    TOOLINFOA info = tool_info(tool, text);
    SendMessageA(hints, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void remove_hint(HWND hints, const HintTool& tool)
{
    TOOLINFOA info = tool_info(tool, nullptr);
    SendMessageA(hints, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

} // namespace orr::win32
