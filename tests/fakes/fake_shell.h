#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/display.h"
#include "platform/document_opener.h"
#include "platform/file_dialogs.h"
#include "platform/locale_clock.h"
#include "platform/short_wait.h"
#include "platform/taskbar_progress.h"
#include "platform/user_identity.h"
#include "platform/window_placement.h"

namespace tamsendor::fakes {

// Message boxes that record what was shown and answer questions as the test scripted.
class FakeDialogs : public platform::Dialogs {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;  // Yes = true; an unscripted question is answered No
  // Runs while a question waits for its answer: what the user does in the meantime.
  std::function<void()> whileAsked;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool Choose(const std::string& question, const std::string& first,
              const std::string& second) override {
    choices.push_back(first + "/" + second);
    return ConfirmYesNo(question);
  }
  std::vector<std::string> choices;  // "first/second" button captions of each Choose
  bool ConfirmYesNo(const std::string& question) override {
    questions.push_back(question);
    if (whileAsked)
      whileAsked();
    if (answers.empty())
      return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// File and folder dialogs that record their titles and give what the test scripted; an
// unscripted dialog is cancelled.
class FakeFileDialogs : public platform::FileDialogs {
 public:
  struct Shown {
    std::string title;
    std::string filter;  // empty for a folder dialog
    std::string startFolder;
    bool operator==(const Shown&) const = default;
  };
  std::vector<Shown> shown;
  std::vector<std::string> suggestedNames;  // of the save dialogs, in order
  std::deque<std::optional<std::string>> choices;

  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& startFolder) override {
    shown.push_back({title, filter, startFolder});
    return Next();
  }
  std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                      const std::string& suggestedName) override {
    shown.push_back({title, filter, ""});
    suggestedNames.push_back(suggestedName);
    return Next();
  }
  std::optional<std::string> PickFolder(const std::string& title,
                                        const std::string& startFolder) override {
    shown.push_back({title, "", startFolder});
    return Next();
  }

 private:
  std::optional<std::string> Next() {
    if (choices.empty())
      return std::nullopt;
    auto choice = choices.front();
    choices.pop_front();
    return choice;
  }
};

class FakeWindowPlacement : public platform::WindowPlacement {
 public:
  platform::WindowBounds bounds{100, 100, 559, 475};
  int setCalls = 0;
  platform::WindowBounds NormalBounds() const override { return bounds; }
  void SetBounds(const platform::WindowBounds& b) override {
    bounds = b;
    ++setCalls;
  }
};

// The taskbar button's progress as the program left it, and every state it went through.
class FakeTaskbarProgress : public platform::TaskbarProgress {
 public:
  std::string state = "none";  // "none", "busy" or "done/total"
  std::vector<std::string> history;
  void ShowBusy() override { Set("busy"); }
  void ShowProgress(int done, int total) override {
    Set(std::to_string(done) + "/" + std::to_string(total));
  }
  void Clear() override { Set("none"); }

 private:
  void Set(std::string next) {
    state = std::move(next);
    history.push_back(state);
  }
};

class FakeLocaleClock : public platform::LocaleClock {
 public:
  std::string now = "2007.11.23. 21:05:07";
  std::string iso = "2007-11-23T21:05:07+01:00";
  std::string decimalSeparator = ".";
  std::string NowShortDateLongTime() const override { return now; }
  std::string NowIso8601() const override { return iso; }
  std::string DecimalSeparator() const override { return decimalSeparator; }
};

// Records the documents opened; fails with `failure` when it is set.
class FakeDocumentOpener : public platform::DocumentOpener {
 public:
  std::vector<std::string> opened;
  std::string failure;
  platform::FileResult Open(const std::string& path) override {
    if (!failure.empty())
      return platform::FileResult::Failure(failure);
    opened.push_back(path);
    return platform::FileResult::Success();
  }
};

class FakeDisplayModes : public platform::DisplayModes {
 public:
  std::vector<platform::DisplayMode> modes;
  std::vector<platform::DisplayMode> PrimaryModes() const override { return modes; }
};

// Waits no time; adds up what was asked.
class FakeShortWait : public platform::ShortWait {
 public:
  std::uint32_t waitedMs = 0;
  void Wait(std::uint32_t milliseconds) override { waitedMs += milliseconds; }
};

// An ordinary local account unless the test says otherwise.
class FakeUserIdentity : public platform::UserIdentity {
 public:
  std::optional<platform::SidParts> sid =
      platform::SidParts{{0, 0, 0, 0, 0, 5}, {21, 1004336348, 1177238915, 682003330, 1001}};
  std::optional<platform::SidParts> TokenUser() const override { return sid; }
};

}  // namespace tamsendor::fakes
