#include <gtest/gtest.h>

#include "app/main_form.h"
#include "bench/product_key.h"
#include "tests/fakes/fake_app_services.h"
#include "tests/native/app/installed_machine.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/picture_button.h"

namespace tamsendor::app {
namespace {

using platform::RegistryRoot;

struct StartUp {
  fakes::FakeAppServices services;
  ui::Application application{"Korvalin Tamsendor"};

  void Store(const char* name, const char* value) {
    services.registry.WriteString(bench::kProductRoot, std::string(bench::kProductKey), name,
                                  value);
  }
};

TEST(MainFormStartUpTest, StoredChoicesOnTheOfferedModesAndRunStartsTheGame) {
  testing::InstalledMachine s;
  s.services.display.modes = {{640, 480}, {640, 480}, {1024, 768}, {1280, 1024}};
  s.Store("640", "1");
  s.Store("1024", "0");
  s.Store("1600", "1");  // not offered by this display
  s.Store("RunNumber", "2");
  s.Store("Heapsize", "128000");
  s.Store("FastZ", "");
  TForm1& form = s.Start();

  const auto& res = form.Controls().Get<ui::CheckGroup>("res");
  EXPECT_TRUE(res.ItemChecked(0));
  EXPECT_FALSE(res.ItemChecked(2));
  EXPECT_TRUE(res.ItemEnabled(2));
  EXPECT_FALSE(res.ItemChecked(4));
  EXPECT_FALSE(res.ItemEnabled(4));
  EXPECT_EQ(form.State().RunCount, 2);
  EXPECT_EQ(form.Controls().Get<ui::ComboBox>("HeapsizeBox").ItemIndex(), 1);
  EXPECT_EQ(form.Controls().Get<ui::ComboBox>("RefreshBox").ItemIndex(), -1);
  EXPECT_TRUE(form.Controls().Get<ui::CheckBox>("FastZBox").Checked())
      << "only \"0\" unchecks fast-Z";
  EXPECT_EQ(form.Folders().SteamFolder, "c:/program files (x86)/steam/");
  EXPECT_TRUE(s.services.dialogs.messages.empty());

  form.Controls().Get<ui::PictureButton>("BenchButton").HandleClick();
  ASSERT_EQ(s.services.launcher.starts().size(), 1u);
  EXPECT_EQ(s.services.launcher.starts()[0].commandLine,
            "\"c:/program files (x86)/steam/steam.exe\" -silent -applaunch 420 -preload -novid "
            "-mat_preloadshaders -nocdaudio -nosound -width 640 -height 480 +r_fastzreject 1  "
            "-heapsize 128000  +timedemoquit qordemo1");
  EXPECT_EQ(form.State().DxDisplayMemory, "indeterminable");
  EXPECT_FALSE(form.Controls().Get<ui::PictureButton>("BenchButton").Enabled());
}

TEST(MainFormStartUpTest, ABrokenInstallationDisablesRun) {
  struct Case {
    RegistryRoot root;
    const char* key;
    const char* message;
  };
  const Case cases[] = {
      {RegistryRoot::LocalMachine, "SOFTWARE\\Korvalin\\Quillax",
       "Please reinstall the Korvalin Tamsendor!"},
      {RegistryRoot::CurrentUser, "Software\\Valve\\Steam",
       "Please install the Half-Life 2 Episode Two!"},
  };
  for (const Case& c : cases) {
    StartUp s;
    s.services.registry.DeleteKey(c.root, c.key);
    s.services.display.modes = {{640, 480}};
    TForm1 form(s.application, s.services.Get());
    EXPECT_EQ(s.services.dialogs.messages, std::vector<std::string>{c.message});
    const auto& run = form.Controls().Get<ui::PictureButton>("BenchButton");
    EXPECT_FALSE(run.Enabled());
    EXPECT_EQ(run.Hint(), c.message);
    EXPECT_FALSE(form.Controls().Get<ui::CheckGroup>("res").ItemChecked(0));
  }
}

}  // namespace
}  // namespace tamsendor::app
