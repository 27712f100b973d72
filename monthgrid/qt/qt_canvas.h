// The grid canvas over QPainter: system colours from the widget's palette, texts
// from the grid's laid-out cache, everything clipped to the client area.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>

#include "monthgrid/grid_canvas.h"
#include "monthgrid/qt/laid_out_texts.h"

class QPainter;

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
