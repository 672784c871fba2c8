#include "tip_text.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QStringList>
#include <algorithm>
#include <ostream>

#include "test_application.h"

namespace konstel {
namespace {

constexpr int kMaxWidth_px = 350;

QFontMetrics tipMetrics() {
  testing::ensureApplication();
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  return QFontMetrics(font);
}

QStringList words(const QString& text) {
  return QString(text).replace(u'\n', u' ').split(u' ', Qt::SkipEmptyParts);
}

struct TipCase {
  const char* label;
  const char* text;
};

void PrintTo(const TipCase& c, std::ostream* out) { *out << c.label; }

class KonstelWrapTipText : public ::testing::TestWithParam<TipCase> {};

TEST_P(KonstelWrapTipText, KeepsEveryWordAndEveryBreakWithinTheWidth) {
  const QString text = QString::fromUtf8(GetParam().text);
  const QFontMetrics metrics = tipMetrics();

  const QString wrapped = wrapTipText(text, metrics, kMaxWidth_px);

  EXPECT_EQ(words(wrapped), words(text));
  for (const QString& line : wrapped.split(u'\n')) {
    const bool singleWord = !line.contains(u' ');
    EXPECT_TRUE(singleWord || metrics.horizontalAdvance(line) <= kMaxWidth_px)
        << line.toStdString();
  }
  const QStringList lines = wrapped.split(u'\n');
  for (const QString& paragraph : text.split(u'\n')) {
    const QString firstWord = paragraph.section(u' ', 0, 0);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
      return line.startsWith(firstWord);
    })) << "a line break in the text starts a new line";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, KonstelWrapTipText,
    ::testing::Values(
        TipCase{"two paragraphs, the first too long for one line",
                "Программа расчета импульсного трансформатора двухтактного преобразователя.\n"
                "Топологии: пуш-пулл, полумост, полный мост."},
        TipCase{"one paragraph, longer than the width",
                "Программа расчета дросселя для корректора коэффициента мощности."},
        TipCase{"short text", "Программа расчета выходного дросселя"},
        TipCase{"a word wider than the tip",
                "Сверхдлинноеслово_которое_не_помещается_в_одну_строку_подсказки_ни_при_каком_"
                "шрифте и обычные слова"}));

TEST(KonstelWrapTipText, ShortTextStaysAsItIs) {
  const QString text = QStringLiteral("Программа расчета выходного дросселя");
  EXPECT_EQ(wrapTipText(text, tipMetrics(), kMaxWidth_px), text);
}

TEST(KonstelWrapTipText, FirstRowTipShowsItsTwoLinesAtLeast) {
  const QString text = QStringLiteral(
      "Программа расчета импульсного трансформатора двухтактного преобразователя.\n"
      "Топологии: пуш-пулл, полумост, полный мост.");
  const QString wrapped = wrapTipText(text, tipMetrics(), kMaxWidth_px);
  EXPECT_GE(wrapped.count(u'\n'), 1);
  EXPECT_TRUE(wrapped.endsWith(QStringLiteral("\nТопологии: пуш-пулл, полумост, полный мост.")));
}

}  // namespace
}  // namespace konstel
