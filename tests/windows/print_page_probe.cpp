// Draws the year page as the Win32 program prints it, where no printer can be had under
// Wine: into a bitmap of an A4 sheet at 288 dpi, written as a PPM, and into an enhanced
// metafile, which keeps the texts as text records.
// Usage: print_page_probe <year> <page.ppm> <page.emf>
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/print/paper.h"
#include "app/print/win32/gdi_page.h"
#include "core/win32/handles.h"

namespace {

// A printer's resolution: the grids' whole-pixel cells then end within two points of their box.
constexpr int kDpi = 288;
constexpr orr::print::PageSetup kA4{};

bool write_bitmap(const char* path, const orr::print::YearPage& page)
{
    const orr::Size size = orr::print::page_pixels(kA4, kDpi);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const orr::win32::GdiObject<HBITMAP> bitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const orr::win32::MemoryDc dc(nullptr);
    if (!bitmap || !dc.get())
        return false;
    const orr::win32::Selection selected(dc.get(), bitmap.get());
    const RECT sheet{0, 0, size.width, size.height};
    FillRect(dc.get(), &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    orr::win32::paint_gdi_year_page(dc.get(), orr::print::printable_area(kA4, kDpi), page, true);
    GdiFlush();
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    std::fprintf(out, "P6\n%d %d\n255\n", size.width, size.height);
    const auto* pixels = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < size.width * size.height; ++i) {
        const unsigned char rgb[3] = {pixels[4 * i + 2], pixels[4 * i + 1], pixels[4 * i]};
        std::fwrite(rgb, 1, 3, out);
    }
    return std::fclose(out) == 0;
}

bool write_metafile(const char* path, const orr::print::YearPage& page)
{
    const HDC dc = CreateEnhMetaFileA(nullptr, path, nullptr, "Orrindale\0Year page\0");
    if (!dc)
        return false;
    orr::win32::paint_gdi_year_page(dc, orr::print::printable_area(kA4, kDpi), page, true);
    const HENHMETAFILE made = CloseEnhMetaFile(dc);
    return made && DeleteEnhMetaFile(made);
}

} // namespace

int main(int argc, char* argv[])
{
    // The last three: a runner may put arguments of its own first.
    if (argc < 4)
        return 2;
    char** wanted = argv + argc - 3;
    orr::print::YearPage page;
    page.year = std::atoi(wanted[0]);
    return write_bitmap(wanted[1], page) && write_metafile(wanted[2], page) ? 0 : 1;
}
