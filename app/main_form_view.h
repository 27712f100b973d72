// What the main window's behaviour asks of its window: each shell (Qt, Win32)
// implements this view over its own controls, and tests drive it with a recording one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "about/about_texts.h"
#include "app/locale_names.h"
#include "app/scaling/layout_record.h"
#include "app/window_placement.h"
#include "monthgrid/month_model.h"

namespace orr {

// Show commands, numbered as ShowWindow takes them.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShowRestore = 9;

enum class MenuOption { AlwaysOnTop, AutoRun };

// A component of the window as the layout record sees it: a visual control's bounds
// relative to its parent, its font's character height in pixels (negative) and its name.
struct ControlState {
    int left = 0;
    int width = 0;
    int top = 0;
    int height = 0;
    int font_height = 0;
    std::string name;
};

class MainFormView : public LocaleNames {
public:
    virtual ~MainFormView() = default;

    // The year view: the year box, the twelve grids (month 1..12) and their labels.
    virtual std::string YearText() const = 0;
    // The year box shows the text and a screen reader announces it by the same text.
    virtual void SetYearText(const std::string& text) = 0;
    virtual void SetCalendarDatePart(int month, DatePart part, int value) = 0;
    virtual void SetLabelColour(int month, int colour) = 0; // 0x00BBGGRR
    virtual void SetYearButtonsEnabled(bool previous, bool next) = 0;

    // The owned components in creation order; nothing for a non-visual one.
    virtual int ComponentCount() const = 0;
    virtual std::optional<ControlState> Component(int index) const = 0;
    virtual void SetComponentBounds(int index, const ControlBounds& bounds, int font_height) = 0;
    virtual int PixelsPerInch() const = 0;
    // The layout record, kept in the hidden list Scaling_ListBox.
    virtual std::vector<std::string> LayoutLines() const = 0;
    virtual void AppendLayoutLine(const std::string& line) = 0;
    virtual void HideScrollBars() = 0;

    // The window itself; outer bounds include the frame.
    virtual Bounds ClientRect() const = 0;
    virtual void SetClientSize(int width, int height) = 0;
    virtual Bounds OuterBounds() const = 0;
    virtual void SetOuterBounds(const Bounds& outer) = 0;
    virtual Screens ScreenLayout() const = 0;
    virtual bool IsMaximized() const = 0;
    virtual void ShowWindow(int command) = 0;
    virtual int LauncherShowCommand() const = 0;
    virtual void SetTopmost(bool on) = 0;
    virtual bool Checked(MenuOption option) const = 0;
    virtual void SetChecked(MenuOption option, bool checked) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The application title that the taskbar shows; where the taskbar shows the
    // window's caption there is nothing more to set.
    virtual void SetTaskbarTitle(const std::string&) {}
    virtual void SetHint(const std::string& hint) = 0;
    virtual void SetAboutTexts(const AboutTexts& texts) = 0;
    virtual void ShowAbout() = 0;
    // The current caption of the About window's ProductName label.
    virtual std::string AboutProductName() const = 0;
    virtual void Close() = 0;
};

} // namespace orr
