#include "platform/win32/artwork/main_artwork.h"

#include "platform/win32/artwork/artwork_drawing.h"

namespace tamsendor::win32::artwork {

namespace {

// Dark, with the title at the top left and a speedometer-like ring on the right, both clear of
// the buttons at the top right, the group bar and the page area; a rule above the status line.
void PaintMainBackground(HDC dc, const RECT& area) {
  VerticalGradient(dc, area, RGB(22, 24, 30), RGB(6, 6, 8));

  Text(dc, 24, 60, L"Korvalin Tamsendor", 24, FW_BOLD, kTitle);
  Text(dc, 26, 104, L"Half-Life 2: Episode Two benchmark", 11, FW_NORMAL, kSubtitle);
  Line(dc, 26, 132, 250, 132, 2, kAccent);

  const int cx = area.right - 96;
  const int cy = area.top + 146;
  Ring(dc, cx, cy, 52, 1, RGB(40, 42, 50));
  Ring(dc, cx, cy, 40, 6, RGB(30, 32, 40));
  RingArc(dc, cx, cy, 40, 6, kAccent, {cx + 40, cy - 8}, {cx - 25, cy - 33});
  Line(dc, cx, cy, cx + 25, cy - 22, 3, kTitle);
  Ring(dc, cx, cy, 5, 3, kTitle);

  Line(dc, area.left + 8, area.bottom - 22, area.right - 8, area.bottom - 22, 1, kRule);
}

void PaintWindowButton(HDC dc, const RECT& area, const win32::ArtState& state, bool close) {
  if (state.hot || !state.flat) {
    const COLORREF face = close ? (state.pressed ? RGB(140, 24, 24) : RGB(190, 40, 40))
                                : (state.pressed ? RGB(40, 42, 50) : RGB(64, 66, 78));
    FillSolid(dc, area, face);
  }
  const COLORREF ink = !state.enabled ? RGB(90, 90, 90) : state.hot ? kTitle : RGB(176, 176, 184);
  const int cx = (area.left + area.right) / 2;
  const int cy = (area.top + area.bottom) / 2;
  if (close) {
    Line(dc, cx - 4, cy - 4, cx + 4, cy + 4, 2, ink);
    Line(dc, cx + 4, cy - 4, cx - 4, cy + 4, 2, ink);
  } else {
    Line(dc, cx - 4, cy + 3, cx + 5, cy + 3, 2, ink);
  }
}

// The Run button: an accent-rimmed plate with "RUN" and a play mark; dimmed when disabled.
void PaintRunButton(HDC dc, const RECT& area, const win32::ArtState& state) {
  const COLORREF face = !state.enabled  ? RGB(34, 34, 38)
                        : state.pressed ? RGB(150, 80, 16)
                        : state.hot     ? RGB(210, 120, 28)
                                        : RGB(180, 100, 22);
  const COLORREF ink = state.enabled ? kTitle : RGB(96, 96, 100);
  Plate(dc, area, face, state.enabled ? kAccent : RGB(60, 60, 66), 8);

  const int cy = (area.top + area.bottom) / 2;
  const int x = area.left + 30;
  const POINT play[] = {{x, cy - 5}, {x, cy + 5}, {x + 8, cy}};
  HBRUSH inkBrush = CreateSolidBrush(ink);
  HPEN inkPen = CreatePen(PS_SOLID, 1, ink);
  HGDIOBJ oldBrush = SelectObject(dc, inkBrush);
  HGDIOBJ oldPen = SelectObject(dc, inkPen);
  Polygon(dc, play, 3);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(inkPen);
  DeleteObject(inkBrush);
  Text(dc, x + 14, cy - 8, L"RUN", 9, FW_BOLD, ink);
}

// A folder glyph on a small plate: the browse buttons ("folder"), and with the caption beside it
// the "Open" button of the results folder ("open folder", the glyph at the left).
void PaintFolderButton(HDC dc, const RECT& area, const win32::ArtState& state, bool withCaption) {
  const COLORREF face = !state.enabled  ? RGB(34, 34, 38)
                        : state.pressed ? RGB(40, 42, 50)
                        : state.hot     ? RGB(76, 78, 92)
                                        : RGB(58, 60, 70);
  Plate(dc, area, face, state.enabled ? RGB(96, 98, 110) : RGB(60, 60, 66), 5);

  const COLORREF ink = state.enabled ? RGB(236, 190, 90) : RGB(96, 96, 100);
  const int cy = (area.top + area.bottom) / 2;
  const int left = withCaption ? area.left + 6 : (area.left + area.right) / 2 - 7;
  HBRUSH inkBrush = CreateSolidBrush(ink);
  const RECT tab{left, cy - 5, left + 6, cy - 3};
  const RECT body{left, cy - 3, left + 14, cy + 6};
  FillRect(dc, &tab, inkBrush);
  FillRect(dc, &body, inkBrush);
  DeleteObject(inkBrush);
}

// The link buttons at the top right: a dark pill with its word, the rim lit when hot.
void PaintLinkButton(HDC dc, const RECT& area, const win32::ArtState& state, const wchar_t* word) {
  const COLORREF face = state.pressed ? RGB(40, 42, 50)
                        : state.hot   ? RGB(58, 60, 72)
                                      : RGB(30, 32, 40);
  Plate(dc, area, face, state.hot ? kAccent : RGB(70, 72, 84), area.bottom - area.top);
  const int height = -MulDiv(7, GetDeviceCaps(dc, LOGPIXELSY), 72);
  HFONT font = CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, L"Tahoma");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, state.hot ? kTitle : RGB(190, 190, 198));
  RECT box = area;
  DrawTextW(dc, word, -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
}

// The thin divider between the group bar and the page area: dark at both ends, lit mid-way.
void PaintSeparator(HDC dc, const RECT& area) {
  const int half = (area.bottom - area.top) / 2;
  VerticalGradient(dc, {area.left, area.top, area.right, area.top + half}, RGB(6, 6, 8),
                   RGB(96, 98, 110));
  VerticalGradient(dc, {area.left, area.top + half, area.right, area.bottom}, RGB(96, 98, 110),
                   RGB(6, 6, 8));
}

// Shown while no page is open: three bars of a chart, the tallest in the accent colour, and a
// line that tells where the choices are.
void PaintWelcome(HDC dc, const RECT& area) {
  const int base = area.bottom - 56;
  const int x = area.left + 96;
  const struct {
    int height;
    COLORREF color;
  } bars[] = {{56, RGB(58, 60, 70)}, {92, RGB(84, 86, 98)}, {128, kAccent}};
  for (int i = 0; i < 3; ++i)
    FillSolid(dc, {x + i * 48, base - bars[i].height, x + i * 48 + 36, base}, bars[i].color);
  Line(dc, area.left + 40, base, area.right - 40, base, 1, RGB(70, 72, 84));
  Text(dc, area.left + 40, base + 12, L"Choose your settings on the left, then RUN.", 9, FW_NORMAL,
       kSubtitle);
}

// The custom resolution picker: the main window's gradient inside a lighter rim (it stands over
// the equally dark main window), a heading above the list, and a screen glyph in the column
// beside the list, below the Add button.
void PaintPickerBackground(HDC dc, const RECT& area) {
  VerticalGradient(dc, area, RGB(22, 24, 30), RGB(6, 6, 8));
  HBRUSH rim = CreateSolidBrush(RGB(72, 74, 86));
  FrameRect(dc, &area, rim);
  DeleteObject(rim);

  Text(dc, 10, 10, L"Custom resolution", 12, FW_BOLD, kTitle);
  Text(dc, 11, 34, L"Sizes your display offers", 8, FW_NORMAL, kSubtitle);
  Line(dc, 10, 54, 137, 54, 2, kAccent);

  const int cx = area.left + 182;
  const int top = area.top + 164;
  Plate(dc, {cx - 30, top, cx + 30, top + 40}, RGB(30, 32, 40), RGB(96, 98, 110), 6);
  VerticalGradient(dc, {cx - 25, top + 5, cx + 25, top + 35}, RGB(60, 64, 80), RGB(24, 26, 34));
  Line(dc, cx - 19, top + 29, cx + 19, top + 11, 2, kAccent);
  Line(dc, cx, top + 40, cx, top + 47, 3, RGB(96, 98, 110));
  Line(dc, cx - 14, top + 48, cx + 15, top + 48, 2, RGB(96, 98, 110));
}

// Each picture by the name the layouts give it. Paint and PictureNames both read this table, so
// the names the painter says it knows are the ones it draws.
struct NamedPicture {
  const char* name;
  void (*paint)(HDC dc, const RECT& area, const win32::ArtState& state);
};

constexpr NamedPicture kPictures[] = {
    {"main background",
     [](HDC dc, const RECT& area, const win32::ArtState&) { PaintMainBackground(dc, area); }},
    {"minimize", [](HDC dc, const RECT& area,
                    const win32::ArtState& state) { PaintWindowButton(dc, area, state, false); }},
    {"close", [](HDC dc, const RECT& area,
                 const win32::ArtState& state) { PaintWindowButton(dc, area, state, true); }},
    {"run", [](HDC dc, const RECT& area,
               const win32::ArtState& state) { PaintRunButton(dc, area, state); }},
    {"folder", [](HDC dc, const RECT& area,
                  const win32::ArtState& state) { PaintFolderButton(dc, area, state, false); }},
    {"open folder", [](HDC dc, const RECT& area,
                       const win32::ArtState& state) { PaintFolderButton(dc, area, state, true); }},
    {"update", [](HDC dc, const RECT& area,
                  const win32::ArtState& state) { PaintLinkButton(dc, area, state, L"UPDATE"); }},
    {"site", [](HDC dc, const RECT& area,
                const win32::ArtState& state) { PaintLinkButton(dc, area, state, L"WEB SITE"); }},
    {"help", [](HDC dc, const RECT& area,
                const win32::ArtState& state) { PaintLinkButton(dc, area, state, L"HELP"); }},
    {"separator",
     [](HDC dc, const RECT& area, const win32::ArtState&) { PaintSeparator(dc, area); }},
    {"welcome", [](HDC dc, const RECT& area, const win32::ArtState&) { PaintWelcome(dc, area); }},
    {"picker background",
     [](HDC dc, const RECT& area, const win32::ArtState&) { PaintPickerBackground(dc, area); }},
};

}  // namespace

void MainArtwork::Paint(const std::string& picture, HDC dc, const RECT& area,
                        const win32::ArtState& state) const {
  for (const NamedPicture& named : kPictures) {
    if (picture == named.name) {
      named.paint(dc, area, state);
      return;
    }
  }
}

std::vector<std::string> MainArtwork::PictureNames() {
  std::vector<std::string> names;
  for (const NamedPicture& named : kPictures)
    names.emplace_back(named.name);
  return names;
}

}  // namespace tamsendor::win32::artwork
