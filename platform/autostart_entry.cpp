// Autostart entries: "Hidden=true" removes an entry for the user, and GNOME's start-up
// settings switch one off with "X-GNOME-Autostart-enabled=false". Both are read as GLib's
// key files read a boolean, since that is what decides whether the entry starts.
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
constexpr std::string_view kTryExec = "TryExec";
constexpr std::string_view kApplication = "Application";
constexpr std::string_view kTrue = "true";
constexpr std::string_view kFalse = "false";
constexpr std::string_view kOne = "1";
constexpr std::string_view kAsciiSpace = " \t\n\v\f\r";

// "true" or "1", trailing blanks ignored; anything else, a misspelling too, is false.
bool key_file_boolean(const std::optional<std::string>& value)
{
    if (!value)
        return false;
    const std::string_view v = std::string_view(*value).substr(0, value->find_last_not_of(kAsciiSpace) + 1);
    return v == kTrue || v == kOne;
}

bool switched_off(const DesktopEntry& entry)
{
    const auto enabled = entry.value(kGnomeEnabled);
    return key_file_boolean(entry.value(kHidden)) || (enabled && !key_file_boolean(enabled));
}

} // namespace

AutostartReading read_autostart_entry(std::string_view text)
{
    const auto entry = DesktopEntry::parse(text);
    if (!entry)
        return {};
    if (switched_off(*entry))
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
    // A TryExec names the program the entry was made for; ours starts through Exec alone.
    entry->remove(kTryExec);
    if (entry->value(kHidden))
        entry->set(kHidden, kFalse);
    entry->set(kGnomeEnabled, kTrue);
    return entry->text();
}

} // namespace orr::platform
