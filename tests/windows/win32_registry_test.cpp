// Registry value access and the auto-run registration against the real Run key of
// HKEY_LOCAL_MACHINE under Wine, checked with advapi32's own calls: what is stored, the
// repair, the delete, a non-string value, and a missing key that stays missing.
#include <windows.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "core/dialogs.h"
#include "core/win32/handles.h"
#include "desktop/auto_run.h"
#include "desktop/registry_access.h"
#include "desktop/registry_error.h"
#include "tests/support/recording_dialogs.h"

namespace orr {
namespace {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct Stored {
    DWORD type = 0;
    std::string bytes;
};

win32::KeyHandle open_key(const char* key_path, REGSAM access = KEY_READ)
{
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, access, &key);
    return win32::KeyHandle(key);
}

// The value as the registry holds it; nothing when it is not there.
std::optional<Stored> stored(const char* key_path, const std::string& name)
{
    const win32::KeyHandle key = open_key(key_path);
    if (!key)
        return std::nullopt;
    Stored value;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size);
    if (rc == ERROR_SUCCESS) {
        value.bytes.resize(size);
        rc = RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                              reinterpret_cast<BYTE*>(value.bytes.data()), &size);
    }
    return rc == ERROR_SUCCESS ? std::optional(value) : std::nullopt;
}

bool key_exists(const char* key_path) { return open_key(key_path).valid(); }

class Win32Registry : public ::testing::Test {
protected:
    void SetUp() override { set_dialogs(&user); }
    void TearDown() override
    {
        set_dialogs(nullptr);
        if (const win32::KeyHandle key = open_key(kRunKey, KEY_ALL_ACCESS))
            RegDeleteValueA(key.get(), name.c_str());
    }

    // A value name of this run only, so that nothing else under the Run key is touched.
    std::string name = "orrindale-test-" + std::to_string(GetCurrentProcessId()) + ".exe";
    ProgramLocation program{"C:\\Program Files\\Orrindale\\" + name, name};
    RecordingDialogs user;
    AutoRun auto_run{platform::system_registry(), [this] { return program; }};
};

TEST_F(Win32Registry, EnableStoresTheFullPathAsAStringThatVerifiesAndDisableRemovesIt)
{
    ASSERT_TRUE(auto_run.Enable_Auto_Run());
    const auto value = stored(kRunKey, name);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value->bytes, program.path + '\0');
    EXPECT_EQ(Read_Registry_String(platform::system_registry(), kRunKeyRoot, kRunKeyPath, name),
              program.path);

    program.path = "c:\\program files\\orrindale\\" + name;
    EXPECT_TRUE(auto_run.Verify_Auto_Run_Path());
    EXPECT_EQ(user.shown.size(), 1u) << "only the enable's box";

    EXPECT_TRUE(auto_run.Disable_Auto_Run());
    EXPECT_FALSE(stored(kRunKey, name));
    EXPECT_FALSE(auto_run.Verify_Auto_Run_Path());
    // Nothing left to delete: still a success.
    EXPECT_TRUE(auto_run.Disable_Auto_Run());
    ASSERT_EQ(user.shown.size(), 3u);
    EXPECT_EQ(user.shown[2].text,
              "This program (" + name + ") will now no-longer run automatically at Windows Start-Up.");
}

TEST_F(Win32Registry, AStaleRegistrationIsRepairedOnYesAndKeptOnNo)
{
    ASSERT_TRUE(Write_Registry_String(platform::system_registry(), kRunKeyRoot, kRunKeyPath, name,
                                      "D:\\Old Place\\" + name));
    user.answer = BoxAnswer::No;
    EXPECT_TRUE(auto_run.Verify_Auto_Run_Path());
    EXPECT_EQ(stored(kRunKey, name)->bytes, "D:\\Old Place\\" + name + '\0');

    user.answer = BoxAnswer::Yes;
    EXPECT_TRUE(auto_run.Verify_Auto_Run_Path());
    EXPECT_EQ(stored(kRunKey, name)->bytes, program.path + '\0');
    ASSERT_EQ(user.shown.size(), 3u);
    EXPECT_EQ(user.shown[1].kind, BoxKind::Warning);
    EXPECT_NE(
        user.shown[1].text.find(" Old      = D:\\Old Place\\" + name + "\r\n Current = " + program.path),
        std::string::npos);
    EXPECT_EQ(user.shown[2].text,
              "This program (" + name + ") will now run automatically at Windows Start-Up.");
}

TEST_F(Win32Registry, ADwordUnderTheNameIsTheTypeError)
{
    {
        const win32::KeyHandle key = open_key(kRunKey, KEY_ALL_ACCESS);
        ASSERT_TRUE(key);
        const DWORD one = 1;
        ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                                 sizeof one),
                  ERROR_SUCCESS);
    }
    try {
        auto_run.Verify_Auto_Run_Path();
        ADD_FAILURE() << "no registry error";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(std::string(e.what()), "Invalid data type for '" + name + "'");
    }
}

TEST_F(Win32Registry, AKeyThatDoesNotExistIsReportedAndNotCreated)
{
    constexpr const char* kMissing = "Software\\Orrindale Test Nowhere\\Run";
    ASSERT_FALSE(key_exists(kMissing));
    EXPECT_FALSE(Write_Registry_String(platform::system_registry(), kRunKeyRoot, std::string("\\") + kMissing,
                                       name, program.path));
    EXPECT_FALSE(Delete_Registry_Value(platform::system_registry(), kRunKeyRoot, kMissing, name));
    EXPECT_EQ(Read_Registry_String(platform::system_registry(), kRunKeyRoot, kMissing, name), "");
    EXPECT_FALSE(key_exists(kMissing));
    EXPECT_FALSE(key_exists("Software\\Orrindale Test Nowhere"));
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_NE(user.shown[0].text.find(" Error Key   = \\Software\\Orrindale Test Nowhere\\Run\r\n"),
              std::string::npos);
    EXPECT_TRUE(user.shown[1].text.starts_with("Error: The specified Registry Key for this operation "));
}

} // namespace
} // namespace orr
