// UTF-8 and UTF-16 through the system's own converters.
#include "platform/win32/wide_text.h"

#include <windows.h>
#include <climits>

namespace orr::platform {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

bool already_raw(std::wstring_view path)
{
    return path.starts_with(kLongPrefix) || path.starts_with(kDevicePrefix);
}

std::wstring full_path(const std::wstring& path)
{
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (needed == 0 || length == 0 || length >= needed)
        return {};
    full.resize(length);
    return full;
}

} // namespace

std::wstring to_wide(std::string_view utf8)
{
    if (utf8.empty() || utf8.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string to_utf8(std::wstring_view wide)
{
    if (wide.empty() || wide.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size, nullptr, 0,
                                           nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size, utf8.data(), length, nullptr,
                        nullptr);
    return utf8;
}

std::wstring wide_path(const std::string& utf8)
{
    const std::wstring path = to_wide(utf8);
    if (path.size() < MAX_PATH || already_raw(path))
        return path;
    // The system takes a \\?\ path as it stands: it is made from the full, normalised one.
    const std::wstring full = full_path(path);
    if (full.empty() || already_raw(full))
        return full.empty() ? path : full;
    if (full.starts_with(L"\\\\"))
        return std::wstring(kLongUncPrefix) + full.substr(2);
    return std::wstring(kLongPrefix) + full;
}

std::optional<std::string> ansi_path(const std::string& utf8)
{
    if (utf8.empty() || GetACP() == CP_UTF8)
        return utf8;
    const std::wstring wide = to_wide(utf8);
    const int size = static_cast<int>(wide.size());
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0,
                                           nullptr, &defaulted);
    if (length <= 0 || defaulted)
        return std::nullopt;
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(), length, nullptr,
                        nullptr);
    return ansi;
}

} // namespace orr::platform
