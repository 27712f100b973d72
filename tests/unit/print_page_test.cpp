// The printed year: sheets and margins, where the months go, what paper shows, the
// command line that asks for a PDF, and the menu's command.
#include <algorithm>
#include <gtest/gtest.h>

#include "app/print/paper.h"
#include "app/print/print_options.h"
#include "app/print/year_page.h"
#include "tests/unit/main_form_fixture.h"
#include "tests/unit/recording_grid.h"

namespace orr::test {
namespace {

using print::PageSetup;
using print::PaperSize;

TEST(Paper, SheetsTurnForLandscapeAndKeepHalfAnInchClear)
{
    const struct {
        PageSetup setup;
        int dpi;
        Size page;
        Rect printable;
    } cases[] = {{{PaperSize::A4, false}, 72, {595, 842}, {36, 36, 559, 806}},
                 {{PaperSize::A4, true}, 1200, {14033, 9916}, {600, 600, 13433, 9316}},
                 {{PaperSize::Letter, true}, 150, {1650, 1275}, {75, 75, 1575, 1200}}};
    for (const auto& c : cases) {
        EXPECT_EQ(print::page_pixels(c.setup, c.dpi), c.page) << c.dpi;
        EXPECT_EQ(print::printable_area(c.setup, c.dpi), c.printable) << c.dpi;
    }
}

TEST(YearPageLayout, MonthsFillThePrintableAreaInFourRowsOfThreeWithTheWindowsProportions)
{
    for (const bool landscape : {false, true}) {
        const Rect area = print::printable_area({PaperSize::A4, landscape}, 600);
        const print::YearPageLayout page = print::lay_out_year_page(area);
        const Rect &first = page.grids[0], &last = page.grids[11];
        // Filled along one side, centred along the other.
        EXPECT_TRUE(std::abs(last.right - first.left - area.width()) <= 1 ||
                    std::abs(last.bottom - page.heading.top - area.height()) <= 1);
        EXPECT_NEAR(first.left - area.left, area.right - last.right, 2);
        EXPECT_NEAR(page.heading.top - area.top, area.bottom - last.bottom, 2);
        for (int m = 0; m < 12; ++m) {
            const Rect& grid = page.grids[m];
            EXPECT_NEAR(grid.width() * 110.0 / (grid.height() * 210.0), 1.0, 0.01) << m;
            EXPECT_EQ(grid.left, page.grids[m % 3].left) << m;
            EXPECT_EQ(grid.top, page.grids[m / 3 * 3].top) << m;
            EXPECT_LT(page.labels[m].top, grid.top) << m;
        }
        EXPECT_EQ(page.line_width, std::lround(first.width() / 210.0));
    }
    // Letter landscape at 72 dpi: 720 x 540 points, the height decides (a scale of 540/565).
    const print::YearPageLayout letter = print::lay_out_year_page({36, 36, 756, 576});
    EXPECT_EQ(letter.heading, (Rect{89, 36, 702, 82}));
    EXPECT_EQ(letter.grids[0], (Rect{89, 98, 290, 203}));
    EXPECT_EQ(letter.grids[11], (Rect{501, 471, 702, 576}));
}

// Records the texts drawn on each area, and anything drawn that paper should not show.
struct PageRecorder final : print::PageCanvas {
    void draw_in(const Rect& area, const mainform::Font&,
                 const std::function<void(GridCanvas&)>& draw) override
    {
        RecordingCanvas canvas;
        draw(canvas);
        for (const CanvasCall& call : canvas.calls) {
            const auto* fill = std::get_if<FillCall>(&call);
            const auto* text = std::get_if<TextCall>(&call);
            unwanted += std::holds_alternative<FocusCall>(call) || std::holds_alternative<EdgeCall>(call) ||
                        (fill && fill->brush != Colour::from_bgr(0xFFFFFF)) ||
                        (text && (text->brush.is_system() || text->text_colour.is_system()));
            if (text)
                texts.push_back({area, *text});
        }
    }
    std::vector<std::pair<Rect, TextCall>> texts;
    int unwanted = 0;
};

TEST(YearPagePainting, BlackOnWhiteWithoutSelectionAndTheMarkedMonthRedOnlyInColour)
{
    const print::YearPageLayout layout = print::lay_out_year_page({0, 0, 2100, 2900});
    for (const bool colour : {true, false}) {
        PageRecorder recorder;
        print::paint_year_page({2027, 3}, layout, recorder, colour);
        EXPECT_EQ(recorder.unwanted, 0);
        std::vector<std::string> titles;
        for (const auto& [area, text] : recorder.texts) {
            const bool red = text.text_colour == Colour::from_bgr(MainForm::kHighlightColour);
            EXPECT_EQ(red, colour && text.text == "March") << text.text;
            if (std::find(layout.grids.begin(), layout.grids.end(), area) == layout.grids.end())
                titles.push_back(text.text);
        }
        EXPECT_EQ(titles, (std::vector<std::string>{"2027", "January", "February", "March", "April", "May",
                                                    "June", "July", "August", "September", "October",
                                                    "November", "December"}));
        EXPECT_EQ(std::count_if(recorder.texts.begin(), recorder.texts.end(),
                                [](const auto& drawn) { return drawn.second.text == "31"; }),
                  7); // the months of 31 days
    }
}

TEST(PrintOptions, CommandLineTable)
{
    using A = std::vector<std::string_view>;
    const struct {
        A arguments;
        bool print;
        std::string error; // its start; empty: a good command
        int year = 0;
        PaperSize paper = PaperSize::A4;
        bool landscape = false;
    } cases[] = {
        {{}, false, ""},
        {{"-platform", "xcb"}, false, ""},
        {{"--print-pdf", "y.pdf"}, true, ""},
        {{"--landscape", "--year", "9999", "--print-pdf", "y.pdf", "--page-size", "Letter"},
         true,
         "",
         9999,
         PaperSize::Letter,
         true},
        {{"--print-pdf", "y.pdf", "--year", "1", "--page-size", "A4"}, true, "", 1},
        {{"--print-pdf", "y.pdf", "--year", "0"}, true, "--year takes a year from 1 to 9999, not '0'"},
        {{"--print-pdf", "y.pdf", "--year", "10000"}, true, "--year takes"},
        {{"--print-pdf", "y.pdf", "--year", "20x7"}, true, "--year takes"},
        {{"--print-pdf", "y.pdf", "--year"}, true, "--year needs a value"},
        {{"--print-pdf", "y.pdf", "--page-size", "A5"}, true, "--page-size takes A4 or Letter, not 'A5'"},
        {{"--print-pdf", "y.pdf", "--colour"}, true, "unknown option '--colour'"},
        {{"--print-pdf", ""}, true, "--print-pdf needs a file name"},
        {{"--year", "2027"}, true, "--print-pdf FILE is missing"},
    };
    for (const auto& c : cases) {
        const print::ParsedArguments parsed = print::parse_print_arguments(c.arguments);
        SCOPED_TRACE(c.arguments.size() > 2 ? c.arguments[2] : "");
        EXPECT_EQ(parsed.print, c.print);
        EXPECT_TRUE(parsed.error.starts_with(c.error) && parsed.error.empty() == c.error.empty())
            << parsed.error;
        if (c.print && c.error.empty()) {
            EXPECT_EQ(parsed.command.file, "y.pdf");
            EXPECT_EQ(parsed.command.year.value_or(0), c.year);
            EXPECT_EQ(parsed.command.setup.paper, c.paper);
            EXPECT_EQ(parsed.command.setup.landscape, c.landscape);
        }
    }
}

TEST_F(MainFormTest, PrintYearPrintsTheYearShownWithTodaysMonthMarkedOnlyInTodaysYear)
{
    form.Run(mainform::Command::PrintYear); // nothing shown yet: nothing to print
    form.FormShow();
    form.Run(mainform::Command::PrintYear);
    form.Next_Year_SpeedButtonClick();
    form.Run(mainform::Command::PrintYear);
    EXPECT_EQ(view.calls("PrintYear"),
              (std::vector<std::string>{"PrintYear 2026 marked 3", "PrintYear 2027 marked 0"}));
}

} // namespace
} // namespace orr::test
