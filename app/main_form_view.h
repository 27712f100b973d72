// What the main window's behaviour asks of its window: each shell (Qt, Win32) answers
// these calls with its own controls, built from the design table, and tests drive it
// with a recording one.
#pragma once

#include <string>
#include <vector>

#include "about/about_texts.h"
#include "app/locale_names.h"
#include "app/main_form_design.h"
#include "app/print/year_page.h"
#include "app/window_placement.h"
#include "monthgrid/month_model.h"

namespace orr {

// Show commands, numbered as ShowWindow takes them.
inline constexpr int kShowHide = 0;
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShowRestore = 9;

using mainform::MenuOption;

// A visual control's bounds within its parent and its font's character height in pixels
// (negative), by its index in the design table.
struct ControlPlacement {
    int index = 0;
    Bounds bounds;
    int font_height = 0;
};

class MainFormView : public LocaleNames {
public:
    virtual ~MainFormView() = default;

    // The year view: the year box, the twelve grids (month 1..12) and their labels.
    // The year box shows the text and a screen reader announces it by the same text.
    virtual void SetYearText(const std::string& text) = 0;
    virtual void SetCalendarDatePart(int month, DatePart part, int value) = 0;
    virtual void SetLabelColour(int month, int colour) = 0; // 0x00BBGGRR
    virtual void SetYearButtonsEnabled(bool previous, bool next) = 0;

    // The pixels per inch the controls were made at from the design (a toolkit that
    // scales by itself answers 96), and the one fonts' point sizes are converted at.
    virtual int DesignDensity() const = 0;
    virtual int PixelsPerInch() const = 0;
    // Every control placed at once, so the window repaints once.
    virtual void PlaceControls(const std::vector<ControlPlacement>& batch) = 0;
    // The hidden list Scaling_ListBox shows the layout record.
    virtual void MirrorLayoutRecord(const std::vector<std::string>& lines) = 0;
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
    virtual void SetChecked(MenuOption option, bool checked) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The application title that the taskbar shows; where the taskbar shows the
    // window's caption there is nothing more to set.
    virtual void SetTaskbarTitle(const std::string&) {}
    virtual void SetHint(const std::string& hint) = 0;
    // Shows the About window modally with these texts, made when first asked for.
    virtual void ShowAbout(const AboutTexts& texts) = 0;
    // Offers the system's print dialog and prints the page on the printer chosen there.
    virtual void PrintYear(const print::YearPage& page) = 0;
    virtual void Close() = 0;
};

} // namespace orr
