#include "platform/win32/artwork/about_artwork.h"

#include <cmath>
#include <numbers>

#include "platform/win32/artwork/artwork_drawing.h"

namespace tamsendor::win32::artwork {

namespace {

POINT OnCircle(int cx, int cy, double radius, double degrees) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return {cx + static_cast<int>(std::lround(radius * std::cos(radians))),
          cy - static_cast<int>(std::lround(radius * std::sin(radians)))};
}

// A speedometer: a dial from 225 degrees (bottom left) clockwise to -45 (bottom right) with a
// tick every 15 degrees, the accent over the first three quarters and the needle near its end.
void PaintGauge(HDC dc, int cx, int cy, int radius) {
  Ring(dc, cx, cy, radius + 22, 1, RGB(40, 42, 50));
  Ring(dc, cx, cy, radius, 14, RGB(30, 32, 40));
  RingArc(dc, cx, cy, radius, 14, kAccent, OnCircle(cx, cy, radius, 22.5),
          OnCircle(cx, cy, radius, 225));
  for (int step = 0; step <= 18; ++step) {
    const double degrees = 225.0 - 15.0 * step;
    const bool major = step % 3 == 0;
    const POINT outer = OnCircle(cx, cy, radius - 14, degrees);
    const POINT inner = OnCircle(cx, cy, radius - (major ? 34 : 24), degrees);
    Line(dc, outer.x, outer.y, inner.x, inner.y, major ? 3 : 1,
         major ? kTitle : RGB(110, 112, 122));
  }
  const POINT tip = OnCircle(cx, cy, radius - 30, 30);
  Line(dc, cx, cy, tip.x, tip.y, 5, kTitle);
  Ring(dc, cx, cy, 12, 5, kTitle);
  Ring(dc, cx, cy, 4, 4, kAccent);
}

}  // namespace

void PaintAboutPicture(HDC dc, const RECT& area) {
  VerticalGradient(dc, area, RGB(22, 24, 30), RGB(6, 6, 8));
  const int width = area.right - area.left;
  const int cx = area.left + width / 2;

  PaintGauge(dc, cx, area.top + 270, 170);

  CenteredText(dc, {area.left, area.top + 500, area.right, area.top + 550}, L"Korvalin Tamsendor",
               28, FW_BOLD, kTitle);
  CenteredText(dc, {area.left, area.top + 556, area.right, area.top + 580},
               L"Half-Life 2: Episode Two benchmark", 12, FW_NORMAL, kSubtitle);
  Line(dc, cx - 120, area.top + 596, cx + 120, area.top + 596, 2, kAccent);
  Line(dc, area.left + 24, area.bottom - 44, area.right - 24, area.bottom - 44, 1, kRule);
  CenteredText(dc, {area.left, area.bottom - 34, area.right, area.bottom - 12},
               L"Timedemo benchmarks for the Source engine", 9, FW_NORMAL, kSubtitle);
}

}  // namespace tamsendor::win32::artwork
