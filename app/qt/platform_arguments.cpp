#include "app/qt/platform_arguments.h"

#include <cstdlib>

#include "platform/display_server.h"

namespace {

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

PlatformArguments::PlatformArguments(int argc, char* argv[])
{
    values_.assign(argv, argv + argc);
    const auto platform = orr::platform::qt_platform_for(
        {variable("QT_QPA_PLATFORM"), variable("DISPLAY"), variable("WAYLAND_DISPLAY"), variable("XDG_SESSION_TYPE")});
    if (platform && argc > 0) {
        platform_ = *platform;
        values_.insert(values_.begin() + 1, {option_.data(), platform_.data()});
    }
    count_ = static_cast<int>(values_.size());
    values_.push_back(nullptr);
}
