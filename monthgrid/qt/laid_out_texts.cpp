#include "monthgrid/qt/laid_out_texts.h"

#include <QFontMetrics>
#include <QTransform>
#include <algorithm>
#include <list>

namespace {

// A drag passes the same few font heights again and again.
constexpr std::size_t kKeptFonts = 16;

} // namespace

class LaidOutTexts::Store {
public:
    std::shared_ptr<FontTexts> texts_for(const QFont& font)
    {
        auto found = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& f) { return f->font == font; });
        if (found != fonts_.end()) {
            fonts_.splice(fonts_.begin(), fonts_, found);
            return fonts_.front();
        }
        auto texts = std::make_shared<FontTexts>();
        texts->font = font;
        texts->height = QFontMetrics(font).height();
        fonts_.push_front(texts);
        if (fonts_.size() > kKeptFonts)
            fonts_.pop_back();
        return texts;
    }

private:
    std::list<std::shared_ptr<FontTexts>> fonts_; // most recently used first
};

namespace {

// Held by the grids alone, so the layouts go with the last grid, before the application.
std::shared_ptr<LaidOutTexts::Store> shared_store()
{
    static std::weak_ptr<LaidOutTexts::Store> shared;
    std::shared_ptr<LaidOutTexts::Store> store = shared.lock();
    if (!store) {
        store = std::make_shared<LaidOutTexts::Store>();
        shared = store;
    }
    return store;
}

} // namespace

LaidOutTexts::LaidOutTexts() : store_(shared_store()) {}

LaidOutTexts::~LaidOutTexts() = default;

void LaidOutTexts::use_font(const QFont& font)
{
    if (!current_ || !(current_->font == font))
        current_ = store_->texts_for(font);
}

const LaidOutTexts::Entry& LaidOutTexts::get(std::string_view text)
{
    auto& entries = current_->entries;
    std::string key(text);
    auto found = entries.find(key);
    if (found == entries.end()) {
        const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        Entry entry{QStaticText(string), QFontMetrics(current_->font).horizontalAdvance(string)};
        entry.text.setTextFormat(Qt::PlainText);
        entry.text.prepare(QTransform(), current_->font);
        found = entries.emplace(std::move(key), std::move(entry)).first;
    }
    return found->second;
}
