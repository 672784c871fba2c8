#include "text_wrap.h"

#include <QStringList>

namespace impulsor::ui {

QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
        lines << line;
        line = word;
      } else {
        line = longer;
      }
    }
    lines << line;
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace impulsor::ui
