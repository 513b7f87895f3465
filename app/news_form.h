#pragma once

#include <string>

#include "news/news_page.h"
#include "ui/form.h"
#include "ui/laid_out_form.h"
#include "ui/layout.h"
#include "ui/rich_text_view.h"

namespace tamsendor::app {

// The news window's one control: the view of the news page, filling the window.
ui::Layout NewsFormLayout();

// The news window: a small always-on-top window for the maker's news page. Created hidden; it
// shows each time the main window shows, with the page when the machine is online and empty
// otherwise. Closing it only hides it.
class TForm5 : public ui::LaidOutForm {
 public:
  TForm5(ui::Form& mainWindow, const news::NewsPage::Services& services, std::string newsAddress);

  ui::RichTextView& WebBrowser() { return Controls().Get<ui::RichTextView>("WebBrowser"); }
  const ui::RichTextView& WebBrowser() const {
    return Controls().Get<ui::RichTextView>("WebBrowser");
  }
  const news::NewsPage& News() const { return news_; }

 private:
  // The main window's FormShow: the online check, the page when online, and this window,
  // without waiting for either.
  void MainFormShow();

  news::NewsPage news_;
};

}  // namespace tamsendor::app
