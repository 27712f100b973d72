#include "app/print/year_page.h"

#include <string>

#include "app/main_form.h"
#include "monthgrid/date_names.h"
#include "monthgrid/grid_painter.h"
#include "monthgrid/month_grid.h"

namespace orr::print {
namespace {

constexpr Colour kPaper = Colour::from_bgr(0xFFFFFF);
constexpr Colour kInk = clBlack;
constexpr Colour kMarked = Colour::from_bgr(MainForm::kHighlightColour);

// Paper has no theme: the screen's colours turn to black on white, and neither the
// selection, the focus nor the 3-D edges of a window are printed.
class PaperCanvas final : public GridCanvas {
public:
    explicit PaperCanvas(GridCanvas& device) : device_(device) {}

    std::uint32_t resolve(Colour colour) const override { return device_.resolve(on_paper(colour)); }
    void set_brush(Colour colour) override { device_.set_brush(on_paper(colour)); }
    void set_text_colour(Colour colour) override { device_.set_text_colour(on_paper(colour)); }
    void fill_rect(const Rect& rect) override { device_.fill_rect(rect); }
    void draw_lines(std::span<const Line> lines, Colour colour, int width) override
    {
        device_.draw_lines(lines, on_paper(colour), width);
    }
    Size text_extent(std::string_view text) override { return device_.text_extent(text); }
    void text_rect(const Rect& clip, Point at, std::string_view text) override
    {
        device_.text_rect(clip, at, text);
    }
    void raised_inner_edge(const Rect&, unsigned) override {}
    void focus_rect(const Rect&) override {}

private:
    static Colour on_paper(Colour colour)
    {
        if (!colour.is_system())
            return colour;
        const SystemColour which = colour.system_colour();
        return which == SystemColour::WindowText || which == SystemColour::HighlightText ? kInk : kPaper;
    }

    GridCanvas& device_;
};

// One line of text across the top of its area, centred as the window's labels are.
void draw_title(GridCanvas& canvas, const Rect& area, const std::string& text, Colour colour)
{
    const Rect local{0, 0, area.width(), area.height()};
    canvas.set_brush(kPaper);
    canvas.set_text_colour(colour);
    canvas.text_rect(local, {(local.width() - canvas.text_extent(text).width) / 2, 0}, text);
}

void draw_grid(GridCanvas& canvas, const YearPage& page, const YearPageLayout& layout, int month)
{
    MonthGrid grid;
    grid.SetUseCurrentDate(mainform::kGridProperties.use_current_date);
    grid.SetStartOfWeek(mainform::kGridProperties.start_of_week);
    grid.SetWeekdayNames(page.monday_first);
    grid.SetCtl3D(false);
    grid.SetGridLineWidth(layout.line_width);
    grid.SetDay(1);
    grid.SetMonth(month);
    grid.SetYear(page.year);
    const Rect& area = layout.grids[month - 1];
    grid.Resize(Size{area.width(), area.height()});
    PaperCanvas paper(canvas);
    const Rect whole{0, 0, area.width(), area.height()};
    paint_grid(grid, paper, {&whole, 1});
}

} // namespace

void paint_year_page(const YearPage& page, const YearPageLayout& layout, PageCanvas& canvas, bool colour)
{
    canvas.draw_in(layout.heading, layout.heading_font,
                   [&](GridCanvas& c) { draw_title(c, layout.heading, std::to_string(page.year), kInk); });
    for (int month = 1; month <= kMonths; ++month) {
        const Rect& label = layout.labels[month - 1];
        const Colour name_colour = colour && month == page.marked_month ? kMarked : kInk;
        canvas.draw_in(label, layout.label_font,
                       [&](GridCanvas& c) { draw_title(c, label, month_name(month), name_colour); });
        canvas.draw_in(layout.grids[month - 1], layout.grid_font,
                       [&](GridCanvas& c) { draw_grid(c, page, layout, month); });
    }
}

} // namespace orr::print
