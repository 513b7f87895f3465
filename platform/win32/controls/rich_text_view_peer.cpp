#include "platform/win32/controls/rich_text_view_peer.h"

#include <richedit.h>
#include <windowsx.h>

#include <string>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// Links in a light blue that reads on the dark background the news window has.
constexpr COLORREF kLinkColor = RGB(120, 180, 255);
constexpr const wchar_t* kFace = L"Tahoma";
constexpr int kMargin = 8;

// The rich edit of msftedit.dll, loaded from the system folder only; it stays loaded.
const wchar_t* RichEditClass() {
  static const bool loaded =
      LoadLibraryExW(L"msftedit.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32) != nullptr;
  (void)loaded;
  return MSFTEDIT_CLASS;
}

// Heading sizes in points, from h1 down; body text has the model's size.
int PointsOf(const ui::TextRun& run, int bodyPoints) {
  switch (run.heading) {
    case 1:
      return bodyPoints + 6;
    case 2:
      return bodyPoints + 4;
    case 3:
      return bodyPoints + 2;
    default:
      return bodyPoints;
  }
}

// The run's text as the control holds it: a paragraph ends with "\r" alone.
std::wstring ControlText(const std::string& text) {
  std::wstring wide = Widen(text);
  for (wchar_t& c : wide)
    if (c == L'\n')
      c = L'\r';
  return wide;
}

}  // namespace

RichTextViewPeer::RichTextViewPeer(ui::RichTextView& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), view_(model) {
  CreateNative(RichEditClass(),
               ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, 0, parent);
  // Our own link runs only; a text that merely looks like an address is no link. The control's
  // own links (CFE_LINK) are not used: they take the system's link colour, dark blue on our
  // black under Wine, so the peer finds clicks on link runs itself.
  SendMessageW(Handle(), EM_AUTOURLDETECT, FALSE, 0);
}

void RichTextViewPeer::ReflectOwn(ui::Property changed) {
  switch (changed) {
    case ui::Property::Text:
      ShowDocument();
      break;
    case ui::Property::Colors:
      ApplyColors();
      ShowDocument();
      break;
    case ui::Property::Bounds: {
      // Text does not touch the edges.
      RECT area;
      GetClientRect(Handle(), &area);
      InflateRect(&area, -kMargin, -kMargin);
      SendMessageW(Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&area));
      break;
    }
    default:
      break;
  }
}

void RichTextViewPeer::ApplyFont(HFONT) {
  // The sizes are the model's and the headings', set per run.
  ShowDocument();
}

void RichTextViewPeer::ApplyColors() {
  const ui::Color background = view_.BackgroundColor().value_or(ui::kWhite);
  SendMessageW(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ToColorRef(background)));
}

void RichTextViewPeer::ShowDocument() {
  const ui::RichText& document = view_.Document();
  std::wstring all;
  std::vector<std::wstring> texts;
  for (const auto& run : document.runs) {
    texts.push_back(ControlText(run.text));
    all += texts.back();
  }
  SetWindowTextW(Handle(), all.c_str());

  const COLORREF textColor = ToColorRef(view_.FontColor().value_or(ui::kBlack));
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask =
      CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_COLOR | CFM_SIZE | CFM_FACE | CFM_CHARSET;
  format.crTextColor = textColor;
  format.yHeight = view_.FontSize() * 20;
  format.bCharSet = DEFAULT_CHARSET;
  wcsncpy(format.szFaceName, kFace, LF_FACESIZE - 1);
  SendMessageW(Handle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));

  spans_.clear();
  long at = 0;
  for (std::size_t i = 0; i < document.runs.size(); ++i) {
    const ui::TextRun& run = document.runs[i];
    const long end = at + static_cast<long>(texts[i].size());
    spans_.push_back({at, end});
    CHARRANGE range{at, end};
    SendMessageW(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    format.dwEffects = (run.bold ? CFE_BOLD : 0) | (run.italic ? CFE_ITALIC : 0) |
                       (run.link.empty() ? 0 : CFE_UNDERLINE);
    format.crTextColor = run.link.empty() ? textColor : kLinkColor;
    format.yHeight = PointsOf(run, view_.FontSize()) * 20;
    SendMessageW(Handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    at = end;
  }
  SendMessageW(Handle(), EM_SETSEL, 0, 0);
  SendMessageW(Handle(), WM_VSCROLL, SB_TOP, 0);
}

std::optional<std::size_t> RichTextViewPeer::LinkAt(POINT point) const {
  POINTL at{point.x, point.y};
  const auto index =
      static_cast<long>(SendMessageW(Handle(), EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
  std::optional<std::size_t> link;
  for (std::size_t i = 0; i < spans_.size() && !link; ++i)
    if (index >= spans_[i].start && index < spans_[i].end && !view_.Document().runs[i].link.empty())
      link = i;
  if (!link)
    return std::nullopt;
  // The control names the nearest character, also for a point beside or below the text: the
  // point must lie on the character itself.
  POINTL first{};
  POINTL next{};
  SendMessageW(Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), index);
  SendMessageW(Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&next), index + 1);
  HDC dc = GetDC(Handle());
  const int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(Handle(), dc);
  const int lineHeight =
      MulDiv(PointsOf(view_.Document().runs[*link], view_.FontSize()), pixelsPerInch, 72) * 3 / 2;
  if (point.x < first.x || point.y < first.y || point.y >= first.y + lineHeight ||
      (next.y == first.y && point.x >= next.x))
    return std::nullopt;
  return link;
}

bool RichTextViewPeer::HandleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SETCURSOR: {
      POINT point;
      GetCursorPos(&point);
      ScreenToClient(Handle(), &point);
      if (!LinkAt(point))
        return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      result = TRUE;
      return true;
    }
    case WM_LBUTTONDOWN:
      pressedLink_ = LinkAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return false;
    case WM_LBUTTONUP: {
      // A click, not a drag that selects: down and up on the same link.
      const auto link = LinkAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      const bool clicked = link && link == pressedLink_;
      pressedLink_.reset();
      if (clicked)
        view_.HandleLinkClick(*link);
      return false;
    }
    default:
      return false;
  }
}

}  // namespace tamsendor::win32
