// Owners for every handle the Win32 shell holds: GDI objects and device contexts,
// selections, paint scopes and back buffers, the mouse capture, kernel, search and
// registry handles, and COM for one use. Each is released by its owner on every path,
// errors included.
#pragma once

#include <windows.h>
#include <cstdint>
#include <objbase.h>
#include <optional>
#include <utility>

namespace orr::win32 {

// A handle with one owner; Traits name its empty value and how it is released.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { close(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::empty())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            close();
            handle_ = std::exchange(other.handle_, Traits::empty());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    bool valid() const { return handle_ != Traits::empty(); }
    explicit operator bool() const { return valid(); }
    // True when the handle was released without error (or none was held).
    bool close()
    {
        if (!valid())
            return true;
        const bool released = Traits::release(handle_);
        handle_ = Traits::empty();
        return released;
    }

private:
    Handle handle_ = Traits::empty();
};

template <typename H>
struct GdiObjectTraits {
    using Handle = H;
    static Handle empty() { return nullptr; }
    static bool release(Handle handle) { return DeleteObject(handle) != 0; }
};
// A pen, brush, bitmap or font this code created.
template <typename H>
using GdiObject = UniqueHandle<GdiObjectTraits<H>>;

struct FileTraits {
    using Handle = HANDLE;
    static Handle empty() { return INVALID_HANDLE_VALUE; }
    static bool release(Handle handle) { return CloseHandle(handle) != 0; }
};
// What CreateFileA opened; INVALID_HANDLE_VALUE when it failed.
using FileHandle = UniqueHandle<FileTraits>;

struct KernelTraits {
    using Handle = HANDLE;
    static Handle empty() { return nullptr; }
    static bool release(Handle handle) { return CloseHandle(handle) != 0; }
};
// A process, job or other kernel object; nullptr when opening it failed.
using KernelHandle = UniqueHandle<KernelTraits>;

struct SearchTraits {
    using Handle = HANDLE;
    static Handle empty() { return INVALID_HANDLE_VALUE; }
    static bool release(Handle handle) { return FindClose(handle) != 0; }
};
// A directory search of FindFirstFileW.
using SearchHandle = UniqueHandle<SearchTraits>;

struct KeyTraits {
    using Handle = HKEY;
    static Handle empty() { return nullptr; }
    static bool release(Handle handle) { return RegCloseKey(handle) == ERROR_SUCCESS; }
};
// An open registry key.
using KeyHandle = UniqueHandle<KeyTraits>;

struct WindowTraits {
    using Handle = HWND;
    static Handle empty() { return nullptr; }
    static bool release(Handle handle) { return DestroyWindow(handle) != FALSE; }
};
// A top-level window that has no owner to take it along when that goes.
using WindowHandle = UniqueHandle<WindowTraits>;

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle empty() { return nullptr; }
    static bool release(Handle handle) { return DeleteDC(handle) != 0; }
};

// A 32-bit top-down DIB section whose pixels this code writes directly; bits points at
// them (premultiplied, where it is drawn with AlphaBlend).
inline GdiObject<HBITMAP> dib_section(int width, int height, std::uint32_t*& bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    bits = static_cast<std::uint32_t*>(pixels);
    return bitmap;
}

// A memory DC compatible with another (nullptr: with the screen).
class MemoryDc {
public:
    explicit MemoryDc(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    HDC get() const { return dc_.get(); }

private:
    UniqueHandle<MemoryDcTraits> dc_;
};

// A window's DC (nullptr: the screen's) for one scope.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC for one scope; the one it replaced comes back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A DC's state (its clipping, above all) saved for one scope and put back after.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Gives the mouse back at the end of a gesture, also when an error ends it.
class CaptureRelease {
public:
    explicit CaptureRelease(HWND window) : window_(window) {}
    ~CaptureRelease()
    {
        if (GetCapture() == window_)
            ReleaseCapture();
    }
    CaptureRelease(const CaptureRelease&) = delete;
    CaptureRelease& operator=(const CaptureRelease&) = delete;

private:
    HWND window_;
};

// BeginPaint .. EndPaint around one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC dc() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Off-screen drawing for one scope, so that nothing flickers: a bitmap of `size` behind
// a memory DC, whose part `shown` is copied to the same place on the target at the end.
// Where no bitmap can be made, drawing goes straight to the target.
class BackBuffer {
public:
    BackBuffer(HDC target, SIZE size, const RECT& shown)
        : target_(target), shown_(shown), memory_(target),
          bitmap_(CreateCompatibleBitmap(target, size.cx, size.cy))
    {
        if (memory_.get() && bitmap_)
            into_.emplace(memory_.get(), bitmap_.get());
    }
    ~BackBuffer()
    {
        if (into_)
            BitBlt(target_, shown_.left, shown_.top, shown_.right - shown_.left, shown_.bottom - shown_.top,
                   memory_.get(), shown_.left, shown_.top, SRCCOPY);
    }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    HDC get() const { return into_ ? memory_.get() : target_; }

private:
    HDC target_;
    RECT shown_;
    MemoryDc memory_;
    GdiObject<HBITMAP> bitmap_;
    std::optional<Selection> into_;
};

// COM for the length of one use (the Windows Imaging Component's); a thread that has
// set COM up otherwise keeps its own.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

} // namespace orr::win32
