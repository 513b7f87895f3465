#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/app/started_form.h"
#include "ui/group_bar.h"
#include "ui/picture_button.h"

namespace tamsendor::app {
namespace {

using tamsendor::testing::StartedForm;

constexpr char kHelp[] = "C:\\Program Files\\Korvalin Tamsendor\\Help.pdf";

TEST(HelpAndLinksTest, TheHelpFileOpensOrTheUserIsToldToReinstall) {
  StartedForm s;
  s.services.files.AddFile(kHelp, "%PDF-1.4");
  s.Start();
  s.Control<ui::PictureButton>("RzShapeButton4").HandleClick();
  EXPECT_EQ(s.services.opener.opened, std::vector<std::string>{kHelp});
  EXPECT_TRUE(s.services.dialogs.messages.empty());

  s.services.files.RemoveFile(kHelp);
  s.Control<ui::PictureButton>("RzShapeButton4").HandleClick();
  EXPECT_EQ(s.services.opener.opened.size(), 1u);
  EXPECT_EQ(
      s.services.dialogs.messages,
      std::vector<std::string>{"Corrupt Help file, please reinstall the Korvalin Tamsendor."});
}

TEST(HelpAndLinksTest, TheLinksOpenTheirPagesInTheDefaultBrowser) {
  StartedForm s;
  s.Start();
  s.Control<ui::PictureButton>("RzShapeButton3").HandleClick();
  auto& other = s.Control<ui::BarGroup>("RzGroup3");
  other.HandleItemClick(1);  // "Homepage"
  other.HandleItemClick(0);  // "HL2 EO Tweakguide"
  EXPECT_EQ(s.services.opener.opened,
            (std::vector<std::string>{"https://www.korvalin.com/", "https://www.korvalin.com/",
                                      "https://www.tweakguides.com/HL2_1.html"}));
  // A browser that cannot be started shows nothing.
  s.services.opener.failure = "No application is associated with the specified file.";
  s.Control<ui::PictureButton>("RzShapeButton3").HandleClick();
  EXPECT_TRUE(s.services.dialogs.messages.empty());
}

}  // namespace
}  // namespace tamsendor::app
