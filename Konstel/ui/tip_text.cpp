#include "tip_text.h"

#include <QStringList>

namespace konstel {

QString wrapTipText(const QString& text, const QFontMetrics& metrics, int maxWidth_px) {
  QStringList lines;
  for (const QString& paragraph : text.split(u'\n')) {
    QString line;
    for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
      const QString longer = line.isEmpty() ? word : line + u' ' + word;
      if (!line.isEmpty() && metrics.horizontalAdvance(longer) > maxWidth_px) {
        lines << line;
        line = word;
      } else {
        line = longer;
      }
    }
    lines << line;
  }
  return lines.join(u'\n');
}

}  // namespace konstel
