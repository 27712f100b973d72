// Autostart entries: "Hidden=true" removes an entry for the user, and GNOME's start-up
// settings switch one off with "X-GNOME-Autostart-enabled=false".
#include "platform/autostart_entry.h"

#include "platform/desktop_entry.h"
#include "platform/exec_line.h"

namespace orr::platform {
namespace {

constexpr std::string_view kExec = "Exec";
constexpr std::string_view kType = "Type";
constexpr std::string_view kName = "Name";
constexpr std::string_view kHidden = "Hidden";
constexpr std::string_view kGnomeEnabled = "X-GNOME-Autostart-enabled";
constexpr std::string_view kApplication = "Application";
constexpr std::string_view kTrue = "true";
constexpr std::string_view kFalse = "false";

} // namespace

AutostartReading read_autostart_entry(std::string_view text)
{
    const auto entry = DesktopEntry::parse(text);
    if (!entry)
        return {};
    if (entry->value(kHidden) == kTrue || entry->value(kGnomeEnabled) == kFalse)
        return {AutostartState::SwitchedOff, {}};
    const auto exec = entry->value(kExec);
    if (!exec)
        return {};
    return {AutostartState::Starts, program_of_exec(*exec)};
}

std::optional<std::string> autostart_entry_text(std::optional<std::string_view> existing,
                                                std::string_view program, std::string_view name)
{
    const auto exec = exec_value_for(program);
    if (!exec)
        return std::nullopt;
    std::optional<DesktopEntry> entry;
    if (existing)
        entry = DesktopEntry::parse(*existing);
    if (!entry)
        entry = DesktopEntry::empty();
    // An entry lacking the required keys would not be started at all.
    if (!entry->value(kType))
        entry->set(kType, kApplication);
    if (!entry->value(kName))
        entry->set(kName, escape_string_value(name));
    entry->set(kExec, *exec);
    if (entry->value(kHidden))
        entry->set(kHidden, kFalse);
    entry->set(kGnomeEnabled, kTrue);
    return entry->text();
}

} // namespace orr::platform
