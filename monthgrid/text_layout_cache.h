// Cell texts laid out once per font: shaping them at every paint costs more than all
// the rest of a grid's painting. The layouts are shared by every grid and kept for the
// last few fonts, so the twelve grids of a year lay out each text once, and a resize
// back and forth over the same font heights lays out nothing. A shell names its font
// and layout types and how to make them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orr {

template <typename Font, typename Layout>
class TextLayoutCache {
public:
    // A drag passes the same few font heights again and again.
    static constexpr std::size_t kKeptFonts = 16;

    TextLayoutCache() : store_(shared_store()) {}

    // Takes the layouts made for this font, or begins them with height_of(font).
    template <typename HeightOf>
    void use_font(const Font& font, HeightOf height_of)
    {
        if (!current_ || !(current_->font == font))
            current_ = store_->layouts_for(font, height_of);
    }
    // The line height of the font in use.
    int height() const { return current_ ? current_->height : 0; }

    // The layout of a UTF-8 text in the font in use; make(font, text) lays it out once.
    template <typename Make>
    const Layout& get(std::string_view text, Make make)
    {
        auto& layouts = current_->layouts;
        std::string key(text);
        auto found = layouts.find(key);
        if (found == layouts.end())
            found = layouts.emplace(std::move(key), make(current_->font, text)).first;
        return found->second;
    }

private:
    struct FontLayouts {
        Font font;
        int height = 0;
        std::unordered_map<std::string, Layout> layouts;
    };

    class Store {
    public:
        template <typename HeightOf>
        std::shared_ptr<FontLayouts> layouts_for(const Font& font, HeightOf height_of)
        {
            const auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                            [&](const auto& f) { return f->font == font; });
            if (found != fonts_.end()) {
                fonts_.splice(fonts_.begin(), fonts_, found);
                return fonts_.front();
            }
            fonts_.push_front(std::make_shared<FontLayouts>(FontLayouts{font, height_of(font), {}}));
            if (fonts_.size() > kKeptFonts)
                fonts_.pop_back();
            return fonts_.front();
        }

    private:
        std::list<std::shared_ptr<FontLayouts>> fonts_; // most recently used first
    };

    // Held by the caches alone, so the layouts go with the last grid, before the application.
    static std::shared_ptr<Store> shared_store()
    {
        static std::weak_ptr<Store> shared;
        std::shared_ptr<Store> store = shared.lock();
        if (!store) {
            store = std::make_shared<Store>();
            shared = store;
        }
        return store;
    }

    std::shared_ptr<Store> store_;
    std::shared_ptr<FontLayouts> current_;
};

} // namespace orr
