// Cell texts laid out once per font: shaping them at every paint costs more than
// all the rest of a grid's painting.
#pragma once

#include <QFont>
#include <QStaticText>
#include <string>
#include <string_view>
#include <unordered_map>

class LaidOutTexts {
public:
    struct Entry {
        QStaticText text;
        int width = 0;
    };

    // Keeps the layouts made for this font, drops them for any other.
    void use_font(const QFont& font);
    // text is UTF-8.
    const Entry& get(std::string_view text);
    int height() const { return height_; }
    void clear() { entries_.clear(); }

private:
    QFont font_;
    int height_ = 0;
    std::unordered_map<std::string, Entry> entries_;
};
