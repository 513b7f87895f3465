#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "core/product_key.h"
#include "tests/native/app/installed_machine.h"
#include "tests/native/app/started_form.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/picture_button.h"

namespace tamsendor::app {
namespace {

using platform::RegistryRoot;

// The windows the application opens while it runs, as a log of what happened to them.
class WindowLog : public ui::ApplicationPeer {
 public:
  void Minimize() override {}
  void Terminate() override {}
  std::unique_ptr<ui::FormPeer> OpenWindow(ui::Form& form, ui::ControlSet&) override {
    log.push_back("open " + form.Name());
    return std::make_unique<Window>(*this, form);
  }

  std::vector<std::string> log;

 private:
  class Window : public ui::FormPeer {
   public:
    // As a real window does, it attaches itself to its form for as long as it lives.
    Window(WindowLog& owner, ui::Form& form) : owner_(owner), form_(form) {
      form_.AttachFormPeer(this);
    }
    ~Window() override {
      form_.AttachFormPeer(nullptr);
      owner_.log.push_back("gone " + form_.Name());
    }
    void Reflect(ui::Property changed) override {
      if (changed == ui::Property::Visible)
        owner_.log.push_back((form_.Visible() ? "show " : "hide ") + form_.Name());
    }
    void RepaintNow() override { owner_.log.push_back("paint " + form_.Name()); }
    void BeginMouseMove() override {}
    void Closed() override {}

   private:
    WindowLog& owner_;
    ui::Form& form_;
  };
};

// The main window constructed as the program entry does it: the splash's time has not passed.
struct SplashStart : testing::StartedForm {
  WindowLog windows;
  int shows = 0;

  SplashStart() { application.AttachPeer(&windows); }
  TForm1& Construct() {
    form = std::make_unique<TForm1>(application, services.Get());
    form->Form().OnShow = [this] { ++shows; };
    return *form;
  }
};

TEST(MainFormStartUpTest, TheSplashShowsAloneForSixSecondsThenTheStartUpRunsOnce) {
  SplashStart s;
  s.Store("Note", "my note");
  s.services.program.version = "7.3.0.12";
  TForm1& form = s.Construct();

  const TAboutBox* box = form.StartUpSplash().Box();
  ASSERT_NE(box, nullptr);
  const ui::Form& about = const_cast<TAboutBox*>(box)->Form();
  EXPECT_EQ(about.Width(), 603);
  EXPECT_EQ(about.Height(), 698);
  EXPECT_EQ(about.BorderStyle(), ui::BorderStyle::None);
  EXPECT_TRUE(about.StaysOnTop());
  EXPECT_EQ(about.Position(), ui::FormPosition::ScreenCenter);
  EXPECT_EQ(s.windows.log,
            (std::vector<std::string>{"open TAboutBox", "show TAboutBox", "paint TAboutBox"}));

  auto untouched = [&](const char* when) {
    EXPECT_FALSE(form.Form().Visible()) << when;
    EXPECT_FALSE(form.StartedUp()) << when;
    EXPECT_EQ(s.shows, 0) << when;
    EXPECT_EQ(s.Control<ui::Edit>("NoteEdit").Text(), "") << when;
    EXPECT_EQ(s.Control<ui::Label>("Label17").Caption(), "version") << when;
    EXPECT_EQ(s.Stored("ResultPath"), std::nullopt) << when;
    EXPECT_EQ(form.Folders().ProgramFolder, "") << when;
  };
  untouched("at once");
  s.services.ui.AdvanceBy(5999);
  untouched("after 5999 ms");
  EXPECT_NE(form.StartUpSplash().Box(), nullptr);

  s.services.ui.AdvanceBy(1);
  EXPECT_EQ(form.StartUpSplash().Box(), nullptr);
  EXPECT_EQ(s.windows.log,
            (std::vector<std::string>{"open TAboutBox", "show TAboutBox", "paint TAboutBox",
                                      "hide TAboutBox", "gone TAboutBox"}));
  EXPECT_TRUE(form.Form().Visible());
  EXPECT_TRUE(form.StartedUp());
  EXPECT_EQ(s.shows, 1);
  EXPECT_EQ(s.Control<ui::Edit>("NoteEdit").Text(), "my note");
  EXPECT_EQ(s.Control<ui::Label>("Label17").Caption(), "7.3.0.12");
  EXPECT_EQ(form.Folders().ProgramFolder, "C:\\Program Files\\Korvalin Tamsendor\\");
  EXPECT_EQ(s.Control<ui::Edit>("NoteEdit").BackgroundColor(), (ui::Color{234, 234, 234}));
  EXPECT_EQ(s.Control<ui::ComboBox>("AABox").BackgroundColor(), (ui::Color{234, 234, 234}));
  EXPECT_FALSE(s.Control<ui::PageControl>("PageControl").Visible());

  EXPECT_TRUE(s.services.ui.RunUntilIdle());
  EXPECT_EQ(s.shows, 1) << "the start-up ran again";
  EXPECT_EQ(s.windows.log.size(), 5u);
}

TEST(MainFormStartUpTest, WithoutSplashTimeTheStartUpRunsAtOnceWithoutASplash) {
  SplashStart s;
  s.form = std::make_unique<TForm1>(s.application, s.services.Get(), 0);
  EXPECT_TRUE(s.form->StartedUp());
  EXPECT_TRUE(s.form->Form().Visible());
  EXPECT_TRUE(s.windows.log.empty());
  EXPECT_EQ(s.services.ui.PendingTimers(), 0u);
}

TEST(MainFormStartUpTest, AClosedWindowDuringTheSplashEndsWithoutCleanUpOrStartUp) {
  SplashStart s;
  s.Store("Note", "my note");
  TForm1& form = s.Construct();
  s.services.ui.AdvanceBy(2000);

  EXPECT_TRUE(form.Form().Close());
  EXPECT_EQ(form.StartUpSplash().Box(), nullptr);
  EXPECT_EQ(s.Stored("Note"), "my note") << "the empty design note was stored over the user's";
  EXPECT_TRUE(s.services.ui.RunUntilIdle());
  EXPECT_FALSE(form.StartedUp());
  EXPECT_FALSE(form.Form().Visible());
  EXPECT_EQ(s.shows, 0);
}

TEST(MainFormStartUpTest, ProgramEndingDuringTheSplashLeavesNothingPending) {
  SplashStart s;
  s.Construct();
  s.services.ui.AdvanceBy(100);
  s.form.reset();
  EXPECT_EQ(s.services.ui.PendingTimers(), 0u);
  EXPECT_EQ(s.windows.log.back(), "gone TAboutBox");
}

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
  EXPECT_EQ(form.Progress().RunCount, 2);
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
  EXPECT_EQ(form.DirectXFacts().DisplayMemory, "indeterminable");
  EXPECT_FALSE(form.Controls().Get<ui::PictureButton>("BenchButton").Enabled());
}

TEST(MainFormStartUpTest, ABrokenInstallationShowsItsMessageAfterTheSplashAndDisablesRun) {
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
    SplashStart s;
    s.Store("640", "1");
    s.services.registry.DeleteKey(c.root, c.key);
    s.services.display.modes = {{640, 480}};
    TForm1& form = s.Construct();
    s.services.ui.AdvanceBy(kSplashMs - 1);
    EXPECT_TRUE(s.services.dialogs.messages.empty()) << c.message;
    s.services.ui.AdvanceBy(1);
    EXPECT_TRUE(s.services.ui.RunUntilIdle());

    EXPECT_EQ(s.services.dialogs.messages, std::vector<std::string>{c.message});
    EXPECT_TRUE(form.Form().Visible()) << c.message;
    EXPECT_EQ(s.shows, 1) << c.message;
    const auto& run = s.Control<ui::PictureButton>("BenchButton");
    EXPECT_FALSE(run.Enabled());
    EXPECT_EQ(run.Hint(), c.message);
    EXPECT_FALSE(s.Control<ui::CheckGroup>("res").ItemChecked(0)) << "stored choices loaded";
    EXPECT_EQ(s.Control<ui::Label>("Label17").Caption(), "1.2.0.0") << c.message;
  }
}

// Without Steam's key the start-up stops before the stored choices are loaded: the note field
// shows its empty design default, which no way out may store over the user's note.
TEST(MainFormStartUpTest, LeavingAfterAStartUpThatLoadedNoChoicesKeepsTheStoredNote) {
  struct Case {
    const char* way;
    std::function<void(testing::StartedForm&)> leave;
  };
  const Case cases[] = {
      {"close request", [](testing::StartedForm& s) { EXPECT_TRUE(s.form->Form().Close()); }},
      {"Exit button",
       [](testing::StartedForm& s) { s.Control<ui::PictureButton>("SpeedButton1").HandleClick(); }},
  };
  for (const Case& c : cases) {
    testing::StartedForm s;
    s.Store("Note", "my note");
    s.Store("Display Memory", "512.0 MB");
    s.services.registry.DeleteKey(RegistryRoot::CurrentUser, "Software\\Valve\\Steam");
    s.Start();
    ASSERT_TRUE(s.form->StartedUp());
    ASSERT_EQ(s.Control<ui::Edit>("NoteEdit").Text(), "");
    c.leave(s);
    EXPECT_EQ(s.Stored("Note"), "my note") << c.way;
    // The cached DirectX facts are no choice: they are emptied as on every way out.
    EXPECT_EQ(s.Stored("Display Memory"), "") << c.way;
  }
}

// Once the start-up has shown the stored note, what the field holds is the user's note.
TEST(MainFormStartUpTest, LeavingAfterAFullStartUpStoresTheNoteAsShown) {
  testing::InstalledMachine s;
  s.Store("Note", "my note");
  s.Start();
  ASSERT_EQ(s.Control<ui::Edit>("NoteEdit").Text(), "my note");
  s.Control<ui::Edit>("NoteEdit").SetText("");
  s.Store("Note", "stale");
  EXPECT_TRUE(s.form->Form().Close());
  EXPECT_EQ(s.Stored("Note"), "");
}

}  // namespace
}  // namespace tamsendor::app
