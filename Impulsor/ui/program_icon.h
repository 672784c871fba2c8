// The program's icon (a wound toroid), drawn from its picture in the program's resources.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace impulsor::ui {

QPixmap programPixmap(int size_px);
QIcon programIcon();

}  // namespace impulsor::ui
