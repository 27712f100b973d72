// The rules of a file update that both systems share.
#include "platform/file_update.h"

#include <thread>
#include <vector>

#include "platform/file_contents.h"
#include "platform/file_update_state.h"
#include "platform/temporary_name.h"

namespace orr::platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kHoldRetry = std::chrono::milliseconds(10);
constexpr int kMaxNameAttempts = 100;

} // namespace

bool FileUpdate::State::wait_for_hold(std::chrono::milliseconds lock_wait)
{
    const auto deadline = Clock::now() + lock_wait;
    for (;;) {
        const Hold attempt = hold();
        if (attempt == Hold::Ready)
            return true;
        if (attempt == Hold::Failed || Clock::now() >= deadline)
            return false;
        if (attempt == Hold::Held)
            std::this_thread::sleep_for(kHoldRetry);
    }
}

bool FileUpdate::State::read(std::size_t max_bytes)
{
    const std::optional<std::uint64_t> size = opened_size();
    if (!size || *size > max_bytes)
        return false;
    std::vector<char> chunk(kReadChunk);
    for (;;) {
        const std::optional<std::size_t> got = read_some(chunk.data(), chunk.size());
        if (!got)
            return false;
        if (*got == 0)
            return true;
        bytes.append(chunk.data(), *got);
        if (bytes.size() > max_bytes)
            return false;
    }
}

bool FileUpdate::State::commit(const std::string& new_bytes)
{
    if (!ready)
        return false;
    bool ok = true;
    if (new_bytes != bytes) {
        // A rename would leave the other hard links with the old bytes.
        Written written = has_other_links() ? Written::Refused : replace_beside(new_bytes);
        if (written == Written::Refused)
            written = rewrite_in_place(new_bytes) ? Written::Done : Written::Failed;
        ok = written == Written::Done;
        if (ok)
            created = false;
    }
    let_go();
    return ok;
}

void FileUpdate::State::let_go()
{
    close(created);
    created = false;
    ready = false;
}

Written make_temporary(const std::string& target,
                       const std::function<std::optional<Written>(const std::string& name)>& make)
{
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        if (const std::optional<Written> made = make(next_temporary_name(target)))
            return *made;
    }
    return Written::Failed;
}

FileUpdate::FileUpdate(const std::string& path, std::size_t max_bytes, std::chrono::milliseconds lock_wait)
    : FileUpdate(new_update_state(), path, max_bytes, lock_wait)
{}

FileUpdate::FileUpdate(std::unique_ptr<State> state, const std::string& path, std::size_t max_bytes,
                       std::chrono::milliseconds lock_wait)
    : state_(std::move(state))
{
    State& s = *state_;
    s.path = update_target(path);
    s.ready = s.wait_for_hold(lock_wait) && s.read(max_bytes);
    if (!s.ready)
        s.let_go();
}

FileUpdate::~FileUpdate() { state_->let_go(); }

bool FileUpdate::ready() const { return state_->ready; }

const std::string& FileUpdate::bytes() const { return state_->bytes; }

bool FileUpdate::commit(const std::string& new_bytes) { return state_->commit(new_bytes); }

} // namespace orr::platform
