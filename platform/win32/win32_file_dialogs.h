#pragma once

#include <windows.h>

#include "platform/file_dialogs.h"

namespace tamsendor::win32 {

// The system's file dialogs (the common item dialogs to open, the classic one to save), owned by
// a window set once it exists.
class Win32FileDialogs : public platform::FileDialogs {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }

  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& startFolder) override;
  // The classic save dialog (GetSaveFileNameW), which asks before replacing a file.
  std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                      const std::string& suggestedName) override;
  std::optional<std::string> PickFolder(const std::string& title,
                                        const std::string& startFolder) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace tamsendor::win32
