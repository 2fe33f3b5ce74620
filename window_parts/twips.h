// The window designs give sizes and places in twips, 1/1440 inch: 15 twips make a pixel at
// 96 dots per inch. Qt's high-DPI scaling takes these logical pixels to other resolutions.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zarlin {

inline constexpr int TwipsPerPixel = 15;

constexpr int Pixels(int twips) { return twips / TwipsPerPixel; }
constexpr QPoint TwipsPoint(int left, int top) { return {Pixels(left), Pixels(top)}; }
constexpr QSize TwipsSize(int width, int height) { return {Pixels(width), Pixels(height)}; }
constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsPoint(left, top), TwipsSize(width, height)};
}

}  // namespace zarlin
