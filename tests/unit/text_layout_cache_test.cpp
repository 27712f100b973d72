// When the grids' text layouts are made again: per font, shared by every grid, kept for
// the last sixteen fonts used and gone with the last grid.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "monthgrid/text_layout_cache.h"

namespace {

// The font is its pixel height; a layout remembers which making it was.
using Cache = orr::TextLayoutCache<int, int>;

class TextLayouts : public ::testing::Test {
protected:
    // The making a text's layout came from, in this font, through this cache.
    int layout(Cache& cache, int font, const std::string& text)
    {
        cache.use_font(font, [](int f) { return f + 2; });
        return cache.get(text, [this](int, std::string_view) { return ++made; });
    }
    int made = 0;
};

TEST_F(TextLayouts, EachTextIsLaidOutOncePerFontForEveryGrid)
{
    Cache january;
    Cache february;
    EXPECT_EQ(layout(january, 13, "Sun"), 1);
    EXPECT_EQ(layout(february, 13, "Sun"), 1);
    EXPECT_EQ(february.height(), 15);
    EXPECT_EQ(layout(february, 13, "Mon"), 2);
    EXPECT_EQ(layout(january, 14, "Sun"), 3);
    EXPECT_EQ(layout(january, 13, "Mon"), 2);
}

TEST_F(TextLayouts, OnlyTheSixteenFontsUsedLastAreKept)
{
    Cache grid;
    struct Case {
        int others; // fonts used since font 1 was last used
        bool kept;
    };
    for (const Case c : std::vector<Case>{{15, true}, {16, false}}) {
        const int first = layout(grid, 1, "1");
        for (int font = 2; font < 2 + c.others; ++font)
            layout(grid, font, "1");
        EXPECT_EQ(layout(grid, 1, "1") == first, c.kept) << c.others;
    }
}

TEST_F(TextLayouts, LayoutsGoWithTheLastGrid)
{
    {
        Cache grid;
        layout(grid, 13, "Sun");
    }
    Cache grid;
    EXPECT_EQ(layout(grid, 13, "Sun"), 2);
}

} // namespace
