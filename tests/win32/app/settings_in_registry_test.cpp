#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/main_form.h"
#include "core/product_key.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_registry.h"
#include "tests/common/fake_app_services.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"

namespace tamsendor::app {
namespace {

using win32::Narrow;
using win32::Widen;

const std::wstring kProductKey = L"SOFTWARE\\Korvalin\\Quillax";

// The stored choices in the real registry of the test's own Wine prefix. The program never
// creates its key, so the test does, as the installer would.
class SettingsInRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kProductKey.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    fake.display.modes = {{640, 480}, {800, 600}, {1024, 768}};
  }
  void TearDown() override { DeleteProductKey(); }

  static void DeleteProductKey() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kProductKey.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kProductKey.c_str());
  }
  static bool ProductKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProductKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    RegCloseKey(key);
    return true;
  }
  static void Install(const wchar_t* name, const std::string& text) {
    const std::wstring wide = Widen(text);
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kProductKey.c_str(), name, REG_SZ, wide.c_str(),
                    static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  }
  // The value as the registry holds it: nullopt when missing or not a string.
  static std::optional<std::string> Held(const wchar_t* name) {
    wchar_t buffer[512] = {};
    DWORD size = sizeof(buffer);
    DWORD type = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kProductKey.c_str(), name, RRF_RT_ANY, &type, buffer,
                     &size) != ERROR_SUCCESS ||
        type != REG_SZ)
      return std::nullopt;
    return Narrow(buffer);
  }

  std::unique_ptr<TForm1> Start() {
    AppServices services{fake.ui,        registry,     fake.files,       fake.launcher,
                         fake.processes, fake.dialogs, fake.placement,   fake.clock,
                         fake.display,   fake.opener,  fake.host,        fake.probes,
                         fake.program,   fake.search,  fake.fileDialogs, fake.wait,
                         fake.identity,  fake.folders, fake.directx,     fake.taskbar};
    auto form = std::make_unique<TForm1>(application, services);
    fake.ui.AdvanceBy(kSplashMs);
    return form;
  }

  fakes::FakeAppServices fake;
  win32::Win32Registry registry;
  ui::Application application{"Korvalin Tamsendor"};
};

TEST_F(SettingsInRegistryTest, StoredChoicesAreReadAndWrittenAsStrings) {
  Install(L"640", "1");
  Install(L"1600", "1");  // not offered
  Install(L"AFLevel", "3");
  Install(L"FastZ", "0");
  Install(L"Note", "Gef\xC3\xA4hrlich \xC3\x97 2");
  Install(L"CusW", "1600");
  Install(L"CusH", "1200");
  const auto form = Start();
  auto& controls = form->Controls();

  EXPECT_TRUE(controls.Get<ui::CheckGroup>("res").ItemChecked(0));
  EXPECT_FALSE(controls.Get<ui::CheckGroup>("res").ItemEnabled(4));
  EXPECT_EQ(controls.Get<ui::ComboBox>("AFBox").ItemIndex(), 3);
  EXPECT_FALSE(controls.Get<ui::CheckBox>("FastZBox").Checked());
  EXPECT_TRUE(controls.Get<ui::CheckBox>("ColorCorrBox").Checked());
  EXPECT_EQ(controls.Get<ui::Edit>("NoteEdit").Text(), "Gef\xC3\xA4hrlich \xC3\x97 2");
  // Start-up's own writes: the forgotten custom size, the game path, the results folder.
  EXPECT_EQ(Held(L"CusW"), "0");
  EXPECT_EQ(Held(L"CusH"), "0");
  EXPECT_EQ(Held(L"Path"), "");
  EXPECT_EQ(Held(L"ResultPath"), "C:\\Program Files\\Korvalin Tamsendor\\Benchmark\\");

  auto& res = controls.Get<ui::CheckGroup>("res");
  res.HandleItemToggle(0);
  res.HandleItemToggle(2);
  EXPECT_EQ(Held(L"640"), "1") << "a toggle alone stores nothing";
  res.HandleMouseLeave();
  EXPECT_EQ(Held(L"640"), "0");
  EXPECT_EQ(Held(L"1024"), "1");
  EXPECT_EQ(Held(L"1600"), "0");
  controls.Get<ui::ComboBox>("RefreshBox").HandleSelect(1);
  EXPECT_EQ(Held(L"Refresh"), "70");
  controls.Get<ui::Edit>("NoteEdit").HandleTyped("\xE6\x97\xA5\xE6\x9C\xAC");
  EXPECT_EQ(Held(L"Note"), "\xE6\x97\xA5\xE6\x9C\xAC");
}

TEST_F(SettingsInRegistryTest, AWriterNeverCreatesTheMissingKey) {
  const auto form = Start();
  DeleteProductKey();
  ASSERT_FALSE(ProductKeyExists());
  auto& controls = form->Controls();
  controls.Get<ui::CheckGroup>("res").HandleMouseLeave();
  controls.Get<ui::CheckBox>("FastZBox").HandleMouseLeave();
  controls.Get<ui::ComboBox>("HDRBox").HandleSelect(0);
  controls.Get<ui::Edit>("NoteEdit").HandleTyped("x");
  controls.Get<ui::Edit>("ResEdit").HandleFocusLeft();
  EXPECT_FALSE(ProductKeyExists());
}

}  // namespace
}  // namespace tamsendor::app
