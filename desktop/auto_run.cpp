// The auto-run registration: what is written, when, and what the user is told.
#include "desktop/auto_run.h"

#include "core/dialogs.h"
#include "desktop/registry_access.h"
#include "platform/executable_path.h"

namespace orr {
namespace {

std::string enabled_text(const std::string& file_name)
{
    return "This program (" + file_name + ") will now run automatically at Windows Start-Up.";
}

std::string disabled_text(const std::string& file_name)
{
    return "This program (" + file_name + ") will now no-longer run automatically at Windows Start-Up.";
}

// The spaces are part of the wording: " Old" takes six before "=", " Current" one.
std::string repair_prompt_text(const std::string& file_name, const std::string& old_path,
                               const std::string& current_path)
{
    return "The directory / path settings required to make this program (" + file_name + ")\r\n" +
           "run automatically at Windows Start-up do not match where the program \r\n" +
           "is currently being run from.\r\n" + "\r\n" + " Old      = " + old_path + "\r\n" +
           " Current = " + current_path + "\r\n" + "\r\n" + "Do you want to update the Windows Registry to " +
           "reflect the programs current locaton ?";
}

} // namespace

ProgramLocation running_program() { return {platform::executable_path(), platform::executable_file_name()}; }

AutoRun::AutoRun() : AutoRun(platform::system_registry(), running_program) {}

AutoRun::AutoRun(platform::RegistryStore& store, std::function<ProgramLocation()> program)
    : store_(&store), program_(std::move(program))
{}

bool AutoRun::Enable_Auto_Run() const
{
    const ProgramLocation program = program_();
    if (!Write_Registry_String(*store_, kRunKeyRoot, kRunKeyPath, program.file_name, program.path))
        return false;
    show_information(enabled_text(program.file_name));
    return true;
}

bool AutoRun::Disable_Auto_Run() const
{
    const std::string file_name = program_().file_name;
    if (!Delete_Registry_Value(*store_, kRunKeyRoot, kRunKeyPath, file_name))
        return false;
    show_information(disabled_text(file_name));
    return true;
}

bool AutoRun::Verify_Auto_Run_Path() const
{
    const ProgramLocation program = program_();
    const std::string registered = Read_Registry_String(*store_, kRunKeyRoot, kRunKeyPath, program.file_name);
    if (registered.empty())
        return false;
    if (upper_ascii(registered) == upper_ascii(program.path))
        return true;
    if (ask_warning(repair_prompt_text(program.file_name, registered, program.path)))
        Enable_Auto_Run();
    return true;
}

std::string upper_ascii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

} // namespace orr
