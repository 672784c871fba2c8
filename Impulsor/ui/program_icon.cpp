#include "program_icon.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library are registered by name from the program that uses them.
static void initProgramResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(impulsor);
    return true;
  }();
  (void)registered;
}

namespace impulsor::ui {

QPixmap programPixmap(int size_px) {
  initProgramResources();
  QSvgRenderer picture(QStringLiteral(":/impulsor/impulsor.svg"));
  QPixmap pixmap(size_px, size_px);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  picture.render(&painter);
  return pixmap;
}

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(programPixmap(size));
  return icon;
}

}  // namespace impulsor::ui
