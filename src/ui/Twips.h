#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

namespace quintara::ui {

// The window is laid out in twips; Qt works in device-independent pixels and scales those for
// high-DPI screens itself.
inline constexpr int kTwipsPerPixel = 15;

// What the frame round the client area (the area below the menu bar) is taken to add to the
// outer size. Frame sizes differ between platforms and window managers, so a fixed allowance
// keeps the shown area's thresholds the program's own.
inline constexpr int kFrameAllowanceWidth = 120;
inline constexpr int kFrameAllowanceHeight = 705;

// The client area at the design size, and the smallest outer size the window takes.
inline constexpr int kDesignClientWidth = 8880;
inline constexpr int kDesignClientHeight = 5850;
inline constexpr int kSmallestOuterWidth = 8730;
inline constexpr int kSmallestOuterHeight = 6540;

constexpr int ToPixels(int twips) {
  // Rounded to the nearest pixel, halves away from zero.
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int ToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

inline QRect PixelRect(int left, int top, int width, int height) {
  return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}
inline QPoint PixelPoint(int left, int top) {
  return QPoint(ToPixels(left), ToPixels(top));
}
inline QSize PixelSize(int width, int height) {
  return QSize(ToPixels(width), ToPixels(height));
}

// Outer size in twips for a client area in pixels, and back.
inline QSize OuterTwips(QSize client) {
  return QSize(ToTwips(client.width()) + kFrameAllowanceWidth,
               ToTwips(client.height()) + kFrameAllowanceHeight);
}
inline QSize ClientPixels(int outerWidth, int outerHeight) {
  return QSize((outerWidth - kFrameAllowanceWidth) / kTwipsPerPixel,
               (outerHeight - kFrameAllowanceHeight) / kTwipsPerPixel);
}

}  // namespace quintara::ui
