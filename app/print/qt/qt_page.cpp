#include "app/print/qt/qt_page.h"

#include <QGuiApplication>

#include "app/print/locale_weekdays.h"
#include "app/qt/design_font.h"
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
