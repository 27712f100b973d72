// Cell texts laid out once per font: shaping them at every paint costs more than
// all the rest of a grid's painting. The layouts are shared by every grid and kept
// for the last few fonts, so the twelve grids of a year lay out each text once, and a
// resize back and forth over the same font heights lays out nothing.
#pragma once

#include <QFont>
#include <QStaticText>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class LaidOutTexts {
public:
    struct Entry {
        QStaticText text;
        int width = 0;
    };
    struct FontTexts {
        QFont font;
        int height = 0;
        std::unordered_map<std::string, Entry> entries;
    };
    class Store;

    LaidOutTexts();
    ~LaidOutTexts();

    // Takes the layouts made for this font, or begins them.
    void use_font(const QFont& font);
    // text is UTF-8.
    const Entry& get(std::string_view text);
    int height() const { return current_ ? current_->height : 0; }

private:
    std::shared_ptr<Store> store_;
    std::shared_ptr<FontTexts> current_;
};
