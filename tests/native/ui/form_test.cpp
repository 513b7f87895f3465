#include "ui/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"

namespace tamsendor::ui {
namespace {

class LoggingFormPeer : public FormPeer {
 public:
  explicit LoggingFormPeer(std::vector<std::string>& log) : log_(log) {}
  void Reflect(Property changed) override {
    if (changed == Property::Visible)
      log_.push_back("visible changed");
  }
  void RepaintNow() override { log_.push_back("repaint"); }
  void BeginMouseMove() override { log_.push_back("move"); }
  void Closed() override { log_.push_back("closed"); }

 private:
  std::vector<std::string>& log_;
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
