// The launcher's pictures: vector drawings kept in the program's resources and rendered at the
// pixel sizes the window places them at.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

namespace konstel {

struct PlacedPicture {
  const char* resource;
  QPoint position_px;  // in the window's client area
  QSize size_px;
};

// Pictures drawn on the window's background, in painting order.
inline constexpr PlacedPicture kLogo{":/pictures/logo.svg", {25, 26}, {150, 50}};
inline constexpr PlacedPicture kWebStrip{":/pictures/webstrip.svg", {25, 85}, {150, 16}};
inline constexpr PlacedPicture kFeedbackNote{":/pictures/feedback.svg", {830, 8}, {172, 126}};
inline constexpr PlacedPicture kBanner{":/pictures/banner.svg", {0, 290}, {1020, 176}};

inline constexpr QSize kButtonPicture_px{150, 91};
inline constexpr const char* kAppIcon = ":/pictures/konstel.svg";

// The drawing `resource` rendered at size_px for a screen of `devicePixelRatio`; a null pixmap
// when the resource is missing or no valid drawing.
QPixmap renderPicture(const QString& resource, QSize size_px, qreal devicePixelRatio = 1.0);

// The application icon in the sizes window decorations ask for.
QIcon appIcon();

}  // namespace konstel
