#pragma once

#include <string>

namespace tamsendor::platform {

// Modal message boxes owned by the main window, titled with the application's title.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Information box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // Question box with Yes and No buttons; true for Yes.
  virtual bool ConfirmYesNo(const std::string& question) = 0;
  // Question box with two buttons of the given captions; true for the first. Closing the box
  // is the second.
  virtual bool Choose(const std::string& question, const std::string& first,
                      const std::string& second) = 0;
};

}  // namespace tamsendor::platform
