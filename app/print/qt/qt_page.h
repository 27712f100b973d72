// The year page on Qt: a printer's or a PDF writer's page under a QPainter, drawn by
// the shared page through the grids' QPainter canvas.
#pragma once

#include <QPainter>
#include <QWidget>

#include "app/print/page_canvas.h"
#include "app/print/year_page.h"

// printable: the part of the page to fill, in the painter's coordinates.
void paint_qt_year_page(QPainter& painter, const orr::Rect& printable, orr::print::YearPage page,
                        bool colour);

// Asks for a printer with the system's print dialog and prints the page there; nothing
// when the dialog is cancelled.
void print_with_dialog(QWidget* owner, const orr::print::YearPage& page);
