#pragma once

#include <windows.h>

#include <atomic>

#include "platform/dialogs.h"
#include "platform/document_opener.h"
#include "platform/locale_clock.h"
#include "platform/window_placement.h"

namespace tamsendor::win32 {

// Message boxes owned by a window (set once it exists), titled with the application's title.
class Win32Dialogs : public platform::Dialogs {
 public:
  explicit Win32Dialogs(std::wstring title) : title_(std::move(title)) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  // From now on nothing shows: a message is dropped and a question answered No.
  void Silence() { silent_ = true; }

  void ShowMessage(const std::string& text) override;
  bool ConfirmYesNo(const std::string& question) override;
  bool Choose(const std::string& question, const std::string& first,
              const std::string& second) override;

 private:
  std::wstring title_;
  HWND owner_ = nullptr;
  std::atomic<bool> silent_{false};
};

// Position and size of a top-level window in its restored state, whatever state it is in now.
// The window is named once it exists.
class Win32WindowPlacement : public platform::WindowPlacement {
 public:
  void Attach(HWND window) { window_ = window; }
  platform::WindowBounds NormalBounds() const override;
  void SetBounds(const platform::WindowBounds& bounds) override;

 private:
  HWND window_ = nullptr;
};

class Win32LocaleClock : public platform::LocaleClock {
 public:
  std::string NowShortDateLongTime() const override;
  std::string NowIso8601() const override;
  std::string DecimalSeparator() const override;
};

// The shell's "open" for a document, with a window (set once it exists) as the owner of any
// message the shell shows.
class Win32DocumentOpener : public platform::DocumentOpener {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  platform::FileResult Open(const std::string& path) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace tamsendor::win32
