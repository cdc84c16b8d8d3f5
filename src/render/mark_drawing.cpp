#include "render/mark_drawing.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace swd {

namespace {

// Digits three pixels wide and five high, a row per entry, the leftmost pixel the high bit.
constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigits{{
    {7, 5, 5, 5, 7},  // 0
    {2, 6, 2, 2, 7},  // 1
    {7, 1, 7, 4, 7},  // 2
    {7, 1, 7, 1, 7},  // 3
    {5, 5, 7, 1, 1},  // 4
    {7, 4, 7, 1, 7},  // 5
    {7, 4, 7, 5, 7},  // 6
    {7, 1, 2, 2, 2},  // 7
    {7, 5, 7, 5, 7},  // 8
    {7, 5, 7, 1, 7},  // 9
}};

constexpr Rgb kFlagOutline{24, 24, 24};
constexpr Rgb kAnchorGround{250, 250, 240};

// An anchor five pixels wide and high, a row per entry, the leftmost pixel the high bit.
constexpr std::array<std::uint8_t, 5> kAnchor{0b00100, 0b01110, 0b00100, 0b10101, 0b01110};

void FillRect(RgbImage& image, int left, int top, int width, int height, Rgb colour) {
  for (int y = std::max(top, 0); y < std::min(top + height, image.Height()); ++y) {
    for (int x = std::max(left, 0); x < std::min(left + width, image.Width()); ++x)
      image.Set(x, y, colour);
  }
}

// A pole of `k` pixels up from the foot and a banner in the player's colour with the digit,
// k pixels per font pixel; the banner is moved inside the picture where it would stick out.
void DrawFlag(RgbImage& image, int foot_x, int foot_y, Rgb colour, int digit, int k) {
  const int banner_w = 5 * k + 2, banner_h = 7 * k + 2;
  const int left = std::clamp(foot_x, 0, std::max(image.Width() - banner_w, 0));
  const int top = std::clamp(foot_y - 3 * k - banner_h, 0, std::max(image.Height() - banner_h, 0));
  FillRect(image, foot_x, top, k, foot_y - top + 1, kFlagOutline);
  FillRect(image, left, top, banner_w, banner_h, kFlagOutline);
  FillRect(image, left + 1, top + 1, banner_w - 2, banner_h - 2, colour);
  const bool light = 30 * colour.r + 59 * colour.g + 11 * colour.b > 14000;
  const Rgb ink = light ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
  const auto& glyph = kDigits[static_cast<std::size_t>(std::clamp(digit, 0, 9))];
  for (int row = 0; row < 5; ++row) {
    for (int col = 0; col < 3; ++col) {
      if ((glyph[static_cast<std::size_t>(row)] >> (2 - col) & 1) != 0)
        FillRect(image, left + 1 + k + col * k, top + 1 + k + row * k, k, k, ink);
    }
  }
}

// The anchor on a light square of seven font pixels, k pixels each, centred on the vertex.
void DrawAnchor(RgbImage& image, int x, int y, Rgb colour, int k) {
  const int side = 7 * k;
  const int left = x - side / 2;
  const int top = y - side / 2;
  const auto fill = [&](int l, int t, int w, int h, Rgb c) {
    for (int py = t; py < t + h; ++py) {
      for (int px = l; px < l + w; ++px)
        image.Set(Wrap(px, image.Width()), Wrap(py, image.Height()), c);
    }
  };
  fill(left, top, side, side, kAnchorGround);
  for (int row = 0; row < 5; ++row) {
    for (int col = 0; col < 5; ++col) {
      if ((kAnchor[static_cast<std::size_t>(row)] >> (4 - col) & 1) != 0)
        fill(left + (col + 1) * k, top + (row + 1) * k, k, k, colour);
    }
  }
}

}  // namespace

void DrawMark(RgbImage& image, const VertexMark& mark, int x2, int y2, int scale) {
  if (mark.shape == MarkShape::Flag) {
    DrawFlag(image, x2 / 2, y2 / 2, mark.colour, mark.label, std::clamp(scale / 4, 2, 4));
    return;
  }
  if (mark.shape == MarkShape::Anchor) {
    DrawAnchor(image, x2 / 2, y2 / 2, mark.colour, std::clamp(scale / 4, 1, 3));
    return;
  }
  // In half pixels, as the centre; never less than what covers the pixels at a corner.
  const float reach = 2.0f * std::max(0.75f, std::min(mark.size, 0.5f) * static_cast<float>(scale));
  const int span = static_cast<int>(std::ceil(reach / 2.0f)) + 1;
  for (int py = y2 / 2 - span; py <= y2 / 2 + span; ++py) {
    for (int px = x2 / 2 - span; px <= x2 / 2 + span; ++px) {
      const float dx = static_cast<float>(2 * px + 1 - x2);
      const float dy = static_cast<float>(2 * py + 1 - y2);
      const bool inside = mark.shape == MarkShape::Dot
                              ? dx * dx + dy * dy <= reach * reach
                              : std::abs(dx) <= reach && std::abs(dy) <= reach;
      if (inside) image.Set(Wrap(px, image.Width()), Wrap(py, image.Height()), mark.colour);
    }
  }
}

}  // namespace swd
