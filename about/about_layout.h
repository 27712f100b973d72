// The About window's design: every control with its kind, parent, bounds, font, style
// and design texts, in creation order (later controls lie above earlier ones). Both
// shells build their window from this one table.
#pragma once

#include <array>
#include <cstddef>

#include "about/gif_animator.h"
#include "monthgrid/grid_geometry.h"

namespace orr::about {

enum class Control {
    GroupBox1,
    GroupBox2,
    Vintrel_Logo_Banner_Image,
    Bevel1,
    Vintrel_Logo_GIFImage,
    Quote_From_Vintrel_Label,
    ProductName,
    Author_and_Date,
    Developed_using,
    Copyright,
    Software_Status,
    Comments,
    WEB_Page_Label,
    Label3,
    Label4,
    Email_Address_Label,
    WEB_Address_Label,
    Email_Button,
    WEB_Button,
    OKButton,
    Bevel3,
    Badge_Logo,
    Badge_Label,
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Badge_Label) + 1;

enum class Kind { GroupBox, Picture, Bevel, GifImage, Label, LinkLabel, Button, OkButton };
enum class Parent { Window, GroupBox1, GroupBox2 };
enum class TextColour { WindowText, Link, HighlightText };

// Label styles, combined as bits.
inline constexpr unsigned kAutoSize = 1; // sized to its text
inline constexpr unsigned kWordWrap = 2;
inline constexpr unsigned kCentred = 4;     // text centred horizontally
inline constexpr unsigned kTransparent = 8; // no background of its own

struct Font {
    const char* face = nullptr; // nullptr: the window's font
    int pixel_height = 0;       // character height
    bool bold = false;
    bool underline = false;
    bool serif = false; // the family to fall back on where the face is missing
};

struct Design {
    Control id;
    const char* name;
    Kind kind;
    Parent parent;
    int left, top, width, height; // within the parent; an auto-sized label's size follows its text
    Font font;
    unsigned style = 0;
    TextColour colour = TextColour::WindowText;
    const char* caption = ""; // design caption
    const char* hint = "";    // design hint
};

inline constexpr int kClientWidth = 591;
inline constexpr int kClientHeight = 354;
inline constexpr Font kWindowFont{"System", 13};
inline constexpr int kLinkColour = 0xFF0000; // 0x00BBGGRR: pure blue
// The logo fills its bounds, shows the window through, and plays once.
inline constexpr gif::Animator::Look kLogoLook{.stretch = true, .opaque = false, .loop = false};

// The standard OK button: its glyph's distance from the left edge; the caption is
// centred in the rest.
inline constexpr int kGlyphInset = 2;

namespace detail {
inline constexpr Font kTimes15{"Times New Roman", 15, false, false, true};
inline constexpr Font kTimes15Bold{"Times New Roman", 15, true, false, true};
inline constexpr Font kLinkFont{"Times New Roman", 16, true, true, true};
inline constexpr Font kButtonFont{"System", 13};
} // namespace detail

inline constexpr std::array<Design, kControlCount> kDesign{{
    {Control::GroupBox1, "GroupBox1", Kind::GroupBox, Parent::Window, 0, 52, 589, 301, {}},
    {Control::GroupBox2, "GroupBox2", Kind::GroupBox, Parent::Window, 0, -4, 589, 65, {}},
    {Control::Vintrel_Logo_Banner_Image,
     "Vintrel_Logo_Banner_Image",
     Kind::Picture,
     Parent::GroupBox2,
     1,
     0,
     600,
     70,
     {}},
    {Control::Bevel1, "Bevel1", Kind::Bevel, Parent::GroupBox1, 5, 14, 184, 167, {}},
    {Control::Vintrel_Logo_GIFImage,
     "Vintrel_Logo_GIFImage",
     Kind::GifImage,
     Parent::GroupBox1,
     12,
     16,
     173,
     165,
     {}},
    {Control::Quote_From_Vintrel_Label, "Quote_From_Vintrel_Label", Kind::Label, Parent::GroupBox1, 8, 184,
     181, 113, detail::kTimes15, kWordWrap | kCentred},
    {Control::ProductName, "ProductName", Kind::Label, Parent::GroupBox1, 205, 16, 380, 18,
     detail::kTimes15Bold},
    {Control::Author_and_Date, "Author_and_Date", Kind::Label, Parent::GroupBox1, 205, 45, 380, 18,
     detail::kTimes15Bold},
    {Control::Developed_using, "Developed_using", Kind::Label, Parent::GroupBox1, 205, 74, 380, 18,
     detail::kTimes15, kWordWrap},
    {Control::Copyright, "Copyright", Kind::Label, Parent::GroupBox1, 205, 103, 380, 18, detail::kTimes15},
    {Control::Software_Status, "Software_Status", Kind::Label, Parent::GroupBox1, 205, 133, 380, 18,
     detail::kTimes15, kWordWrap},
    {Control::Comments, "Comments", Kind::Label, Parent::GroupBox1, 205, 162, 380, 18, detail::kTimes15,
     kWordWrap},
    {Control::WEB_Page_Label, "WEB_Page_Label", Kind::Label, Parent::GroupBox1, 205, 191, 380, 18,
     detail::kTimes15, kWordWrap},
    {Control::Label3, "Label3", Kind::Label, Parent::GroupBox1, 207, 220, 0, 0, detail::kTimes15, kAutoSize,
     TextColour::WindowText, "Free System Resources :"},
    {Control::Label4, "Label4", Kind::Label, Parent::GroupBox1, 375, 220, 0, 0, detail::kTimes15, kAutoSize,
     TextColour::WindowText, "Free %"},
    {Control::Email_Address_Label, "Email_Address_Label", Kind::LinkLabel, Parent::GroupBox1, 424, 136, 0, 0,
     detail::kLinkFont, kAutoSize, TextColour::Link},
    {Control::WEB_Address_Label, "WEB_Address_Label", Kind::LinkLabel, Parent::GroupBox1, 424, 104, 0, 0,
     detail::kLinkFont, kAutoSize, TextColour::Link},
    {Control::Email_Button, "Email_Button", Kind::Button, Parent::GroupBox1, 416, 160, 169, 23,
     detail::kButtonFont},
    {Control::WEB_Button, "WEB_Button", Kind::Button, Parent::GroupBox1, 416, 189, 169, 23,
     detail::kButtonFont},
    {Control::OKButton, "OKButton", Kind::OkButton, Parent::GroupBox1, 245, 251, 100, 37,
     Font{"MS Sans Serif", 16, true}, 0, TextColour::WindowText, "OK"},
    {Control::Bevel3, "Bevel3", Kind::Bevel, Parent::GroupBox1, 420, 244, 157, 49, {}},
    {Control::Badge_Logo,
     "Badge_Logo",
     Kind::Picture,
     Parent::GroupBox1,
     424,
     248,
     149,
     41,
     {},
     0,
     TextColour::WindowText,
     "",
     "Hey, don't poke me there !!"},
    {Control::Badge_Label, "Badge_Label", Kind::Label, Parent::GroupBox1, 430, 252, 98, 32, Font{"Arial", 13},
     kWordWrap | kCentred | kTransparent, TextColour::HighlightText, "Orrindale Software"},
}};

constexpr const Design& design(Control id) { return kDesign[static_cast<std::size_t>(id)]; }

// Points and rectangles in client coordinates, as the month grid's geometry has them.
using orr::Point;
using orr::Rect;
using orr::Size;

// The top-left corner that centres an outer size on a screen area.
constexpr Point centred(int area_left, int area_top, int area_width, int area_height, int width, int height)
{
    return {area_left + (area_width - width) / 2, area_top + (area_height - height) / 2};
}

} // namespace orr::about
