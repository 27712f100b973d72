// The main window's design: every component with its kind, parent, bounds, font,
// caption, hint and command, in creation order (the layout record is indexed by it),
// and the window's own sizes, clock and message-box texts. Both shells build their
// window from this one table.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "app/glyph_pixels.h"
#include "app/scaling/screen_density.h"
#include "app/window_placement.h"

namespace orr::mainform {

enum class Kind {
    MenuBar,
    Menu,
    Item,
    CheckItem,
    Separator,
    Label,
    Calendar,
    GroupBox,
    SpeedButton,
    YearBox,
    BitButton,
    ListBox,
    Timer
};

// What a component does when clicked, chosen or ticking.
enum class Command {
    None,
    AlwaysOnTop,
    AutoRun,
    RestoreFactoryDefaults,
    PrintYear,
    Exit,
    ViewReadme,
    ViewCatalog,
    About,
    LastYear,
    NextYear,
    CurrentYear,
    ExitButton,
    Clock,
};

struct Font {
    const char* face = nullptr; // nullptr: none of its own
    int pixel_height = 0;       // character height
    bool bold = false;
};

struct Design {
    const char* name;
    Kind kind;
    const char* parent = nullptr;                 // the component it lies in; nullptr: the window
    int left = 0, top = 0, width = 0, height = 0; // within the parent, in pixels at 96 per inch
    Font font{};
    const char* caption = ""; // menus mark their access keys with &; month labels take the month's name
    const char* hint = "";
    Command command = Command::None;
    Glyph glyph = Glyph::LeftArrow; // buttons only
    int month = 0;                  // 1..12 for a month's label and grid
    const char* shortcut = "";      // a menu item's key, as "Ctrl+P"

    constexpr bool visual() const { return kind >= Kind::Label && kind <= Kind::ListBox; }
    // A glyph alone says nothing to a screen reader, so such a button goes by its hint.
    constexpr const char* accessible_name() const { return *caption != '\0' ? caption : hint; }
};

namespace detail {
inline constexpr Font kWindowFont{"System", 13};
inline constexpr Font kGridFont{"Times New Roman", 13};
inline constexpr Font kRowFont{"Times New Roman", 16};
inline constexpr Font kBoldRowFont{"Times New Roman", 16, true};

constexpr Design item(const char* name, const char* menu, const char* caption, Command command,
                      Kind kind = Kind::Item, const char* shortcut = "")
{
    return {name, kind, menu, 0, 0, 0, 0, {}, caption, "", command, Glyph::LeftArrow, 0, shortcut};
}
// Three columns and four rows of months, each a label over its grid.
inline constexpr int kMonthLefts[] = {5, 220, 436};
// A month's label or grid: the bounds of January's, moved to the month's column and row.
constexpr Design month_part(const char* name, Kind kind, Bounds january, Font font, int month)
{
    return {name,
            kind,
            nullptr,
            kMonthLefts[(month - 1) % 3],
            january.top + (month - 1) / 3 * 130,
            january.width,
            january.height,
            font,
            "",
            "",
            Command::None,
            Glyph::LeftArrow,
            month};
}
constexpr Design month_label(const char* name, int month)
{
    return month_part(name, Kind::Label, {0, 3, 205, 16}, kWindowFont, month);
}
constexpr Design month_grid(const char* name, int month)
{
    return month_part(name, Kind::Calendar, {0, 20, 210, 110}, kGridFont, month);
}
} // namespace detail

inline constexpr std::array kDesign{
    Design{"MainMenu1", Kind::MenuBar, nullptr},
    Design{"FileMenu", Kind::Menu, "MainMenu1", 0, 0, 0, 0, {}, "&File"},
    detail::item("Always_On_Top_Option", "FileMenu", "Always &On Top", Command::AlwaysOnTop, Kind::CheckItem),
    detail::item("Auto_Run_at_Windows_Startup_Option", "FileMenu", "&Auto-Run at Windows Startup",
                 Command::AutoRun, Kind::CheckItem),
    detail::item("Restore_Factory_Defaults_Option", "FileMenu", "&Restore Factory Defaults",
                 Command::RestoreFactoryDefaults),
    detail::item("Print_Year_Option", "FileMenu", "&Print Year...", Command::PrintYear, Kind::Item, "Ctrl+P"),
    detail::item("N2", "FileMenu", "", Command::None, Kind::Separator),
    detail::item("ExitOption", "FileMenu", "E&xit", Command::Exit),
    Design{"HelpMenu", Kind::Menu, "MainMenu1", 0, 0, 0, 0, {}, "&Help"},
    detail::item("View_Readme_file_Option", "HelpMenu", "&View Readme file", Command::ViewReadme),
    detail::item("View_Shareware_Catalog_Option", "HelpMenu", "View &Shareware Catalog",
                 Command::ViewCatalog),
    detail::item("N1", "HelpMenu", "", Command::None, Kind::Separator),
    detail::item("AboutOption", "HelpMenu", "&About", Command::About),
    detail::month_label("Label1", 1),
    detail::month_grid("Calendar1", 1),
    detail::month_label("Label2", 2),
    detail::month_grid("Calendar2", 2),
    detail::month_label("Label3", 3),
    detail::month_grid("Calendar3", 3),
    detail::month_label("Label4", 4),
    detail::month_grid("Calendar4", 4),
    detail::month_label("Label5", 5),
    detail::month_grid("Calendar5", 5),
    detail::month_label("Label6", 6),
    detail::month_grid("Calendar6", 6),
    detail::month_label("Label7", 7),
    detail::month_grid("Calendar7", 7),
    detail::month_label("Label8", 8),
    detail::month_grid("Calendar8", 8),
    detail::month_label("Label9", 9),
    detail::month_grid("Calendar9", 9),
    detail::month_label("Label10", 10),
    detail::month_grid("Calendar10", 10),
    detail::month_label("Label11", 11),
    detail::month_grid("Calendar11", 11),
    detail::month_label("Label12", 12),
    detail::month_grid("Calendar12", 12),
    Design{"GroupBox1", Kind::GroupBox, nullptr, 8, 522, 637, 49, detail::kRowFont},
    Design{"Last_Year_SpeedButton", Kind::SpeedButton, "GroupBox1", 84, 17, 23, 22, detail::kRowFont, "",
           "Previous Year", Command::LastYear, Glyph::LeftArrow},
    Design{"Year_Edit", Kind::YearBox, "GroupBox1", 107, 17, 75, 23, detail::kBoldRowFont},
    Design{"Next_Year_SpeedButton", Kind::SpeedButton, "GroupBox1", 183, 17, 23, 22, detail::kRowFont, "",
           "Next Year", Command::NextYear, Glyph::RightArrow},
    Design{"Current_Year_BitBtn", Kind::BitButton, "GroupBox1", 243, 13, 150, 30, detail::kBoldRowFont,
           "Current Year", "Jump to the current Calendar Year", Command::CurrentYear, Glyph::CalendarPage},
    Design{"Exit_BitBtn", Kind::BitButton, "GroupBox1", 430, 13, 150, 30, detail::kBoldRowFont, "Exit",
           "Exit Program", Command::ExitButton, Glyph::Door},
    // Never shown: it only keeps the layout record.
    Design{"Scaling_ListBox", Kind::ListBox, nullptr, 660, 8, 25, 29, detail::kWindowFont},
    Design{"Timer1", Kind::Timer, nullptr, 0, 0, 0, 0, {}, "", "", Command::Clock},
};
inline constexpr std::size_t kComponentCount = kDesign.size();

// The index of the named component in the table; kComponentCount for none.
constexpr std::size_t index_of(const char* name)
{
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        if (std::string_view(kDesign[i].name) == name)
            return i;
    }
    return kComponentCount;
}
constexpr const Design& design(const char* name) { return kDesign[index_of(name)]; }

// The menu's two check items, each a setting of the window.
enum class MenuOption { AlwaysOnTop, AutoRun };
constexpr const char* item_name(MenuOption option)
{
    return option == MenuOption::AlwaysOnTop ? "Always_On_Top_Option" : "Auto_Run_at_Windows_Startup_Option";
}

// A control's design bounds at a density: its corners scaled, so that neighbours still meet.
inline Bounds bounds_at(const Design& design, int pixels_per_inch)
{
    const int left = at_density(design.left, pixels_per_inch);
    const int top = at_density(design.top, pixels_per_inch);
    return {left, top, at_density(design.left + design.width, pixels_per_inch) - left,
            at_density(design.top + design.height, pixels_per_inch) - top};
}

// The window's outer bounds before any settings are read, as made.
inline constexpr int kDesignLeft = 113;
inline constexpr int kDesignTop = 41;
inline constexpr int kDesignWidth = 660;
inline constexpr int kDesignHeight = 629;
// Small enough to shrink freely, large enough to keep the menu bar reachable.
inline constexpr int kMinimumClientWidth = 160;
inline constexpr int kMinimumClientHeight = 120;
inline constexpr int kClockIntervalMs = 100;
// The window's own font, which the month labels and the hidden list share.
inline constexpr Font kWindowFont = detail::kWindowFont;

// Every month grid: taken past by Tab, never edited by the user, weeks from Sunday, and
// today's date not marked, so that only the month labels say what is current.
struct GridProperties {
    bool tab_stop = false;
    bool read_only = true;
    int start_of_week = 0;
    bool use_current_date = false;

    // Sets them on a month grid; the tab stop is its window's.
    template <typename MonthGrid>
    void ApplyTo(MonthGrid& grid) const
    {
        grid.SetReadOnly(read_only);
        grid.SetStartOfWeek(start_of_week);
        grid.SetUseCurrentDate(use_current_date);
    }
};
inline constexpr GridProperties kGridProperties{};
// The days are drawn in black whatever the theme's text colour.
inline constexpr int kGridTextColour = 0; // 0x00BBGGRR

// Message boxes: the button texts, whatever the system's language; a box is centred on
// the work area of its owner's screen.
inline constexpr const char* kOkText = "OK";
inline constexpr const char* kYesText = "&Yes";
inline constexpr const char* kNoText = "&No";

} // namespace orr::mainform
