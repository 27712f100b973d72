// Temporary files that a save cut short (a kill, a power cut) left beside the settings
// file, removed at the next start.
#pragma once

#include <string>

namespace orr {

// Removes the temporary files of the settings file's saves (beside the file a link
// leads to) whose process no longer runs or that are older than this program's
// start. While a save holds the file, nothing is removed.
void remove_stale_temporaries(const std::string& settings_path);

} // namespace orr
