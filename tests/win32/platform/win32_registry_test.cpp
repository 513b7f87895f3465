#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/text.h"

namespace tamsendor::win32 {
namespace {

using platform::RegistryRoot;

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HKEY created = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Widen(key_).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &created, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(created);
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, Widen(base_).c_str()); }

  const std::string base_ = "Software\\TamsendorTest" + std::to_string(GetCurrentProcessId());
  const std::string key_ = base_ + "\\Quillax";
  Win32Registry registry;
};

TEST_F(Win32RegistryTest, AMissingKeyIsNeverCreated) {
  const std::string missing = base_ + "\\Missing\\Deeper";
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, missing));
  EXPECT_FALSE(registry.WriteString(RegistryRoot::CurrentUser, missing, "Note", "x"));
  EXPECT_FALSE(registry.WriteDword(RegistryRoot::CurrentUser, missing, "mat_vsync", 0));
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, missing));
  EXPECT_FALSE(registry.ReadString(RegistryRoot::CurrentUser, missing, "Note").has_value());
}

TEST_F(Win32RegistryTest, StringsAndNumbersRoundTrip) {
  const auto root = RegistryRoot::CurrentUser;
  const std::string note = "Test \xC3\x97 \xE6\x97\xA5\xE6\x9C\xAC";  // "×" and CJK text
  ASSERT_TRUE(registry.WriteString(root, key_, "Note", note));
  ASSERT_TRUE(registry.WriteString(root, key_, "Empty", ""));
  ASSERT_TRUE(registry.WriteDword(root, key_, "mat_forceaniso", 0xFFFFFFFFu));

  // Leading backslash and other case reach the same key and values.
  const std::string sameKey = "\\" + key_;
  EXPECT_EQ(registry.ReadString(root, sameKey, "NOTE"), note);
  EXPECT_EQ(registry.ReadString(root, key_, "Empty"), "");
  EXPECT_EQ(registry.ReadDword(root, key_, "MAT_FORCEANISO"), 0xFFFFFFFFu);
  EXPECT_TRUE(registry.ValueExists(root, key_, "Note"));
  EXPECT_FALSE(registry.ValueExists(root, key_, "Missing"));
  // A value of the other type does not read.
  EXPECT_FALSE(registry.ReadString(root, key_, "mat_forceaniso").has_value());
  EXPECT_FALSE(registry.ReadDword(root, key_, "Note").has_value());
}

TEST_F(Win32RegistryTest, ReadsAStringStoredWithoutItsTerminator) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Widen(key_).c_str(), 0, KEY_SET_VALUE, &opened),
            ERROR_SUCCESS);
  const wchar_t raw[] = L"c:/steam";
  RegSetValueExW(opened, L"SteamPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(raw),
                 8 * sizeof(wchar_t));
  RegCloseKey(opened);
  EXPECT_EQ(registry.ReadString(RegistryRoot::CurrentUser, key_, "SteamPath"), "c:/steam");
}

}  // namespace
}  // namespace tamsendor::win32
