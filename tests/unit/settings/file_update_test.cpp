// The rules every file update keeps on both systems, over a scripted system: how long a
// held file is waited for and which way new bytes go in. (The size limit is the settings
// file's own tests'.)
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_update_state.h"

namespace orr::platform {
namespace {

using namespace std::chrono_literals;

class ScriptedSystem : public FileUpdate::State {
public:
    std::deque<Hold> holds;
    std::string unread = "[orrindale]\r\n";
    bool linked = false;
    Written beside = Written::Done;
    bool in_place = true;
    std::vector<std::string>* log; // outlives the update, which owns this state

    explicit ScriptedSystem(std::vector<std::string>& calls) : log(&calls) {}

private:
    Hold hold() override
    {
        log->push_back("hold");
        const Hold next = holds.empty() ? Hold::Ready : holds.front();
        if (!holds.empty())
            holds.pop_front();
        return next;
    }
    std::optional<std::uint64_t> opened_size() override { return unread.size(); }
    std::optional<std::size_t> read_some(char* into, std::size_t) override
    {
        return std::exchange(unread, "").copy(into, std::string::npos);
    }
    bool has_other_links() override { return linked; }
    Written replace_beside(const std::string&) override
    {
        log->push_back("beside");
        return beside;
    }
    bool rewrite_in_place(const std::string&) override
    {
        log->push_back("in place");
        return in_place;
    }
    void close(bool remove_if_empty) override { log->push_back(remove_if_empty ? "close, remove" : "close"); }
};

struct Update {
    std::vector<std::string> calls;

    // A file that opening made, scripted further as a case asks.
    std::unique_ptr<FileUpdate> open(auto script, std::chrono::milliseconds wait = 100ms)
    {
        auto state = std::make_unique<ScriptedSystem>(calls);
        state->created = true;
        script(*state);
        return std::make_unique<FileUpdate>(std::move(state), "orrindale.ini", 1000, wait);
    }
};

TEST(FileUpdateRules, AHeldFileIsWaitedForAndAFailureEndsTheWaitAtOnce)
{
    struct Case {
        std::deque<Hold> holds;
        std::chrono::milliseconds wait;
        bool ready;
        int tries;
    } cases[] = {
        {{Hold::Held, Hold::Again, Hold::Ready}, 1s, true, 3},
        {{Hold::Failed, Hold::Ready}, 1s, false, 1},
        {{Hold::Held, Hold::Ready}, 0ms, false, 1},
    };
    for (const Case& c : cases) {
        Update update;
        const auto file = update.open([&](ScriptedSystem& s) { s.holds = c.holds; }, c.wait);
        EXPECT_EQ(file->ready(), c.ready) << c.tries;
        EXPECT_EQ(std::count(update.calls.begin(), update.calls.end(), "hold"), c.tries);
        if (!c.ready) {
            EXPECT_EQ(update.calls.back(), "close, remove") << "a file the update made goes again";
        }
    }
}

TEST(FileUpdateRules, NewBytesReplaceTheFileBesideItOrInPlace)
{
    struct Case {
        const char* name;
        std::string bytes;
        bool linked;
        Written beside;
        bool in_place;
        std::vector<std::string> calls; // after opening
        bool ok;
    } cases[] = {
        {"unchanged", "[orrindale]\r\n", false, Written::Done, true, {"close, remove"}, true},
        {"replaced", "new", false, Written::Done, true, {"beside", "close"}, true},
        {"folder refuses", "new", false, Written::Refused, true, {"beside", "in place", "close"}, true},
        {"hard links", "new", true, Written::Done, true, {"in place", "close"}, true},
        {"replace fails", "new", false, Written::Failed, true, {"beside", "close, remove"}, false},
        {"in place fails", "new", true, Written::Done, false, {"in place", "close, remove"}, false},
    };
    for (const Case& c : cases) {
        Update update;
        const auto file = update.open([&](ScriptedSystem& s) {
            s.linked = c.linked;
            s.beside = c.beside;
            s.in_place = c.in_place;
        });
        update.calls.clear();
        EXPECT_EQ(file->commit(c.bytes), c.ok) << c.name;
        EXPECT_EQ(update.calls, c.calls) << c.name;
        EXPECT_FALSE(file->commit(c.bytes)) << c.name << ": once only";
    }
}

TEST(FileUpdateRules, ATemporaryNameIsSoughtWhileTheNamesAreTaken)
{
    std::set<std::string> tried;
    EXPECT_EQ(make_temporary("orrindale.ini",
                             [&](const std::string& name) -> std::optional<Written> {
                                 tried.insert(name);
                                 return tried.size() < 3 ? std::nullopt : std::optional(Written::Refused);
                             }),
              Written::Refused);
    EXPECT_EQ(tried.size(), 3u) << "each try has a name of its own";
    EXPECT_EQ(make_temporary("orrindale.ini", [](const std::string&) { return std::optional<Written>(); }),
              Written::Failed);
}

} // namespace
} // namespace orr::platform
