// A canvas that records every drawing call and a host that records repaint
// requests, so the shared grid can be checked without any toolkit.
#pragma once

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "monthgrid/grid_base.h"
#include "monthgrid/grid_canvas.h"

namespace orr::test {

struct FillCall {
    Rect rect;
    Colour brush;
};
struct LinesCall {
    std::vector<Line> lines;
    Colour colour;
    int width;
};
struct TextCall {
    Rect clip;
    Point at;
    std::string text;
    Colour brush;
    Colour text_colour;
};
struct EdgeCall {
    Rect rect;
    unsigned sides;
};
struct FocusCall {
    Rect rect;
};
using CanvasCall = std::variant<FillCall, LinesCall, TextCall, EdgeCall, FocusCall>;

class RecordingCanvas : public GridCanvas {
public:
    // A fixed-pitch font: 6 pixels a character, 13 high.
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 13;

    std::uint32_t resolve(Colour colour) const override
    {
        if (!colour.is_system())
            return colour.bgr();
        const auto found = system_colours.find(colour.system_colour());
        return found != system_colours.end() ? found->second : 0x123456;
    }
    void set_brush(Colour colour) override { brush_ = colour; }
    void set_text_colour(Colour colour) override { text_colour_ = colour; }
    void fill_rect(const Rect& rect) override { calls.push_back(FillCall{rect, brush_}); }
    void draw_lines(std::span<const Line> lines, Colour colour, int width) override
    {
        calls.push_back(LinesCall{{lines.begin(), lines.end()}, colour, width});
    }
    Size text_extent(std::string_view text) override
    {
        return {static_cast<int>(text.size()) * kCharWidth, kTextHeight};
    }
    void text_rect(const Rect& clip, Point at, std::string_view text) override
    {
        calls.push_back(TextCall{clip, at, std::string(text), brush_, text_colour_});
    }
    void raised_inner_edge(const Rect& rect, unsigned sides) override
    {
        calls.push_back(EdgeCall{rect, sides});
    }
    void focus_rect(const Rect& rect) override { calls.push_back(FocusCall{rect}); }

    template <typename Call>
    std::vector<Call> all() const
    {
        std::vector<Call> found;
        for (const CanvasCall& call : calls) {
            if (const auto* c = std::get_if<Call>(&call))
                found.push_back(*c);
        }
        return found;
    }

    std::map<SystemColour, std::uint32_t> system_colours{{SystemColour::Window, 0xFFFFFF},
                                                         {SystemColour::WindowText, 0x000000},
                                                         {SystemColour::BtnFace, 0xF0F0F0},
                                                         {SystemColour::Highlight, 0xD77800},
                                                         {SystemColour::HighlightText, 0xFFFFFF}};
    std::vector<CanvasCall> calls;

private:
    Colour brush_ = clWindow;
    Colour text_colour_ = clWindowText;
};

class RecordingHost : public GridHost {
public:
    void invalidate(const Rect& rect) override { invalidated.push_back(rect); }
    void invalidate_all() override { ++whole_repaints; }
    void take_focus() override
    {
        if (focusable)
            active = true;
    }
    bool is_active_control() const override { return active; }

    bool focusable = true;
    bool active = false;
    std::vector<Rect> invalidated;
    int whole_repaints = 0;
};

} // namespace orr::test
