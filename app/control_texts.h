// The captions and hints of the year view's buttons, which the window shows and a
// screen reader announces, once for both shells.
#pragma once

namespace orr {

struct ButtonTexts {
    const char* caption; // "" for a button that shows only its glyph
    const char* hint;

    // A glyph alone says nothing to a screen reader, so such a button goes by its hint.
    constexpr const char* name() const { return *caption != '\0' ? caption : hint; }
};

inline constexpr ButtonTexts kLastYearButtonTexts{"", "Previous Year"};
inline constexpr ButtonTexts kNextYearButtonTexts{"", "Next Year"};
inline constexpr ButtonTexts kCurrentYearButtonTexts{"Current Year", "Jump to the current Calendar Year"};
inline constexpr ButtonTexts kExitButtonTexts{"Exit", "Exit Program"};

} // namespace orr
