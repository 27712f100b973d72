// Registry value access on a registry in memory: what is stored, what reads back, the
// error boxes word for word, the registry errors, and no key left open or created.
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "core/dialogs.h"
#include "desktop/registry_access.h"
#include "desktop/registry_error.h"
#include "tests/support/memory_registry.h"
#include "tests/support/recording_dialogs.h"

namespace orr {
namespace {

using platform::RootKey;
using test::MemoryRegistry;

constexpr RootKey kRoot = RootKey::LocalMachine;
constexpr const char* kPath = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kName = "orrindale.exe";
constexpr const char* kData = "C:\\Program Files\\Orrindale\\orrindale.exe";

class RegistryAccess : public ::testing::Test {
protected:
    void SetUp() override { set_dialogs(&user); }
    void TearDown() override
    {
        set_dialogs(nullptr);
        EXPECT_EQ(registry.open_now, 0) << "a key outlived its operation";
    }

    std::string read(const std::string& path = kPath, const std::string& name = kName)
    {
        return Read_Registry_String(registry, kRoot, path, name);
    }
    std::string error_of(const std::function<void()>& operation)
    {
        try {
            operation();
        } catch (const ERegistryException& e) {
            return e.what();
        }
        return "(no registry error)";
    }

    MemoryRegistry registry;
    MemoryRegistry::Key& run = registry.make_key(kRoot, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    RecordingDialogs user;
};

TEST_F(RegistryAccess, WrittenStringsAreStoredWithOneNulAndReadBackWithoutBox)
{
    for (const std::string& data : {std::string(kData), std::string()}) {
        EXPECT_TRUE(Write_Registry_String(registry, kRoot, kPath, kName, data));
        const auto* stored = MemoryRegistry::get(run, kName);
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(stored->type, platform::kRegSz);
        EXPECT_EQ(stored->bytes, data + '\0');
        EXPECT_EQ(read(), data);
    }
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(RegistryAccess, PathWithOrWithoutLeadingBackslashOpensTheSameKey)
{
    EXPECT_TRUE(Write_Registry_String(registry, kRoot, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                      kName, kData));
    EXPECT_EQ(read(kPath), kData);
    EXPECT_TRUE(Delete_Registry_Value(registry, kRoot, kPath, kName));
    EXPECT_EQ(read("Software\\Microsoft\\Windows\\CurrentVersion\\Run"), "");
}

TEST_F(RegistryAccess, MissingKeyIsReportedByWriteAndDeleteWithThePathAsPassedAndCreatesNothing)
{
    const std::size_t keys = registry.key_count();
    EXPECT_FALSE(Write_Registry_String(registry, kRoot, "\\Software\\Nowhere", kName, kData));
    EXPECT_FALSE(Delete_Registry_Value(registry, kRoot, "Software\\Nowhere", kName));
    EXPECT_EQ(read("\\Software\\Nowhere"), "");
    EXPECT_EQ(registry.key_count(), keys);

    ASSERT_EQ(user.shown.size(), 2u);
    for (const auto& box : user.shown) {
        EXPECT_EQ(box.kind, BoxKind::Error);
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
    }
    EXPECT_EQ(user.shown[0].text, "Error: The specified Registry Key for this operation \r\n"
                                  "does NOT exist on your PC.  \r\n"
                                  "\r\n"
                                  " Error Key   = \\Software\\Nowhere\r\n"
                                  " Error Item  = orrindale.exe\r\n"
                                  " Error Value = C:\\Program Files\\Orrindale\\orrindale.exe\r\n"
                                  "\r\n"
                                  "Please contact the program's author.");
    EXPECT_EQ(user.shown[1].text, "Error: The specified Registry Key for this operation \r\n"
                                  "does NOT exist on your PC.  \r\n"
                                  "\r\n"
                                  " Error Key   = Software\\Nowhere\r\n"
                                  " Error Item  = orrindale.exe\r\n"
                                  "\r\n"
                                  "Please contact the program's author.");
}

TEST_F(RegistryAccess, KeyWithoutFullAccessCountsAsMissing)
{
    MemoryRegistry::put(run, kName, platform::kRegSz, std::string(kData) + '\0');
    run.refuse_full_access = true;
    EXPECT_FALSE(Write_Registry_String(registry, kRoot, kPath, kName, "C:\\elsewhere.exe"));
    EXPECT_FALSE(Delete_Registry_Value(registry, kRoot, kPath, kName));
    EXPECT_EQ(read(), "");
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_TRUE(user.shown[0].text.starts_with("Error: The specified Registry Key"));
    EXPECT_EQ(MemoryRegistry::get(run, kName)->bytes, std::string(kData) + '\0');
}

TEST_F(RegistryAccess, TextAfterAnEmbeddedNulIsLostSoTheWriteEndsInTheNotSavedBox)
{
    const std::string data("C:\\a.exe\0tail", 13);
    EXPECT_FALSE(Write_Registry_String(registry, kRoot, kPath, kName, data));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Error: The required settings could not be created \r\n"
                                  "or saved in the Windows Registry.  \r\n"
                                  "\r\n"
                                  " Error Key   = \\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
                                  " Error Item  = orrindale.exe\r\n"
                                  " Error Value = " +
                                      data +
                                      "\r\n"
                                      "\r\n"
                                      "Please contact the program's author.");
    // What was stored stays; the write does not undo it.
    EXPECT_EQ(read(), "C:\\a.exe");
}

TEST_F(RegistryAccess, DeletingSucceedsSilentlyWhenTheValueIsGoneOrWasNeverThere)
{
    MemoryRegistry::put(run, kName, platform::kRegSz, std::string(kData) + '\0');
    MemoryRegistry::put(run, "other.exe", platform::kRegSz, std::string("C:\\other.exe") + '\0');
    EXPECT_TRUE(Delete_Registry_Value(registry, kRoot, kPath, kName));
    EXPECT_TRUE(Delete_Registry_Value(registry, kRoot, kPath, kName));
    EXPECT_EQ(MemoryRegistry::get(run, kName), nullptr);
    EXPECT_NE(MemoryRegistry::get(run, "other.exe"), nullptr);
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(RegistryAccess, ValueStillThereAfterTheDeleteIsReported)
{
    MemoryRegistry::put(run, kName, platform::kRegSz, std::string(kData) + '\0');
    run.keep_on_delete = true;
    EXPECT_FALSE(Delete_Registry_Value(registry, kRoot, kPath, kName));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Error: The required Registry Key settings \r\n"
                                  "could not be removed from the Windows Registry.  \r\n"
                                  "\r\n"
                                  " Error Key   = \\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
                                  " Error Item  = orrindale.exe\r\n"
                                  "\r\n"
                                  "Please contact the program's author.");
}

TEST_F(RegistryAccess, ReadingGivesTextUpToTheFirstNulAndStringTypesOnly)
{
    struct Case {
        std::uint32_t type;
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {platform::kRegSz, std::string("C:\\x.exe\0", 9), "C:\\x.exe"},
        {platform::kRegSz, "C:\\no-terminator.exe", "C:\\no-terminator.exe"},
        {platform::kRegSz, std::string("C:\\x.exe\0junk\0", 14), "C:\\x.exe"},
        {platform::kRegSz, std::string(1, '\0'), ""},
        {platform::kRegSz, "", ""},
        // Returned as stored, variables not expanded.
        {platform::kRegExpandSz, std::string("%ProgramFiles%\\o.exe\0", 21), "%ProgramFiles%\\o.exe"},
    };
    for (const auto& c : cases) {
        MemoryRegistry::put(run, kName, c.type, c.bytes);
        EXPECT_EQ(read(), c.expected) << c.bytes;
    }
    EXPECT_EQ(read(kPath, "missing.exe"), "");
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(RegistryAccess, StoreFailuresAndNonStringValuesRaiseRegistryErrorsNamingTheValue)
{
    MemoryRegistry::put(run, kName, platform::kRegDword, std::string("\x01\0\0\0", 4));
    EXPECT_EQ(error_of([&] { read(); }), "Invalid data type for 'orrindale.exe'");
    // The read-back of a write meets the same check.
    MemoryRegistry::put(run, "binary.exe", platform::kRegBinary, "\x01\x02");
    EXPECT_EQ(error_of([&] { read(kPath, "binary.exe"); }), "Invalid data type for 'binary.exe'");

    MemoryRegistry::put(run, kName, platform::kRegSz, std::string(kData) + '\0');
    run.fail_fetch = true;
    EXPECT_EQ(error_of([&] { read(); }), "Failed to get data for 'orrindale.exe'");
    EXPECT_EQ(error_of([&] { Write_Registry_String(registry, kRoot, kPath, kName, kData); }),
              "Failed to get data for 'orrindale.exe'");
    run.fail_set = true;
    EXPECT_EQ(error_of([&] { Write_Registry_String(registry, kRoot, kPath, kName, kData); }),
              "Failed to set data for 'orrindale.exe'");
    EXPECT_TRUE(user.shown.empty());
}

} // namespace
} // namespace orr
