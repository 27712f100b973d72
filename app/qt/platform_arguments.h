// The program's arguments for QApplication, with "-platform <name>" added when the
// session calls for a display server other than Qt's own pick (X through XWayland on a
// Wayland desktop). An argument rather than QT_QPA_PLATFORM, so that programs started
// from ours (the document opener) choose for themselves.
#pragma once

#include <string>
#include <vector>

class PlatformArguments {
public:
    PlatformArguments(int argc, char* argv[]);
    PlatformArguments(const PlatformArguments&) = delete;
    PlatformArguments& operator=(const PlatformArguments&) = delete;

    // QApplication keeps both for its lifetime.
    int& count() { return count_; }
    char** values() { return values_.data(); }

private:
    std::string option_ = "-platform";
    std::string platform_;
    std::vector<char*> values_;
    int count_ = 0;
};
