#include "monthgrid/win32/window_text.h"

void set_window_text(HWND window, const std::string& utf8)
{
    const int source_length = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), source_length, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), source_length, wide.data(), static_cast<int>(wide.size()));
    SetWindowTextW(window, wide.c_str());
}
