// Line breaks for texts that must keep within a width: tips and a button's several lines.
#pragma once

#include <QFontMetrics>
#include <QString>

namespace impulsor::ui {

// Breaks every line of text between words so that no line is wider than width pixels
// (a single word wider than that stays whole).
QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace impulsor::ui
