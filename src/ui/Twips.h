#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The game measures its windows in twips; Qt draws in device-independent pixels and scales them
// for high-resolution screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int ToPixels(int twips) {
  return twips / kTwipsPerPixel;
}
constexpr double ToPixelsF(int twips) {
  return static_cast<double>(twips) / kTwipsPerPixel;
}
constexpr int ToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

inline QPoint PixelPoint(int xTwips, int yTwips) {
  return {ToPixels(xTwips), ToPixels(yTwips)};
}
inline QSize PixelSize(int widthTwips, int heightTwips) {
  return {ToPixels(widthTwips), ToPixels(heightTwips)};
}
inline QRect PixelRect(int xTwips, int yTwips, int widthTwips, int heightTwips) {
  return {PixelPoint(xTwips, yTwips), PixelSize(widthTwips, heightTwips)};
}
