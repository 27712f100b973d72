// The year page on Win32: a printer's device context (or any DC of a page's size),
// drawn by the shared page through the grids' GDI canvas.
#pragma once

#include <windows.h>

#include "app/print/year_page.h"

namespace orr::win32 {

// printable: the part of the page to fill, in the DC's coordinates.
void paint_gdi_year_page(HDC dc, const Rect& printable, print::YearPage page, bool colour);

// The page as a print job of its own on a printer's DC; false when the printer refused it.
bool print_gdi_year_page(HDC printer, const print::YearPage& page);

// Asks for a printer with the common print dialog and prints the page there; nothing when
// the dialog is cancelled.
void print_with_dialog(HWND owner, const print::YearPage& page);

} // namespace orr::win32
