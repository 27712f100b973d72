// The 16 x 16, 16-colour button glyphs, each with a normal and a greyed state.
#pragma once

#include <QIcon>
#include <QImage>

enum class Glyph { LeftArrow, RightArrow, CalendarPage, Door };

QImage glyph_image(Glyph glyph);
QImage disabled_glyph_image(Glyph glyph);
QIcon glyph_icon(Glyph glyph);
