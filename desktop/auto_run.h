// Starting the program at login: one string value under the machine-wide Run key, named
// after the executable's file name and holding its full path; verified at each start
// against where the program now lies, with an offer to repair it.
#pragma once

#include <functional>
#include <string>

#include "platform/registry_store.h"

namespace orr {

using platform::kRunKeyPath;
inline constexpr platform::RootKey kRunKeyRoot = platform::RootKey::LocalMachine;

// The running executable, taken afresh at each use.
struct ProgramLocation {
    std::string path;
    std::string file_name;
};
ProgramLocation running_program();

class AutoRun {
public:
    // The system's registry and the running executable.
    AutoRun();
    AutoRun(platform::RegistryStore& store, std::function<ProgramLocation()> program);

    // True when the registration was written and the user told so.
    bool Enable_Auto_Run() const;
    // True when no registration under the program's name is left and the user told so.
    bool Disable_Auto_Run() const;
    // True when a registration under the program's name exists, after offering to
    // point a stale one at the present location.
    bool Verify_Auto_Run_Path() const;

private:
    platform::RegistryStore* store_;
    std::function<ProgramLocation()> program_;
};

// Upper case of ASCII letters only; every other byte stays.
std::string upper_ascii(std::string text);

} // namespace orr
