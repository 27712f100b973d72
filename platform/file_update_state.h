// What one file update decides, once for both systems, and the system calls it asks of
// each system's State: how long a held file is waited for, how much a read may hold,
// and when and how new bytes replace the old.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/file_update.h"

namespace orr::platform {

// One try at opening and holding the file. Held: another holds it, try again shortly;
// Again: what was opened is no longer the file by that name, try again at once.
enum class Hold { Ready, Held, Again, Failed };

// How a write went. Refused: this way is closed here (the folder takes no new file, a
// rename would change who owns the file), but rewriting the file in place may work.
enum class Written { Done, Refused, Failed };

struct FileUpdate::State {
    virtual ~State() = default;

    bool wait_for_hold(std::chrono::milliseconds lock_wait);
    bool read(std::size_t max_bytes);
    bool commit(const std::string& new_bytes);
    void let_go();

    std::string path;
    std::string bytes;    // as opened
    bool created = false; // opening made the file
    bool ready = false;

protected:
    virtual Hold hold() = 0;
    virtual std::optional<std::uint64_t> opened_size() = 0;
    // Up to size bytes from the file position: how many, 0 at the end, nothing on failure.
    virtual std::optional<std::size_t> read_some(char* into, std::size_t size) = 0;
    virtual bool has_other_links() = 0;
    // Through a temporary file beside the file, flushed, then renamed over it.
    virtual Written replace_beside(const std::string& new_bytes) = 0;
    virtual bool rewrite_in_place(const std::string& new_bytes) = 0;
    // Closes the file; when remove_if_empty, a file that is still empty goes too.
    virtual void close(bool remove_if_empty) = 0;
};

// This system's state of an update.
std::unique_ptr<FileUpdate::State> new_update_state();

// Makes a temporary file beside target under a fresh name: make answers nothing while
// the name it is given is taken; its first answer ends the search.
Written make_temporary(const std::string& target,
                       const std::function<std::optional<Written>(const std::string& name)>& make);

} // namespace orr::platform
