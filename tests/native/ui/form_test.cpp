#include "ui/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"

namespace tamsendor::ui {
namespace {

class LoggingFormPeer : public FormPeer {
 public:
  explicit LoggingFormPeer(std::vector<std::string>& log, std::string prefix = {})
      : log_(log), prefix_(std::move(prefix)) {}
  void Reflect(Property changed) override {
    if (changed == Property::Visible)
      log_.push_back(prefix_ + "visible changed");
    if (changed == Property::Enabled)
      log_.push_back(prefix_ + "enabled changed");
  }
  void RepaintNow() override { log_.push_back(prefix_ + "repaint"); }
  void BeginMouseMove() override { log_.push_back(prefix_ + "move"); }
  void Closed() override { log_.push_back(prefix_ + "closed"); }

 private:
  std::vector<std::string>& log_;
  std::string prefix_;
};

TEST(FormTest, CloseAsksFirstThenClosesThenTellsThePeer) {
  std::vector<std::string> log;
  Form form("TForm1");
  LoggingFormPeer peer(log);
  form.AttachFormPeer(&peer);
  form.Show();
  log.clear();
  form.OnCloseQuery = [&](bool&) { log.push_back("query"); };
  form.OnClose = [&] { log.push_back("close"); };
  EXPECT_TRUE(form.Close());
  EXPECT_EQ(log, (std::vector<std::string>{"query", "close", "visible changed", "closed"}));
}

TEST(FormTest, RefusedCloseLeavesTheWindowAlone) {
  std::vector<std::string> log;
  Form form("TForm1");
  LoggingFormPeer peer(log);
  form.AttachFormPeer(&peer);
  form.Show();
  log.clear();
  form.OnCloseQuery = [](bool& canClose) { canClose = false; };
  form.OnClose = [&] { log.push_back("close"); };
  EXPECT_FALSE(form.Close());
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(log.empty());
}

TEST(FormTest, ShowFiresOnceEachTimeTheWindowBecomesVisible) {
  Form form("TForm5");
  int shows = 0;
  form.OnShow = [&] { ++shows; };
  form.Show();
  form.Show();
  form.SetEnabled(false);
  form.SetVisible(false);
  form.Show();
  EXPECT_EQ(shows, 2);
}

TEST(FormTest, ModalWindowHoldsItsOwnersInputUntilItClosesAndGivesItBackFirst) {
  std::vector<std::string> log;
  Form owner("TForm1");
  Form picker("TForm3");
  LoggingFormPeer ownerPeer(log, "owner ");
  LoggingFormPeer pickerPeer(log, "picker ");
  owner.AttachFormPeer(&ownerPeer);
  picker.AttachFormPeer(&pickerPeer);
  owner.Show();
  log.clear();
  picker.ShowModal(owner);
  EXPECT_TRUE(picker.Modal());
  EXPECT_FALSE(owner.Enabled());
  picker.ShowModal(owner);  // shown already
  picker.OnCloseQuery = [](bool& canClose) { canClose = false; };
  EXPECT_FALSE(picker.Close());
  EXPECT_FALSE(owner.Enabled());

  picker.OnCloseQuery = nullptr;
  EXPECT_TRUE(picker.Close());
  EXPECT_TRUE(owner.Enabled());
  EXPECT_FALSE(picker.Modal());
  // The owner takes input again before the window hides, so the activation can go back to it.
  EXPECT_EQ(log, (std::vector<std::string>{"owner enabled changed", "picker visible changed",
                                           "owner enabled changed", "picker visible changed",
                                           "picker closed"}));

  picker.Show();  // shown plainly: its close leaves the owner alone
  EXPECT_FALSE(picker.Modal());
  owner.SetEnabled(false);
  picker.Close();
  EXPECT_FALSE(owner.Enabled());
}

TEST(FormTest, ActivationEventsFireOnRealChangesAndAHiddenWindowIsNeverActive) {
  Form form("TForm3");
  std::vector<std::string> log;
  form.OnActivate = [&] { log.push_back("activate"); };
  form.OnDeactivate = [&] { log.push_back("deactivate"); };
  form.HandleActivated(true);  // hidden
  EXPECT_FALSE(form.Active());
  EXPECT_TRUE(log.empty());
  form.Show();
  form.HandleActivated(true);
  form.HandleActivated(true);
  form.HandleActivated(false);
  form.HandleActivated(false);
  form.HandleActivated(true);
  form.Close();
  EXPECT_FALSE(form.Active());
  form.HandleActivated(true);  // hidden again
  EXPECT_FALSE(form.Active());
  form.HandleActivated(false);
  EXPECT_EQ(log, (std::vector<std::string>{"activate", "deactivate", "activate", "deactivate"}));
}

TEST(ApplicationTest, HeadlessApplicationRemembersWhatWasAsked) {
  Application application("Korvalin Tamsendor");
  application.Minimize();
  EXPECT_EQ(application.MinimizeCount(), 1);
  EXPECT_FALSE(application.Terminated());
  application.Terminate();
  EXPECT_TRUE(application.Terminated());
}

}  // namespace
}  // namespace tamsendor::ui
