#include "monthgrid/qt/laid_out_texts.h"

#include <QFontMetrics>
#include <QTransform>

void LaidOutTexts::use_font(const QFont& font)
{
    if (font == font_ && height_ > 0)
        return;
    entries_.clear();
    font_ = font;
    height_ = QFontMetrics(font).height();
}

const LaidOutTexts::Entry& LaidOutTexts::get(std::string_view text)
{
    std::string key(text);
    auto found = entries_.find(key);
    if (found == entries_.end()) {
        const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        Entry entry{QStaticText(string), QFontMetrics(font_).horizontalAdvance(string)};
        entry.text.setTextFormat(Qt::PlainText);
        entry.text.prepare(QTransform(), font_);
        found = entries_.emplace(std::move(key), std::move(entry)).first;
    }
    return found->second;
}
