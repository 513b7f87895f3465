#include "app/news_form.h"

#include <gtest/gtest.h>

#include "news/html_to_rich_text.h"
#include "news/news_page.h"
#include "tests/fakes/fake_network.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::app {
namespace {

constexpr const char* kNews = "https://news.example/benchmarks/news.html";

class NewsFormTest : public ::testing::Test {
 protected:
  std::string Shown() const {
    std::string text;
    for (const auto& run : form5.WebBrowser().Document().runs)
      text += run.text;
    return text;
  }
  // The main window shows (again, when a test shows it twice).
  void ShowMainWindow() {
    mainWindow.SetVisible(false);
    mainWindow.Show();
  }

  fakes::VirtualUiThread ui;
  fakes::FakeOnlineCheck online;
  fakes::FakePageFetcher fetcher;
  fakes::FakeDocumentOpener opener;
  ui::Form mainWindow{"TForm1"};
  TForm5 form5{mainWindow, {online, fetcher, ui, opener}, kNews};
};

TEST_F(NewsFormTest, IsTheDesignedWindowAndHiddenUntilTheMainWindowShows) {
  const ui::Form& form = form5.Form();
  EXPECT_EQ(form.Caption(), "Pelloquin NEWS");
  EXPECT_EQ(form.Bounds(), (ui::Bounds{0, 0, 520, 500}));
  EXPECT_EQ(form.BorderStyle(), ui::BorderStyle::Single);
  EXPECT_TRUE(form.StaysOnTop());
  EXPECT_EQ(form.Position(), ui::FormPosition::DesktopCenter);
  EXPECT_EQ(form.BackgroundColor(), ui::kBlack);
  EXPECT_EQ(form5.WebBrowser().Bounds(), (ui::Bounds{0, 0, 520, 500}));
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(online.checks, 0);
}

TEST_F(NewsFormTest, OfflineOrWithNoWayToTellTheWindowShowsEmptyWithoutAFetch) {
  for (const std::optional<bool> answer : {std::optional<bool>(true), std::optional<bool>()}) {
    online.offline = answer;
    form5.Form().Close();
    ShowMainWindow();
    EXPECT_TRUE(form5.Form().Visible());
    EXPECT_FALSE(form5.News().IsOnline());
    EXPECT_TRUE(fetcher.fetched.empty());
    EXPECT_TRUE(form5.WebBrowser().Document().Empty());
  }
  EXPECT_EQ(online.checks, 2);
}

TEST_F(NewsFormTest, OnlineTheWindowShowsAtOnceAndThePageWhenItComes) {
  online.offline = false;
  ShowMainWindow();
  EXPECT_TRUE(form5.Form().Visible());
  ASSERT_EQ(fetcher.fetched, std::vector<std::string>{kNews});
  EXPECT_EQ(fetcher.maxBytes, news::kPageLimit);
  EXPECT_TRUE(form5.WebBrowser().Document().Empty());

  fetcher.Finish(platform::FetchedPage{"text/html; charset=iso-8859-1",
                                       "<h1>News</h1><p>Caf\xE9 <a href=/x>more</a></p>"});
  EXPECT_EQ(Shown(), "News\n\nCaf\xC3\xA9 more");
  EXPECT_EQ(form5.WebBrowser().Document().runs.back().link, "https://news.example/x");
  EXPECT_FALSE(form5.News().Loading());
  EXPECT_EQ(ui.PendingTimers(), 0u);
}

TEST_F(NewsFormTest, OnceOnlineANoAnswerKeepsIt) {
  online.offline = false;
  ShowMainWindow();
  online.offline.reset();
  form5.Form().Close();
  ShowMainWindow();
  EXPECT_TRUE(form5.News().IsOnline());
  EXPECT_EQ(fetcher.fetched.size(), 2u);
}

TEST_F(NewsFormTest, AFailureOrAPageThatIsNoHtmlLeavesTheViewEmpty) {
  online.offline = false;
  const std::optional<platform::FetchedPage> endings[] = {
      std::nullopt,
      platform::FetchedPage{"text/plain", "<p>not a page</p>"},
      platform::FetchedPage{"", "<p>no type</p>"},
  };
  for (const auto& ending : endings) {
    ShowMainWindow();
    fetcher.Finish(ending);
    EXPECT_TRUE(form5.WebBrowser().Document().Empty());
    form5.Form().Close();
  }
}

TEST_F(NewsFormTest, APageLateBeyondTheTimeLimitIsGivenUp) {
  online.offline = false;
  ShowMainWindow();
  ui.AdvanceBy(news::kNewsTimeLimitMs - 1);
  EXPECT_TRUE(fetcher.Running());
  ui.AdvanceBy(1);
  EXPECT_FALSE(fetcher.Running());
  EXPECT_EQ(fetcher.cancels, 1);
  EXPECT_FALSE(form5.News().Loading());
  EXPECT_TRUE(form5.WebBrowser().Document().Empty());
}

TEST_F(NewsFormTest, ALinkOpensInTheBrowserOnlyWhenItIsAWebAddress) {
  ui::RichText text;
  text.runs = {{"web", false, false, 0, "https://a.example/"},
               {"local", false, false, 0, "file:///C:/Windows/notepad.exe"},
               {"plain", false, false, 0, ""}};
  form5.WebBrowser().SetDocument(text);
  for (std::size_t run = 0; run < 4; ++run)
    form5.WebBrowser().HandleLinkClick(run);
  EXPECT_EQ(opener.opened, std::vector<std::string>{"https://a.example/"});
}

}  // namespace
}  // namespace tamsendor::app

namespace tamsendor::news {
namespace {

constexpr const char* kNews = "https://news.example/benchmarks/news.html";

TEST(NewsPageTest, GoingAwayWhileTheFetchRunsCancelsIt) {
  fakes::VirtualUiThread ui;
  fakes::FakeOnlineCheck online;
  fakes::FakePageFetcher fetcher;
  fakes::FakeDocumentOpener opener;
  ui::RichTextView view("WebBrowser");
  {
    NewsPage page({online, fetcher, ui, opener}, view, kNews);
    page.Navigate();
    EXPECT_TRUE(fetcher.Running());
  }
  EXPECT_FALSE(fetcher.Running());
  EXPECT_EQ(ui.PendingTimers(), 0u);
}

}  // namespace
}  // namespace tamsendor::news
