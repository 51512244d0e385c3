#include "common/unique_win.h"
#include "settings/settings_key_win.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace lunea {
namespace {

// Values of this test only, removed again, beside the program's own.
constexpr char kStringValue[] = "UnitTestString";
constexpr char kDwordValue[] = "UnitTestDword";

class SettingsRegistryKey : public ::testing::Test {
  protected:
    void TearDown() override {
        win::UniqueRegKey key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quorv\\LuneaDesktop", 0, KEY_SET_VALUE,
                          key.Put()) == ERROR_SUCCESS) {
            RegDeleteValueA(key.Get(), kStringValue);
            RegDeleteValueA(key.Get(), kDwordValue);
        }
    }
};

TEST_F(SettingsRegistryKey, StringsRoundTripAndOtherTypesAreReportedAsSuch) {
    const std::unique_ptr<RegistryKey> key = OpenSettingsKey();
    ASSERT_NE(key, nullptr);
    std::string value;
    EXPECT_EQ(key->ReadString(kStringValue, value), RegistryRead::Missing);
    ASSERT_TRUE(key->WriteString(kStringValue, "36.5 \xB0"
                                               "C"));
    ASSERT_EQ(key->ReadString(kStringValue, value), RegistryRead::Found);
    EXPECT_EQ(value, "36.5 \xB0"
                     "C");
    ASSERT_TRUE(key->WriteString(kStringValue, ""));
    ASSERT_EQ(key->ReadString(kStringValue, value), RegistryRead::Found);
    EXPECT_EQ(value, "");

    win::UniqueRegKey raw;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quorv\\LuneaDesktop", 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, raw.Put()),
              ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(raw.Get(), kStringValue, nullptr, &type, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    const DWORD number = 7;
    ASSERT_EQ(RegSetValueExA(raw.Get(), kDwordValue, 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&number), sizeof number),
              ERROR_SUCCESS);
    EXPECT_EQ(key->ReadString(kDwordValue, value), RegistryRead::WrongType);
}

} // namespace
} // namespace lunea
