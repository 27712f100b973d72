// The grid canvas over QPainter: system colours from the widget's palette, texts
// from the grid's laid-out cache, everything clipped to the client area.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QStaticText>
#include <span>

#include "monthgrid/grid_canvas.h"
#include "monthgrid/stroke_pixels.h"
#include "monthgrid/text_layout_cache.h"

class QPainter;

struct LaidOutText {
    QStaticText text;
    int width = 0;
};
using LaidOutTexts = orr::TextLayoutCache<QFont, LaidOutText>;

inline QRect to_qrect(const orr::Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
inline orr::Rect from_qrect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Fills the strips of a 3-D edge in the palette's shades.
void fill_edge(QPainter& painter, const QPalette& palette, std::span<const orr::EdgeStrip> strips);

class QtGridCanvas final : public orr::GridCanvas {
public:
    // client: the grid's client area in widget coordinates; the canvas works in
    // client coordinates from here on.
    QtGridCanvas(QPainter& painter, const QPalette& palette, const QRect& client, const QFont& font,
                 LaidOutTexts& texts);

    std::uint32_t resolve(orr::Colour colour) const override;
    void set_brush(orr::Colour colour) override;
    void set_text_colour(orr::Colour colour) override;
    void fill_rect(const orr::Rect& rect) override;
    void draw_lines(std::span<const orr::Line> lines, orr::Colour colour, int width) override;
    orr::Size text_extent(std::string_view text) override;
    void text_rect(const orr::Rect& clip, orr::Point at, std::string_view text) override;
    void raised_inner_edge(const orr::Rect& rect, unsigned sides) override;
    void focus_rect(const orr::Rect& rect) override;

private:
    QColor colour(orr::Colour colour) const;

    QPainter& painter_;
    const QPalette& palette_;
    const QRect client_; // client coordinates
    LaidOutTexts& texts_;
    QColor brush_;
    QColor text_colour_;
    // The rectangle just filled in the brush: text over it needs no second fill.
    QRect filled_;
};
