#pragma once

#include <windows.h>

#include <map>
#include <optional>

#include "platform/win32/controls/peer_context.h"
#include "platform/win32/handles.h"
#include "ui/control.h"

namespace tamsendor::win32 {

// The real window behind one control model. It reflects the model's properties into the window
// and forwards what the user does to the model. Two sorts of window: a native control of the
// system (subclassed), or a pane of our own that the peer paints.
class NativePeer : public ui::ControlPeer {
 public:
  NativePeer(ui::Control& model, PeerContext& context);
  ~NativePeer() override;
  NativePeer(const NativePeer&) = delete;
  NativePeer& operator=(const NativePeer&) = delete;

  HWND Handle() const { return window_; }
  ui::Control& Model() const { return model_; }
  static NativePeer* FromHandle(HWND window);

  void Reflect(ui::Property changed) final;
  // Brings the new window up to date with every property of its model.
  void ReflectAll();

  // The notifications a child sends its parent (commands, colour requests) go to the child's
  // peer. True when a peer answered.
  static bool ForwardToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The colour shown around this control: the nearest set background of it or its parents.
  ui::Color SurroundingColor() const;

  // Paints what lies beneath a window: its parent's surface and the panes below it.
  static void PaintBeneath(HWND window, HDC dc);

 protected:
  void CreateNative(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent);
  void CreatePane(DWORD exStyle, HWND parent);
  // Whether the key a WM_GETDLGCODE asks about (its lParam) is Enter going down: panes that act
  // on Enter ask for it, or the dialog keys take it.
  static bool AsksAboutEnter(LPARAM lParam);
  // A pane that the keyboard reaches: a tab stop (unless its model says otherwise) of a group of
  // its own, so the arrow keys stay with it.
  void AcceptFocus();

  virtual void ReflectOwn(ui::Property changed) { (void)changed; }
  // The window's own messages; true when handled (result is then returned).
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Notifications about this control that its parent window received.
  virtual bool HandleFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Panes paint here, on a buffer the size of the client area.
  virtual void Paint(HDC dc, const RECT& client) {
    (void)dc;
    (void)client;
  }
  virtual void ApplyFont(HFONT font);
  // Edits and combo boxes show their Text, not the Caption.
  virtual bool ShowsCaption() const { return true; }

  // A child window without a peer of its own (an item button, a combo box's text field) that
  // counts as part of this control for the pointer leaving it.
  void WatchForLeave(HWND child);
  // True while a reflection writes into the window, so the notifications the window sends back
  // are not taken for the user's.
  bool Reflecting() const { return reflecting_; }
  PeerContext& Context() const { return context_; }
  void Invalidate() const { InvalidateRect(window_, nullptr, TRUE); }
  // Text colour and background for a WM_CTLCOLOR... request from `part` (this control's window
  // or one of its own children). Without a background colour the part shows what lies beneath
  // it, through a brush painted from the backdrop.
  HBRUSH ColorText(HDC dc, HWND part, std::optional<ui::Color> background);
  // Paints what lies beneath this pane: its parent's surface and the panes below it.
  void PaintBehind(HDC dc) const { PaintBeneath(window_, dc); }

 private:
  static LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept;
  static LRESULT CALLBACK NativeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self) noexcept;
  static LRESULT CALLBACK WatchedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self) noexcept;
  void Attach(HWND window);
  void RefreshHint();
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  void PaintBuffered();
  void PointerMoved(HWND over);
  void PointerMayHaveLeft();

  ui::Control& model_;
  PeerContext& context_;
  HWND window_ = nullptr;
  bool pane_ = false;
  bool takesFocus_ = false;
  bool reflecting_ = false;
  bool pointerInside_ = false;
  // The brush is made from the bitmap, so it is declared after it and goes first.
  struct Backdrop {
    GdiObject<HBITMAP> bitmap;
    GdiObject<HBRUSH> brush;
  };
  std::map<HWND, Backdrop> backdrops_;
};

}  // namespace tamsendor::win32
