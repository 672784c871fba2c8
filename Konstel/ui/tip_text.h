// Tooltip texts are wrapped to a maximum width: a line break in the text starts a new line, and
// longer lines break between words.
#pragma once

#include <QFontMetrics>
#include <QString>

namespace konstel {

// `text` with line breaks added so no line is wider than maxWidth_px in `metrics`; a single word
// wider than that keeps a line of its own.
QString wrapTipText(const QString& text, const QFontMetrics& metrics, int maxWidth_px);

}  // namespace konstel
