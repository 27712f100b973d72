// libFuzzer target for the autostart folder's desktop entries. The input is a program
// path, a NUL, then a file's text. Any text reads without a crash; an entry that parses
// writes back as it was read; rewriting it to start the program makes it read back as
// that very program, switched on; and the escapes of any path undo byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/autostart_entry.h"
#include "platform/desktop_entry.h"
#include "platform/exec_line.h"
#include "tests/fuzz/fuzz_require.h"

namespace {

using namespace orr::platform;

constexpr std::string_view kName = "Orrindale";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\0');
    const std::string_view program = input.substr(0, split);
    const std::string_view text = split == std::string_view::npos ? input : input.substr(split + 1);

    require(unescape_string_value(escape_string_value(text)) == text, "string escapes do not undo");
    (void)program_of_exec(text);

    (void)read_autostart_entry(text);
    if (const auto entry = DesktopEntry::parse(text)) {
        const std::string again = entry->text();
        require(again == text || again == std::string(text) + '\n', "an entry does not write back as read");
    }

    const auto exec = exec_value_for(program);
    const auto rewritten = autostart_entry_text(text, program, kName);
    require(exec.has_value() == rewritten.has_value(), "an entry made without an Exec");
    if (!exec)
        return 0;
    require(program_of_exec(*exec) == program, "an Exec does not give back its program");
    const AutostartReading back = read_autostart_entry(*rewritten);
    require(back.state == AutostartState::Starts, "a rewritten entry does not start");
    require(back.program == program, "a rewritten entry starts another program");
    return 0;
}
