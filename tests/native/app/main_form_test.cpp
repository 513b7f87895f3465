#include "app/main_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/fake_app_services.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/picture_button.h"

namespace tamsendor::app {
namespace {

class MoveRecorder : public ui::FormPeer {
 public:
  void Reflect(ui::Property) override {}
  void RepaintNow() override {}
  void BeginMouseMove() override { ++moves; }
  void Closed() override { ++closes; }
  int moves = 0;
  int closes = 0;
};

struct MainFormTest : ::testing::Test {
  fakes::FakeAppServices services;
  ui::Application application{"Korvalin Tamsendor"};
  TForm1 form{application, services.Get()};
  std::vector<std::string> steps;

  MainFormTest() { services.ui.AdvanceBy(kSplashMs); }

  void RecordCleanUp() {
    form.CleanUp().onExitButton.push_back([this] { steps.push_back("exit 1"); });
    form.CleanUp().onExitButton.push_back([this] { steps.push_back("exit 2"); });
    form.CleanUp().onCloseQuery.push_back([this] { steps.push_back("query"); });
    form.CleanUp().onClose.push_back([this] { steps.push_back("close"); });
  }
};

TEST_F(MainFormTest, WindowDesign) {
  EXPECT_EQ(form.Form().Caption(), "Korvalin Tamsendor");
  EXPECT_EQ(form.Form().Width(), 559);
  EXPECT_EQ(form.Form().Height(), 475);
  EXPECT_EQ(form.Form().BackgroundColor(), ui::kBlack);
  EXPECT_EQ(form.Form().BorderStyle(), ui::BorderStyle::None);

  const auto& image = form.Controls().Get<ui::Image>("Image4");
  EXPECT_EQ(image.Bounds(), (ui::Bounds{0, 0, 559, 475}));
  const auto& minimize = form.Controls().Get<ui::PictureButton>("SpeedButton2");
  EXPECT_EQ(minimize.Bounds(), (ui::Bounds{517, 7, 17, 17}));
  EXPECT_EQ(minimize.Hint(), "Minimize");
  const auto& exit = form.Controls().Get<ui::PictureButton>("SpeedButton1");
  EXPECT_EQ(exit.Bounds(), (ui::Bounds{533, 7, 18, 17}));
  EXPECT_EQ(exit.Hint(), "Exit");
  const auto& status = form.Controls().Get<ui::Label>("StatusInfo");
  EXPECT_EQ(status.Left(), 16);
  EXPECT_EQ(status.Top(), 458);
  EXPECT_EQ(status.FontColor(), ui::kSilver);
  EXPECT_TRUE(status.Transparent());
  EXPECT_EQ(status.Caption(), "");
}

TEST_F(MainFormTest, MinimizeButtonMinimizesTheApplication) {
  form.Controls().Get<ui::PictureButton>("SpeedButton2").HandleClick();
  EXPECT_EQ(application.MinimizeCount(), 1);
  EXPECT_FALSE(application.Terminated());
}

TEST_F(MainFormTest, ExitButtonCleansUpThenEndsWithoutAClose) {
  RecordCleanUp();
  form.Controls().Get<ui::PictureButton>("SpeedButton1").HandleClick();
  EXPECT_TRUE(application.Terminated());
  EXPECT_EQ(steps, (std::vector<std::string>{"exit 1", "exit 2"}));
}

TEST_F(MainFormTest, CloseRequestRunsQueryThenCloseAndIsAlwaysAllowed) {
  RecordCleanUp();
  form.Form().OnCloseQuery = [&, inner = form.Form().OnCloseQuery](bool& canClose) {
    canClose = false;  // whatever came before, the window's own query allows the close
    inner(canClose);
  };
  MoveRecorder peer;
  form.Form().AttachFormPeer(&peer);
  EXPECT_TRUE(form.Form().Close());
  EXPECT_EQ(steps, (std::vector<std::string>{"query", "close"}));
  EXPECT_EQ(peer.closes, 1);
  EXPECT_FALSE(application.Terminated());
}

TEST_F(MainFormTest, OnlyTheLeftButtonDragsTheWindowByItsBackground) {
  MoveRecorder peer;
  form.Form().AttachFormPeer(&peer);
  auto& background = form.Controls().Get<ui::Image>("Image4");
  background.HandleMouseDown(ui::MouseButton::Right, 10, 10);
  background.HandleMouseDown(ui::MouseButton::Middle, 10, 10);
  EXPECT_EQ(peer.moves, 0);
  background.HandleMouseDown(ui::MouseButton::Left, 10, 10);
  EXPECT_EQ(peer.moves, 1);
}

}  // namespace
}  // namespace tamsendor::app
