#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/controls/artwork.h"
#include "platform/win32/controls/peer_context.h"
#include "platform/win32/controls/peer_set.h"
#include "ui/control_set.h"
#include "ui/form.h"

namespace tamsendor::win32 {

// The top-level window of a form and the real controls of its layout. The main window ends the
// message loop when it closes; any other window only hides.
class FormWindow : public ui::FormPeer {
 public:
  enum class Role { Main, Secondary };
  static constexpr wchar_t kClassName[] = L"TamsendorForm";

  FormWindow(ui::Form& form, ui::ControlSet& controls, const Artwork& artwork, Role role,
             HWND owner = nullptr);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  HWND Handle() const { return window_; }
  const PeerSet& Peers() const { return *peers_; }
  PeerContext& Context() const { return *context_; }

  void Reflect(ui::Property changed) override;
  void RepaintNow() override;
  void BeginMouseMove() override;
  void Closed() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
  RECT OuterRect() const;
  void MoveFocus(WPARAM wParam, LPARAM lParam);
  // Where the form's Position puts it: over `owner` or in the middle of the desktop.
  void Place(HWND owner);
  // A window manager may place a window by its own rule when it first shows it; once, the window
  // goes back where the program put it.
  void KeepPlacementOnShow(const WINDOWPOS& changed);
  void StopAwaitingManager();

  ui::Form& form_;
  Role role_;
  HWND window_ = nullptr;
  bool awaitingManager_ = false;  // shown, and not yet moved by the window manager or the user
  std::unique_ptr<PeerContext> context_;
  std::unique_ptr<PeerSet> peers_;
};

}  // namespace tamsendor::win32
