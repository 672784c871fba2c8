#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources compiled into a static library must be registered by name, outside any namespace.
static void registerPictureResources() { Q_INIT_RESOURCE(konstel_pictures); }

namespace konstel {

QPixmap renderPicture(const QString& resource, QSize size_px, qreal devicePixelRatio) {
  static const bool registered = (registerPictureResources(), true);
  (void)registered;
  QSvgRenderer renderer(resource);
  if (!renderer.isValid()) return {};
  QPixmap pixmap(size_px * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size_px)));
  return pixmap;
}

QIcon appIcon() {
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64, 128}) {
    icon.addPixmap(renderPicture(kAppIcon, {side, side}));
  }
  return icon;
}

}  // namespace konstel
