// The button glyphs as Qt images and icons, each with a normal and a greyed state.
#pragma once

#include <QIcon>
#include <QImage>

#include "app/glyph_pixels.h"

using orr::Glyph;

QImage glyph_image(Glyph glyph);
QImage disabled_glyph_image(Glyph glyph);
QIcon glyph_icon(Glyph glyph);
