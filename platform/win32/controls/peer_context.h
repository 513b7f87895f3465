#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>

#include "platform/win32/controls/artwork.h"
#include "platform/win32/handles.h"
#include "ui/control.h"

namespace tamsendor::win32 {

COLORREF ToColorRef(ui::Color color);

// What the peers of one window share: its fonts, brushes, hint tooltip and artwork.
class PeerContext {
 public:
  PeerContext(HWND form, ui::Color formBackground, const Artwork& artwork);
  ~PeerContext();
  PeerContext(const PeerContext&) = delete;
  PeerContext& operator=(const PeerContext&) = delete;

  HWND Form() const { return form_; }
  ui::Color FormBackground() const { return formBackground_; }
  const Artwork& Pictures() const { return artwork_; }

  // The window's sans-serif font at that point size.
  HFONT Font(int points);
  HBRUSH Brush(ui::Color color);

  // An empty hint removes the window's tooltip. A disabled window gets no pointer messages (its
  // parent gets them), so while it is disabled its hint is also a tool of its parent over its
  // rectangle: call again when the window's state, place or visibility changes.
  void SetHint(HWND tool, const std::string& hint);
  HWND Tooltip() const { return tooltip_; }

 private:
  HWND form_;
  ui::Color formBackground_;
  const Artwork& artwork_;
  HWND tooltip_ = nullptr;
  std::map<int, GdiObject<HFONT>> fonts_;
  std::map<COLORREF, GdiObject<HBRUSH>> brushes_;
  std::set<HWND> tools_;
  std::set<HWND> disabledTools_;
};

}  // namespace tamsendor::win32
