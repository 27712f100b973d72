// A font of the main window's design table as Qt makes it.
#pragma once

#include <QFont>

#include "app/main_form_design.h"

inline QFont font_of(const orr::mainform::Font& design)
{
    QFont font(QString::fromLatin1(design.face));
    font.setPixelSize(design.pixel_height);
    font.setBold(design.bold);
    return font;
}
