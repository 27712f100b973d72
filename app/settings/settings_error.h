// The error a failed settings write raises: "Unable to write to <full path>".
#pragma once

#include "core/error.h"

#include <string>

namespace orr {

class ESettingsWriteError : public Error {
public:
    explicit ESettingsWriteError(const std::string& path) : Error("Unable to write to " + path), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace orr
