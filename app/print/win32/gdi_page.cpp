#include "app/print/win32/gdi_page.h"

#include <commdlg.h>

#include "app/print/locale_weekdays.h"
#include "core/error.h"
#include "core/product.h"
#include "core/win32/handles.h"
#include "monthgrid/win32/gdi_canvas.h"

namespace orr::win32 {
namespace {

class GdiPageCanvas final : public print::PageCanvas {
public:
    explicit GdiPageCanvas(HDC dc) : dc_(dc) {}

    void draw_in(const Rect& area, const mainform::Font& font,
                 const std::function<void(GridCanvas&)>& draw) override
    {
        const int saved = SaveDC(dc_);
        OffsetViewportOrgEx(dc_, area.left, area.top, nullptr);
        IntersectClipRect(dc_, 0, 0, area.width(), area.height());
        const GdiObject<HFONT> made(CreateFontA(-font.pixel_height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                                                FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                                DEFAULT_PITCH | FF_DONTCARE, font.face));
        {
            const Selection selected(dc_, made.get());
            GdiGridCanvas canvas(dc_);
            draw(canvas);
        }
        RestoreDC(dc_, saved);
    }

private:
    HDC dc_;
};

} // namespace

void paint_gdi_year_page(HDC dc, const Rect& printable, print::YearPage page, bool colour)
{
    print::use_locale_weekday_names(page);
    GdiPageCanvas canvas(dc);
    print::paint_year_page(page, print::lay_out_year_page(printable), canvas, colour);
}

bool print_gdi_year_page(HDC printer, const print::YearPage& page)
{
    const DOCINFOA document{sizeof(DOCINFOA), kProductTitle, nullptr, nullptr, 0};
    if (StartDocA(printer, &document) <= 0)
        return false;
    if (StartPage(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    // The DC's origin is the printable area's corner; a printer of two colours prints no red.
    const Rect printable{0, 0, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
    paint_gdi_year_page(printer, printable, page, GetDeviceCaps(printer, NUMCOLORS) != 2);
    if (EndPage(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0;
}

void print_with_dialog(HWND owner, const print::YearPage& page)
{
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    // Cancelled, or no printer to offer: the dialog has said so itself.
    if (!PrintDlgW(&dialog))
        return;
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    const UniqueHandle<MemoryDcTraits> printer(dialog.hDC);
    if (!print_gdi_year_page(printer.get(), page))
        throw Error("Unable to print the year");
}

} // namespace orr::win32
