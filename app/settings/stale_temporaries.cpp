// Finding and removing the leftovers of cut-short saves.
#include "app/settings/stale_temporaries.h"

#include <chrono>
#include <exception>
#include <filesystem>
#include <system_error>

#include "platform/exclusive_open.h"
#include "platform/file_update.h"
#include "platform/process_id.h"
#include "platform/temporary_name.h"

namespace orr {

namespace {

namespace fs = std::filesystem;

// Taken when the program is loaded, before any save of this run.
const fs::file_time_type kThisStart = fs::file_time_type::clock::now();
// Some file systems keep times to two seconds; a file of this very start is not old.
constexpr auto kTimeGrain = std::chrono::seconds(2);

// Paths are UTF-8 text here; a path made from a plain string would be read in the code
// page on Windows, and name another folder.
fs::path as_path(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// "" for a name UTF-8 cannot carry: no temporary file of ours has one.
std::string as_text(const fs::path& path)
{
    try {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    } catch (const std::exception&) {
        return {};
    }
}

bool stale(const fs::directory_entry& entry, std::uint32_t owner)
{
    std::error_code error;
    if (!platform::process_running(owner))
        return true;
    const fs::file_time_type written = entry.last_write_time(error);
    return !error && written + kTimeGrain < kThisStart;
}

} // namespace

void remove_stale_temporaries(const std::string& settings_path)
{
    const std::string target_text = platform::update_target(settings_path);
    // A save in progress holds the file; its temporary file is not stale.
    if (platform::test_exclusive_open(target_text) == platform::OpenTest::Open)
        return;
    const fs::path target = as_path(target_text);
    const std::string name = as_text(target.filename());
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const auto owner = platform::temporary_owner(name, as_text(it->path().filename()));
        std::error_code unknown;
        if (!owner || !it->is_regular_file(unknown) || it->is_symlink(unknown))
            continue;
        if (stale(*it, *owner)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

} // namespace orr
