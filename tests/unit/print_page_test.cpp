// The printed year: the sheets and their margins, where the page puts the months, what
// is drawn on paper, the command line that asks for a PDF, and the menu's command.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

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
    struct Case {
        PageSetup setup;
        int dpi;
        Size page;
        Rect printable;
    } cases[] = {
        {{PaperSize::A4, false}, 72, {595, 842}, {36, 36, 559, 806}},
        {{PaperSize::A4, true}, 1200, {14033, 9916}, {600, 600, 13433, 9316}},
        {{PaperSize::Letter, false}, 150, {1275, 1650}, {75, 75, 1200, 1575}},
        {{PaperSize::Letter, true}, 72, {792, 612}, {36, 36, 756, 576}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(print::page_pixels(c.setup, c.dpi), c.page) << c.dpi;
        EXPECT_EQ(print::printable_area(c.setup, c.dpi), c.printable) << c.dpi;
    }
}

TEST(YearPageLayout, MonthsFillThePrintableAreaInFourRowsOfThreeWithTheWindowsProportions)
{
    for (const PageSetup setup : {PageSetup{PaperSize::A4, false}, PageSetup{PaperSize::A4, true},
                                  PageSetup{PaperSize::Letter, false}, PageSetup{PaperSize::Letter, true}}) {
        const Rect area = print::printable_area(setup, 600);
        const print::YearPageLayout page = print::lay_out_year_page(area);
        const Rect& first = page.grids[0];
        const Rect& last = page.grids[11];
        SCOPED_TRACE(area.width());
        // Filled along one side, centred along the other.
        const int width = last.right - first.left;
        const int height = last.bottom - page.heading.top;
        EXPECT_TRUE(std::abs(width - area.width()) <= 1 || std::abs(height - area.height()) <= 1);
        EXPECT_NEAR(first.left - area.left, area.right - last.right, 2);
        EXPECT_NEAR(page.heading.top - area.top, area.bottom - last.bottom, 2);
        for (int month = 1; month <= 12; ++month) {
            const Rect& grid = page.grids[month - 1];
            const Rect& label = page.labels[month - 1];
            EXPECT_NEAR(grid.width() * 110.0 / (grid.height() * 210.0), 1.0, 0.01) << month;
            EXPECT_EQ(grid.left, page.grids[(month - 1) % 3].left) << month;
            EXPECT_EQ(grid.top, page.grids[(month - 1) / 3 * 3].top) << month;
            EXPECT_GT(grid.top, label.top) << month;
            EXPECT_GE(label.top, page.heading.bottom) << month;
        }
        EXPECT_GT(page.grids[1].left, page.grids[0].right);
        EXPECT_GT(page.grids[3].top, page.grids[0].bottom);
        EXPECT_GT(page.heading_font.pixel_height, page.label_font.pixel_height);
        EXPECT_EQ(page.line_width, std::max(1, static_cast<int>(std::lround(first.width() / 210.0))));
    }
    // Letter landscape at 72 dpi: 720 x 540 points, the height decides (a scale of 540/565).
    const print::YearPageLayout letter = print::lay_out_year_page({36, 36, 756, 576});
    EXPECT_EQ(letter.heading, (Rect{89, 36, 702, 82}));
    EXPECT_EQ(letter.grids[0], (Rect{89, 98, 290, 203}));
    EXPECT_EQ(letter.grids[11], (Rect{501, 471, 702, 576}));
}

class PageRecorder final : public print::PageCanvas {
public:
    void draw_in(const Rect& area, const mainform::Font&,
                 const std::function<void(GridCanvas&)>& draw) override
    {
        RecordingCanvas canvas;
        canvas.system_colours = {{SystemColour::Highlight, 0xFF0000}};
        draw(canvas);
        for (const TextCall& text : canvas.all<TextCall>())
            texts.push_back({area, text});
        for (const CanvasCall& call : canvas.calls)
            system_colours_seen += std::holds_alternative<FocusCall>(call) ||
                                   std::holds_alternative<EdgeCall>(call);
        for (const FillCall& fill : canvas.all<FillCall>())
            system_colours_seen += fill.brush.is_system() || fill.brush != Colour::from_bgr(0xFFFFFF);
    }
    struct Drawn {
        Rect area;
        TextCall text;
    };
    std::vector<Drawn> texts;
    int system_colours_seen = 0;
};

TEST(YearPagePainting, BlackOnWhiteWithoutSelectionAndTheMarkedMonthRedOnlyInColour)
{
    for (const bool colour : {true, false}) {
        print::YearPage page;
        page.year = 2027;
        page.marked_month = 3;
        PageRecorder recorder;
        const print::YearPageLayout layout = print::lay_out_year_page({0, 0, 2100, 2900});
        print::paint_year_page(page, layout, recorder, colour);
        EXPECT_EQ(recorder.system_colours_seen, 0);
        std::vector<std::string> titles;
        int days = 0;
        for (const auto& [area, text] : recorder.texts) {
            EXPECT_FALSE(text.brush.is_system() || text.text_colour.is_system()) << text.text;
            const bool red = text.text_colour == Colour::from_bgr(MainForm::kHighlightColour);
            EXPECT_EQ(red, colour && text.text == "March") << text.text;
            if (std::find(layout.grids.begin(), layout.grids.end(), area) == layout.grids.end())
                titles.push_back(text.text);
            days += text.text == "31";
        }
        EXPECT_EQ(titles, (std::vector<std::string>{"2027", "January", "February", "March", "April", "May",
                                                    "June", "July", "August", "September", "October",
                                                    "November", "December"}));
        EXPECT_EQ(days, 7); // the months of 31 days
    }
}

TEST(PrintOptions, CommandLineTable)
{
    struct Case {
        std::vector<std::string_view> arguments;
        bool print;
        std::string error; // its start
        int year = 0;
        PaperSize paper = PaperSize::A4;
        bool landscape = false;
    } cases[] = {
        {{}, false, ""},
        {{"-platform", "xcb"}, false, ""},
        {{"--print-pdf", "y.pdf"}, true, "", 0},
        {{"--print-pdf", "y.pdf", "--year", "1", "--page-size", "Letter", "--landscape"},
         true,
         "",
         1,
         PaperSize::Letter,
         true},
        {{"--landscape", "--year", "9999", "--print-pdf", "y.pdf", "--page-size", "A4"},
         true,
         "",
         9999,
         PaperSize::A4,
         true},
        {{"--print-pdf", "y.pdf", "--year", "0"}, true, "--year takes a year from 1 to 9999, not '0'"},
        {{"--print-pdf", "y.pdf", "--year", "10000"}, true, "--year takes"},
        {{"--print-pdf", "y.pdf", "--year", "20x7"}, true, "--year takes"},
        {{"--print-pdf", "y.pdf", "--year"}, true, "--year needs a value"},
        {{"--print-pdf", "y.pdf", "--page-size", "A5"}, true, "--page-size takes A4 or Letter, not 'A5'"},
        {{"--print-pdf", "y.pdf", "--colour"}, true, "unknown option '--colour'"},
        {{"--print-pdf"}, true, "--print-pdf needs a value"},
        {{"--print-pdf", ""}, true, "--print-pdf needs a file name"},
        {{"--year", "2027"}, true, "--print-pdf FILE is missing"},
    };
    for (const Case& c : cases) {
        const print::ParsedArguments parsed = print::parse_print_arguments(c.arguments);
        const std::string line = c.arguments.empty() ? "" : std::string(c.arguments.front());
        EXPECT_EQ(parsed.print, c.print) << line;
        EXPECT_TRUE(parsed.error.starts_with(c.error) && parsed.error.empty() == c.error.empty())
            << line << ": " << parsed.error;
        if (!c.print || !c.error.empty())
            continue;
        EXPECT_EQ(parsed.command.file, "y.pdf");
        EXPECT_EQ(parsed.command.year.value_or(0), c.year);
        EXPECT_EQ(parsed.command.setup.paper, c.paper);
        EXPECT_EQ(parsed.command.setup.landscape, c.landscape);
    }
}

class PrintYearCommand : public MainFormTest {};

TEST_F(PrintYearCommand, PrintsTheYearShownWithTodaysMonthMarkedOnlyInTodaysYear)
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
