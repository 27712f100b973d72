// A main window without any toolkit: it keeps what a real window would show and logs
// every change in order, so tests of orr::MainForm can check both results and sequence.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_form_design.h"
#include "app/main_form_view.h"

namespace orr {

// A component as the window shows it: a visual control's bounds relative to its parent
// (in the order of Bounds), its font's character height in pixels (negative) and its name.
struct ControlState {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int font_height = 0;
    std::string name;
};

// Compared and printed here, as only tests need it; found by argument lookup.
inline bool operator==(const ControlState& a, const ControlState& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
           a.font_height == b.font_height && a.name == b.name;
}
inline std::ostream& operator<<(std::ostream& out, const ControlState& c)
{
    return out << c.name << " " << c.left << "," << c.top << "," << c.width << "," << c.height << " font "
               << c.font_height;
}

} // namespace orr

namespace orr::test {

inline constexpr int kWindowTextColour = -1; // a label no command has coloured yet
// Outer size minus client size, as a framed window with a menu bar has it.
inline constexpr int kFrameWidth = 6;
inline constexpr int kFrameHeight = 40;

struct GridDate {
    int day = 0;
    int month = 0;
    int year = 0;
    bool operator==(const GridDate&) const = default;
};

class RecordingView : public MainFormView {
public:
    RecordingView()
    {
        // Every component of the design table as made at 96 pixels per inch.
        for (const mainform::Design& d : mainform::kDesign) {
            if (d.visual())
                components.push_back(ControlState{d.left, d.top, d.width, d.height, -d.font.pixel_height, d.name});
            else
                components.push_back(std::nullopt);
        }
        label_colour.fill(kWindowTextColour);
        screens = {{{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}}, 120, 80, 24};
    }

    // Logs a call; throws when it starts with fail_on, before anything changes.
    void record(const std::string& entry)
    {
        log.push_back(entry);
        if (!fail_on.empty() && entry.starts_with(fail_on))
            throw std::runtime_error("Failed at " + entry);
    }
    std::vector<std::string> calls(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const auto& entry : log) {
            if (entry.starts_with(prefix))
                found.push_back(entry);
        }
        return found;
    }
    std::optional<ControlState> named(const std::string& name) const
    {
        for (const auto& c : components) {
            if (c && c->name == name)
                return c;
        }
        return std::nullopt;
    }

    void SetYearText(const std::string& text) override
    {
        record("Year_Edit=" + text);
        year_text = text;
    }
    void SetCalendarDatePart(int month, DatePart part, int value) override
    {
        const char* names[] = {"", "Year", "Month", "Day"};
        record("Calendar" + std::to_string(month) + "." + names[static_cast<int>(part)] + "=" +
               std::to_string(value));
        GridDate& grid = grids.at(month);
        (part == DatePart::Day ? grid.day : part == DatePart::Month ? grid.month : grid.year) = value;
    }
    void SetLabelColour(int month, int colour) override
    {
        record("Label" + std::to_string(month) + ".Colour=" + std::to_string(colour));
        label_colour.at(month) = colour;
    }
    void SetYearButtonsEnabled(bool previous, bool next) override
    {
        record("YearButtons=" + std::to_string(previous) + std::to_string(next));
        previous_enabled = previous;
        next_enabled = next;
    }

    int DesignDensity() const override { return 96; }
    int PixelsPerInch() const override { return 96; }
    void PlaceControls(const std::vector<ControlPlacement>& batch) override
    {
        for (const ControlPlacement& p : batch) {
            auto& c = components.at(p.index);
            if (!c)
                throw std::logic_error("a non-visual component was placed");
            record(c->name + ".Bounds");
            c = ControlState{p.bounds.left, p.bounds.top, p.bounds.width, p.bounds.height, p.font_height, c->name};
        }
    }
    void MirrorLayoutRecord(const std::vector<std::string>& lines) override
    {
        for (const auto& line : lines)
            record("Layout+" + line);
        layout = lines;
    }
    void HideScrollBars() override { record("HideScrollBars"); }

    Bounds ClientRect() const override
    {
        return {0, 0, outer.width - kFrameWidth, outer.height - kFrameHeight};
    }
    void SetClientSize(int width, int height) override
    {
        record("ClientSize=" + std::to_string(width) + "x" + std::to_string(height));
        resize({outer.left, outer.top, width + kFrameWidth, height + kFrameHeight});
    }
    Bounds OuterBounds() const override { return outer; }
    void SetOuterBounds(const Bounds& b) override
    {
        record("Outer=" + std::to_string(b.left) + "," + std::to_string(b.top) + "," +
               std::to_string(b.width) + "," + std::to_string(b.height));
        resize(b);
    }
    Screens ScreenLayout() const override { return screens; }
    bool IsMaximized() const override { return maximized; }
    void ShowWindow(int command) override
    {
        record("ShowWindow=" + std::to_string(command));
        // Like a real window: maximising keeps the normal bounds, restoring brings them back.
        if (command == kShowMaximized && !maximized) {
            normal = outer;
            maximized = true;
            resize(screens.screens.front().work_area);
        } else if ((command == kShowRestore || command == kShowNormal) && maximized) {
            maximized = false;
            resize(normal);
        }
    }
    int LauncherShowCommand() const override { return launcher_command; }
    void SetTopmost(bool on) override
    {
        record("Topmost=" + std::to_string(on));
        topmost = on;
    }
    void SetChecked(MenuOption option, bool checked) override
    {
        const bool on_top = option == MenuOption::AlwaysOnTop;
        record(std::string(on_top ? "AlwaysOnTop" : "AutoRun") + ".Checked=" + std::to_string(checked));
        (on_top ? on_top_checked : auto_run_checked) = checked;
    }
    void SetCaption(const std::string& text) override
    {
        record("Caption=" + text);
        caption = text;
    }
    void SetHint(const std::string& text) override { record("Hint=" + text); }
    void ShowAbout(const AboutTexts& texts) override
    {
        record("ShowAbout");
        about = texts;
    }
    void PrintYear(const print::YearPage& page) override
    {
        record("PrintYear " + std::to_string(page.year) + " marked " + std::to_string(page.marked_month));
    }
    void Close() override { record("Close"); }

    std::string LongDayName(int weekday) const override
    {
        const char* names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
        return names[weekday - 1];
    }
    std::string LongMonthName(int month) const override
    {
        const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
        return names[month - 1];
    }

    std::string year_text;
    std::array<GridDate, 13> grids{};   // [month], 0 unused
    std::array<int, 13> label_colour{}; // [month], 0 unused
    bool previous_enabled = true;
    bool next_enabled = true;
    std::vector<std::optional<ControlState>> components;
    std::vector<std::string> layout;
    Bounds outer{113, 41, 660, 629};
    Bounds normal; // the bounds a maximised window returns to
    bool maximized = false;
    Screens screens;
    int launcher_command = kShowNormal;
    bool topmost = false;
    bool on_top_checked = false;
    bool auto_run_checked = false;
    std::string caption;
    AboutTexts about;
    std::function<void(int, int)> on_resize; // the window's resize event, with the new client size
    std::string fail_on;
    std::vector<std::string> log;

private:
    void resize(const Bounds& b)
    {
        const bool sized = b.width != outer.width || b.height != outer.height;
        outer = b;
        if (sized && on_resize)
            on_resize(b.width - kFrameWidth, b.height - kFrameHeight);
    }
};

} // namespace orr::test
