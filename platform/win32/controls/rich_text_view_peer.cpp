#include "platform/win32/controls/rich_text_view_peer.h"

#include <richedit.h>

#include <string>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// Links in a light blue that reads on the dark background the news window has.
constexpr COLORREF kLinkColor = RGB(120, 180, 255);
constexpr const wchar_t* kFace = L"Tahoma";

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
  SendMessageW(Handle(), EM_SETEVENTMASK, 0, ENM_LINK);
  // Our own link runs only; a text that merely looks like an address is no link.
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
  format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_LINK | CFM_COLOR | CFM_SIZE |
                  CFM_FACE | CFM_CHARSET;
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
                       (run.link.empty() ? 0 : CFE_LINK | CFE_UNDERLINE);
    format.crTextColor = run.link.empty() ? textColor : kLinkColor;
    format.yHeight = PointsOf(run, view_.FontSize()) * 20;
    SendMessageW(Handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    at = end;
  }
  SendMessageW(Handle(), EM_SETSEL, 0, 0);
  SendMessageW(Handle(), WM_VSCROLL, SB_TOP, 0);
}

bool RichTextViewPeer::HandleFromParent(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY)
    return false;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->code != EN_LINK)
    return false;
  const auto* link = reinterpret_cast<const ENLINK*>(lParam);
  result = 0;
  if (link->msg != WM_LBUTTONUP)
    return true;
  for (std::size_t i = 0; i < spans_.size(); ++i) {
    if (link->chrg.cpMin >= spans_[i].start && link->chrg.cpMin < spans_[i].end) {
      view_.HandleLinkClick(i);
      break;
    }
  }
  return true;
}

}  // namespace tamsendor::win32
