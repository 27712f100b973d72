// Colours as the grid names them: fixed 0x00BBGGRR values, or a system colour
// that each shell's canvas resolves from its platform (palette roles, GetSysColor).
#pragma once

#include <cstdint>

namespace orr {

enum class SystemColour : std::uint8_t { Window, WindowText, BtnFace, Highlight, HighlightText };

class Colour {
public:
    static constexpr Colour from_bgr(std::uint32_t bbggrr) { return Colour(bbggrr & kRgbMask); }
    static constexpr Colour system(SystemColour which)
    {
        return Colour(kSystemFlag | static_cast<std::uint32_t>(which));
    }

    constexpr bool is_system() const { return (value_ & kSystemFlag) != 0; }
    constexpr SystemColour system_colour() const { return static_cast<SystemColour>(value_ & 0xFF); }
    // The 0x00BBGGRR value of a fixed colour.
    constexpr std::uint32_t bgr() const { return value_ & kRgbMask; }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    static constexpr std::uint32_t kSystemFlag = 0x80000000u;
    static constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;
    constexpr explicit Colour(std::uint32_t value) : value_(value) {}

    std::uint32_t value_;
};

constexpr std::uint8_t red_of(std::uint32_t bgr) { return bgr & 0xFF; }
constexpr std::uint8_t green_of(std::uint32_t bgr) { return (bgr >> 8) & 0xFF; }
constexpr std::uint8_t blue_of(std::uint32_t bgr) { return (bgr >> 16) & 0xFF; }

inline constexpr Colour clBlack = Colour::from_bgr(0x000000);
inline constexpr Colour clGray = Colour::from_bgr(0x808080);
inline constexpr Colour clSilver = Colour::from_bgr(0xC0C0C0);
inline constexpr Colour clWindow = Colour::system(SystemColour::Window);
inline constexpr Colour clWindowText = Colour::system(SystemColour::WindowText);
inline constexpr Colour clBtnFace = Colour::system(SystemColour::BtnFace);
inline constexpr Colour clHighlight = Colour::system(SystemColour::Highlight);
inline constexpr Colour clHighlightText = Colour::system(SystemColour::HighlightText);

} // namespace orr
