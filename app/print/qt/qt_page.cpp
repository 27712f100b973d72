#include "app/print/qt/qt_page.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "app/print/locale_weekdays.h"
#include "app/qt/design_font.h"
#include "core/error.h"
#include "monthgrid/qt/qt_canvas.h"

namespace {

class QtPageCanvas final : public orr::print::PageCanvas {
public:
    explicit QtPageCanvas(QPainter& painter) : painter_(painter) {}

    void draw_in(const orr::Rect& area, const orr::mainform::Font& font,
                 const std::function<void(orr::GridCanvas&)>& draw) override
    {
        painter_.save();
        LaidOutTexts texts;
        QtGridCanvas canvas(painter_, palette_, to_qrect(area), font_of(font), texts);
        draw(canvas);
        painter_.restore();
    }

private:
    QPainter& painter_;
    const QPalette palette_ = QGuiApplication::palette();
};

} // namespace

void paint_qt_year_page(QPainter& painter, const orr::Rect& printable, orr::print::YearPage page, bool colour)
{
    orr::print::use_locale_weekday_names(page);
    QtPageCanvas canvas(painter);
    orr::print::paint_year_page(page, orr::print::lay_out_year_page(printable), canvas, colour);
}

void print_with_dialog(QWidget* owner, const orr::print::YearPage& page)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        throw orr::Error("Unable to print to " + printer.outputFileName().toStdString());
    // The painter starts at the printable area's corner.
    paint_qt_year_page(painter, {0, 0, printer.width(), printer.height()}, page,
                       printer.colorMode() == QPrinter::Color);
}
