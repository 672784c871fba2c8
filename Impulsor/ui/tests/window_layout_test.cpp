// The main window's template: places in dialog units, nothing overlapping at any font size,
// the frame, the menu and the keyboard order.
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "dialog_units.h"
#include "gui_test_support.h"
#include "impulsor_dlg.h"

namespace impulsor::ui::test {
namespace {

TEST(DialogUnitsOfAFont, AreAQuarterOfTheAverageWidthAndAnEighthOfTheHeight) {
  QFont font = dialogFont();
  EXPECT_EQ(font.pointSize(), 8);
  for (const int points : {8, 12}) {
    font.setPointSize(points);
    const QFontMetrics metrics(font);
    const DialogUnits units(font);
    const double average =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    EXPECT_NEAR(units.x(4), average, 0.5 + 1e-9) << points;
    EXPECT_EQ(units.y(8), metrics.height()) << points;
    // Neighbours in units stay neighbours on screen.
    EXPECT_EQ(units.rect(10, 10, 7, 5).right() + 1, units.rect(17, 10, 3, 5).left());
  }
}

class WindowLayout : public MainWindowTest {};

TEST_F(WindowLayout, ControlsStandAtTheirPlaces) {
  window_ = std::make_unique<CImpulsorDlg>(folder.path(), &boxes);
  const DialogUnits units(window().font());
  struct Place {
    int id, x, y, width, height;
  };
  for (const Place& p :
       {Place{1004, 160, 16, 24, 12}, Place{1001, 134, 176, 24, 12}, Place{1011, 160, 160, 25, 12},
        Place{1088, 180, 352, 24, 12}, Place{1092, 620, 216, 24, 12}, Place{1098, 644, 216, 12, 12},
        Place{1030, 624, 256, 24, 12}, Place{1102, 648, 256, 12, 12}, Place{1108, 624, 288, 24, 12},
        Place{7, 536, 312, 80, 16}, Place{1, 420, 352, 90, 32}, Place{5, 230, 368, 80, 16},
        Place{6, 320, 368, 80, 16}, Place{3, 536, 344, 50, 16}, Place{4, 610, 344, 50, 16},
        Place{2, 574, 368, 50, 16}}) {
    ASSERT_NE(window().item(p.id), nullptr) << p.id;
    EXPECT_EQ(window().item(p.id)->geometry(), units.rect(p.x, p.y, p.width, p.height)) << p.id;
  }
  for (const auto& [id, x, y, width] :
       {std::tuple{1111, 580, 13, 75}, std::tuple{1046, 320, 352, 80},
        std::tuple{1110, 494, 176, 160}}) {
    const QRect r = window().item(id)->geometry();
    EXPECT_EQ(r.topLeft(), units.rect(x, y, width, 12).topLeft()) << id;
    EXPECT_EQ(r.width(), units.x(x + width) - units.x(x)) << id;
  }
  // Single values end at their column, table cells stand in theirs.
  EXPECT_EQ(window().item(1126)->geometry().right() + 1, units.x(440));
  EXPECT_EQ(window().item(1117)->geometry().right() + 1, units.x(654));
  EXPECT_EQ(window().item(1052)->geometry().left(), units.x(370));
  EXPECT_EQ(window().item(1078)->geometry().left(), units.x(430));
  EXPECT_EQ(qobject_cast<QLabel*>(window().item(1134))->text(), "Сопротивление (DC), мОм");
  // The window is the template's size plus its menu bar.
  EXPECT_EQ(window().size(), QSize(units.x(682), units.y(399) + window().menuBar()->height()));
}

// Every label, value, edit and button keeps clear of every other, with the usual window font,
// with that font on a screen scaled up by half, and with a font of another shape.
struct WindowFont {
  const char* family;  // empty: the usual family
  int points;
};
void PrintTo(const WindowFont& f, std::ostream* out) {
  *out << (*f.family ? f.family : "usual family") << " " << f.points << " pt";
}
class LayoutWithFont : public MainWindowTest, public ::testing::WithParamInterface<WindowFont> {};

TEST_P(LayoutWithFont, NothingOverlaps) {
  const QFont saved = QApplication::font("QDialog");
  QFont font = saved;
  if (*GetParam().family) font.setFamily(GetParam().family);
  font.setPointSize(GetParam().points);
  QApplication::setFont(font, "QDialog");
  open();
  QApplication::setFont(saved, "QDialog");
  ASSERT_EQ(window().font().pointSize(), GetParam().points);

  QWidget* client = window().item(7)->parentWidget();
  std::vector<QWidget*> controls;
  for (QWidget* w : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!w->isVisible() || qobject_cast<QGroupBox*>(w)) continue;
    controls.push_back(w);
  }
  const auto describe = [](QWidget* w) {
    const auto* label = qobject_cast<QLabel*>(w);
    return (w->objectName() + " " + (label ? label->text() : QString()) + " " +
            w->metaObject()->className())
        .toStdString();
  };
  const auto textRect = [](QWidget* w) {
    // A value shows its text where its alignment puts it; the rest of its box is empty.
    const auto* label = qobject_cast<QLabel*>(w);
    if (!label || label->text().isEmpty()) return w->geometry();
    const int width = std::min(w->width(), label->fontMetrics().horizontalAdvance(label->text()));
    QRect r = w->geometry();
    if (label->alignment() & Qt::AlignRight)
      r.setLeft(r.right() - width + 1);
    else if (label->alignment() & Qt::AlignHCenter)
      r = QRect(r.center().x() - width / 2, r.y(), width, r.height());
    else
      r.setWidth(width);
    return r;
  };
  for (std::size_t a = 0; a < controls.size(); ++a) {
    EXPECT_TRUE(client->rect().contains(controls[a]->geometry())) << describe(controls[a]);
    if (auto* label = qobject_cast<QLabel*>(controls[a]); label && !label->wordWrap()) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
          << describe(label);
    }
    for (std::size_t b = a + 1; b < controls.size(); ++b) {
      EXPECT_FALSE(textRect(controls[a]).intersects(textRect(controls[b])))
          << describe(controls[a]) << " / " << describe(controls[b]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Fonts, LayoutWithFont,
                         ::testing::Values(WindowFont{"", 8}, WindowFont{"", 12},
                                           WindowFont{"DejaVu Serif", 9}));

TEST_F(WindowLayout, FrameTitleAndMenu) {
  open();
  EXPECT_EQ(window().windowTitle(),
            "Impulsor - Расчет трансформатора обратноходового преобразователя на "
            "магнитопроводах серий KVZ");
  EXPECT_EQ(window().minimumSize(), window().maximumSize());
  EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window().windowIcon().isNull());
  QStringList commands;
  for (QAction* action : window().menuBar()->actions()) {
    EXPECT_EQ(action->menu(), nullptr);
    commands << action->text();
  }
  EXPECT_EQ(commands, (QStringList{"Помощь", "О программе..."}));
  EXPECT_TRUE(window().item<QPushButton>(7)->isDefault());
}

TEST_F(WindowLayout, TabVisitsTheControlsInTheTemplateOrder) {
  open();
  // The Unas edit (1008) is disabled for a field-effect transistor, so Tab passes it by.
  const std::vector<int> expected = {
      7,    1,    5,    6,    3,    4,    2,    1001, 1002, 1003, 1004, 1005, 1006, 1007, 1009,
      1010, 1011, 1012, 1013, 1014, 1017, 1018, 1019, 1022, 1023, 1024, 1046, 1088, 1089, 1092,
      1027, 1028, 1029, 1030, 1097, 1104, 1106, 1108, 1110, 1111, 1122, 1123, 7};
  std::vector<int> visited = {focusedId()};
  for (std::size_t k = 1; k < expected.size(); ++k) {
    QTest::keyClick(window().focusWidget(), Qt::Key_Tab);
    visited.push_back(focusedId());
  }
  EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace impulsor::ui::test
