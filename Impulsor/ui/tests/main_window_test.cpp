// The main window driven as an engineer drives it, on a copy of the shipped data: start-up,
// automatic selection, size steps, spin steps, the input rules, supply and transistor radios,
// Enter, red marks, tips, exit and restart. Expected figures are worked out by hand from the
// defaults (w11 = 247, Umirror = 120 V, U21 = 12 V, Ud1 = 0.6 V, supply 200/300/350 V DC) or
// come from the standard wire series and the shipped series files.
#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <map>

#include "design_results.h"
#include "gui_test_support.h"
#include "impulsor_dlg.h"
#include "messages.h"
#include "qt_message_boxes.h"
#include "result_static.h"
#include "spin_button.h"
#include "tooltip_ctrl.h"

namespace impulsor::ui::test {
namespace {

using namespace impulsor::ctl;

constexpr int kAutomatic = 1, kExit = 2, kPrevious = 5, kNext = 6, kOptimize = 7;
constexpr int kCoreList = 1046, kSeriesList = 1111, kOrderList = 1110;
constexpr int kDc = 1086, kAc = 1087, kBipolar = 1090, kFieldEffect = 1091;
constexpr int kRds = 1007, kUnas = 1008, kTurns = 1092, kD11 = 1027, kN11 = 1097;
constexpr int kUmirror = 1005, kJ = 1009, kIccm = 1010, kKo = 1122, kTdmax = 1088;

class MainWindow : public MainWindowTest {};

TEST_F(MainWindow, StartUpShowsTheDefaultDesignAfterTheTimer) {
  QElapsedTimer clock;
  clock.start();
  window_ = std::make_unique<CImpulsorDlg>(folder.path(), &boxes);
  window_->show();
  // Before the timer: the inputs, the series and its cores, and no results.
  EXPECT_EQ(shown(1004), "100");
  EXPECT_EQ(shown(kTurns), "247");
  EXPECT_EQ(shown(kSeriesList), "KVZN-TH cores");
  EXPECT_EQ(items(kCoreList).size(), 29);
  EXPECT_EQ(shown(kPrimaryTurns), "");
  EXPECT_EQ(shown(kCoreTitle), "");

  ASSERT_TRUE(waitFor([this] { return window().isStartUpComplete(); }));
  EXPECT_GE(clock.elapsed(), CImpulsorDlg::kStartDelay_ms);
  EXPECT_TRUE(boxes.shown.empty()) << boxes.lastText();
  EXPECT_EQ(shown(kCoreList), "KVZN1845-TH");
  EXPECT_TRUE(shown(kCoreTitle).contains("KVZN1845-TH")) << shown(kCoreTitle).toStdString();
  // The entered winding: 247 turns; Ns1 = ⌈247 / (120 / 12.6)⌉ = 26, the reflected voltage
  // 247 / 26 · 12.6 = 119.7 V and the spike allowance 600 − 119.7 − 350 = 130.3 V.
  EXPECT_EQ(shown(kPrimaryTurns), "247");
  EXPECT_EQ(shown(kOutTurns[0]), "26");
  EXPECT_EQ(shown(kReflectedVoltage), "119.7");
  EXPECT_EQ(shown(kSpikeAllowance), "130.3");
  EXPECT_EQ(shown(kOutVoltage[0]), "12.00");
  // The diameters as entered, in their standard form: 0,25 and 0,475 mm.
  EXPECT_EQ(shown(kD11), "0.25");
  EXPECT_EQ(shown(kPrimaryDiameter), "0.25");
  EXPECT_EQ(shown(kOutDiameter[0]), "0.475");
  // No second and third output: their columns stay empty.
  EXPECT_EQ(shown(kOutTurns[1]), "");
  EXPECT_EQ(shown(kOutTurns[2]), "");
  EXPECT_EQ(shown(kOrderList), "Первичная обмотка - Вторичные обмотки");
  EXPECT_TRUE(checked(kDc));
  EXPECT_TRUE(checked(kFieldEffect));
  EXPECT_TRUE(enabled(kRds));
  EXPECT_FALSE(enabled(kUnas));
  EXPECT_EQ(focusedId(), kOptimize);
}

TEST_F(MainWindow, AutomaticSelectionFindsTheSameSmallestCoreFromAnySize) {
  open();
  click(kAutomatic);
  const QString smallest = shown(kCoreList);
  EXPECT_TRUE(shown(kCoreTitle).contains(smallest));
  // The automatic design writes its winding into the optimization fields.
  EXPECT_EQ(shown(kTurns), shown(kPrimaryTurns));
  EXPECT_EQ(shown(kD11), shown(kPrimaryDiameter));
  EXPECT_EQ(shown(kN11), shown(kPrimaryStrands));
  EXPECT_LE(shown(kFillFactor).toDouble(), 0.4);
  EXPECT_LE(shown(kTemperature).toDouble(), 125.0);

  choose(kCoreList, static_cast<int>(items(kCoreList).size()) - 1);
  EXPECT_EQ(shown(kCoreList), items(kCoreList).back());
  click(kAutomatic);
  EXPECT_EQ(shown(kCoreList), smallest);
}

TEST_F(MainWindow, SizeStepsMoveThroughTheListAndStopAtItsEnds) {
  open();
  choose(kCoreList, 0);
  EXPECT_EQ(shown(kCoreList), "KVZN1800-TH");
  boxes.shown.clear();
  click(kPrevious);
  EXPECT_EQ(boxes.lastText(), msg::kSmallestSize);
  EXPECT_EQ(boxes.shown.back().caption, msg::kWarning);
  EXPECT_EQ(shown(kCoreList), "KVZN1800-TH");
  EXPECT_EQ(focusedId(), kOptimize);

  click(kNext);
  EXPECT_EQ(shown(kCoreList), "KVZN1805-TH");
  EXPECT_TRUE(shown(kCoreTitle).contains("KVZN1805-TH"));
  EXPECT_EQ(focusedId(), kOptimize);

  const int last = static_cast<int>(items(kCoreList).size()) - 1;
  choose(kCoreList, last);
  boxes.shown.clear();
  click(kNext);
  EXPECT_EQ(boxes.lastText(), msg::kLargestSize);
  EXPECT_EQ(shown(kCoreList), items(kCoreList).back());
}

TEST_F(MainWindow, TurnsSpinStepsAndRedesigns) {
  open();
  step(1098, +1);
  // 248 turns: Ns1 = ⌈248 / 9.524⌉ = 27, reflected 248 / 27 · 12.6 = 115.7 V.
  EXPECT_EQ(shown(kTurns), "248");
  EXPECT_EQ(shown(kPrimaryTurns), "248");
  EXPECT_EQ(shown(kOutTurns[0]), "27");
  EXPECT_EQ(shown(kReflectedVoltage), "115.7");
  // The Down key in the buddy edit is the same step down.
  QTest::keyClick(window().item(kTurns), Qt::Key_Down);
  EXPECT_EQ(shown(kTurns), "247");
  EXPECT_EQ(shown(kOutTurns[0]), "26");
  EXPECT_EQ(shown(kReflectedVoltage), "119.7");
  EXPECT_TRUE(boxes.shown.empty()) << boxes.lastText();
}

TEST_F(MainWindow, DiameterSpinStepsThroughTheStandardWires) {
  open();
  // The standard series around 0.25 mm: 0.236, 0.25, 0.265, 0.28.
  step(1099, +1);
  EXPECT_EQ(shown(kD11), "0.265");
  EXPECT_EQ(shown(kPrimaryDiameter), "0.265");
  // The strands follow the new wire, and the design uses them.
  EXPECT_EQ(shown(kN11), shown(kPrimaryStrands));
  QTest::keyClick(window().item(kD11), Qt::Key_Up);
  EXPECT_EQ(shown(kD11), "0.28");
  for (int k = 0; k < 3; ++k) step(1099, -1);
  EXPECT_EQ(shown(kD11), "0.236");
  EXPECT_EQ(shown(kPrimaryDiameter), "0.236");
  EXPECT_TRUE(boxes.shown.empty()) << boxes.lastText();
}

TEST_F(MainWindow, SpinButtonsHaveTheirBuddiesAndRanges) {
  open();
  struct Spin {
    int id, buddy, lower, upper;
  };
  for (const Spin& s :
       {Spin{1098, 1092, 1, 1000}, Spin{1099, 1027, 0, 56}, Spin{1100, 1028, 0, 56},
        Spin{1101, 1029, 0, 56}, Spin{1102, 1030, 0, 56}, Spin{1103, 1097, 1, 1000},
        Spin{1105, 1104, 1, 1000}, Spin{1107, 1106, 1, 1000}, Spin{1109, 1108, 1, 1000}}) {
    auto* spin = window().item<CSpinButton>(s.id);
    ASSERT_NE(spin, nullptr) << s.id;
    EXPECT_EQ(spin->buddy(), window().item(s.buddy)) << s.id;
    EXPECT_EQ(spin->lower(), s.lower) << s.id;
    EXPECT_EQ(spin->upper(), s.upper) << s.id;
  }
}

struct TypedCase {
  int id;
  const char* typed;
  const char* shown;
};
void PrintTo(const TypedCase& c, std::ostream* out) {
  *out << c.id << " typed " << c.typed << " shows " << c.shown;
}

class InputRules : public MainWindowTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(InputRules, HoldTheEntryAtOnce) {
  open();
  const QString reflected = shown(kReflectedVoltage);
  retype(GetParam().id, GetParam().typed);
  EXPECT_EQ(shown(GetParam().id), GetParam().shown);
  // Typing starts no computation.
  EXPECT_EQ(shown(kReflectedVoltage), reflected);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, InputRules,
    ::testing::Values(TypedCase{kIccm, "85", "70"},  // continuity: at most 70 %
                      TypedCase{kIccm, "65", "65"},
                      TypedCase{kKo, "0.5", "0.4"},     // fill factor: at most 0.4
                      TypedCase{kTdmax, "200", "155"},  // the series' tmax = 155 °C
                      TypedCase{kTdmax, "120", "120"},
                      TypedCase{1004, "85", "85"},  // other edits have no rule
                      TypedCase{kUmirror, "1000", "1000"}));

TEST_F(MainWindow, SupplyRadiosSwitchBetweenMainsAndBus) {
  open();
  click(kAc);
  EXPECT_TRUE(checked(kAc));
  EXPECT_EQ(shown(1001), "200");
  EXPECT_EQ(shown(1002), "230");
  EXPECT_EQ(shown(1003), "253");
  // Back to DC: the mains voltages become bus voltages, ×1.364 rounded: 272.8, 313.7, 345.1.
  click(kDc);
  EXPECT_TRUE(checked(kDc));
  EXPECT_EQ(shown(1001), "273");
  EXPECT_EQ(shown(1002), "314");
  EXPECT_EQ(shown(1003), "345");
  // DC again changes nothing.
  click(kDc);
  EXPECT_EQ(shown(1001), "273");
  EXPECT_EQ(shown(1003), "345");
}

TEST_F(MainWindow, TransistorRadiosEnableTheirEditAndAreRemembered) {
  open();
  click(kBipolar);
  EXPECT_FALSE(enabled(kRds));
  EXPECT_TRUE(enabled(kUnas));
  click(kExit);
  closeWindow();
  open();
  EXPECT_TRUE(checked(kBipolar));
  EXPECT_FALSE(enabled(kRds));
  EXPECT_TRUE(enabled(kUnas));
  click(kFieldEffect);
  EXPECT_TRUE(enabled(kRds));
  EXPECT_FALSE(enabled(kUnas));
}

TEST_F(MainWindow, EnterInAnEditRunsTheOptimization) {
  open();
  retype(kTurns, "300");
  EXPECT_EQ(shown(kPrimaryTurns), "247");
  pressEnter(kTurns);
  EXPECT_EQ(shown(kPrimaryTurns), "300");
  // Umirror 100 V: Ns1 = ⌈300 / (100 / 12.6)⌉ = 38, reflected 300 / 38 · 12.6 = 99.5 V.
  retype(kUmirror, "100");
  pressEnter(kUmirror);
  EXPECT_EQ(shown(kOutTurns[0]), "38");
  EXPECT_EQ(shown(kReflectedVoltage), "99.5");
}

TEST_F(MainWindow, WindingOrderRunsTheAutomaticSelection) {
  open();
  retype(kTurns, "300");
  choose(kOrderList, 1);
  EXPECT_EQ(shown(kOrderList), "Вторичные обмотки - Первичная обмотка");
  // The automatic design chose its own turns over the typed ones.
  EXPECT_NE(shown(kTurns), "300");
  EXPECT_EQ(shown(kTurns), shown(kPrimaryTurns));
}

TEST_F(MainWindow, ChoosingASeriesListsItsCoresAndDesignsOnOne) {
  open();
  const int index = static_cast<int>(items(kSeriesList).indexOf("KVZF-TH cores"));
  ASSERT_GE(index, 0);
  choose(kSeriesList, index);
  EXPECT_EQ(shown(kSeriesList), "KVZF-TH cores");
  const QStringList cores = items(kCoreList);
  ASSERT_FALSE(cores.isEmpty());
  for (const QString& core : cores) EXPECT_TRUE(core.startsWith("KVZF")) << core.toStdString();
  EXPECT_TRUE(shown(kCoreTitle).contains(shown(kCoreList)));
  EXPECT_EQ(shown(kTdmax), "155");
}

bool marked(const QLabel* value) {
  const auto* result = qobject_cast<const CResultStatic*>(value);
  return result && result->isMarked();
}

TEST_F(MainWindow, ResultsOverTheirLimitsAreRedUntilTheNextDesignClearsThem) {
  open();
  // The default design: j = 4.7 A/mm² in the primary, 4.9 in output 1, 73 °C.
  retype(kJ, "1");
  pressEnter(kJ);
  auto* primaryDensity = window().item<QLabel>(kPrimaryDensity);
  auto* outputDensity = window().item<QLabel>(kOutDensity[0]);
  auto* temperature = window().item<QLabel>(kTemperature);
  EXPECT_TRUE(marked(primaryDensity));
  EXPECT_TRUE(marked(outputDensity));
  EXPECT_FALSE(marked(temperature));
  EXPECT_EQ(primaryDensity->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(primaryDensity->font().weight(), QFont::DemiBold);
  EXPECT_TRUE(primaryDensity->alignment() & Qt::AlignRight);
  EXPECT_TRUE(outputDensity->alignment() & Qt::AlignHCenter);

  retype(kJ, "5");
  retype(kTdmax, "60");
  pressEnter(kTdmax);
  EXPECT_FALSE(marked(primaryDensity));
  EXPECT_FALSE(marked(outputDensity));
  EXPECT_TRUE(marked(temperature));
  EXPECT_TRUE(temperature->alignment() & Qt::AlignRight);
  EXPECT_EQ(temperature->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  retype(kTdmax, "125");
  pressEnter(kTdmax);
  EXPECT_FALSE(marked(temperature));
  EXPECT_EQ(temperature->palette().color(QPalette::WindowText),
            window().palette().color(QPalette::WindowText));
}

TEST_F(MainWindow, TipsAppearOverTheirControlsAndTheInductanceRow) {
  window_ = std::make_unique<CImpulsorDlg>(folder.path(), &boxes);
  CToolTipCtrl& tips = window().toolTips();
  EXPECT_EQ(tips.toolText(CImpulsorDlg::kInductanceTool),
            "Индуктивность первичной обмотки, не более");
  window_->show();
  ASSERT_TRUE(waitFor([this] { return window().isStartUpComplete(); }));
  // Each design replaces the text with its inductance limit.
  const QString designed = tips.toolText(CImpulsorDlg::kInductanceTool);
  EXPECT_TRUE(designed.startsWith("Индуктивность первичной обмотки не более "))
      << designed.toStdString();
  EXPECT_TRUE(designed.endsWith(" мГн") || designed.endsWith(" мкГн"));

  QWidget* edit = window().item(kJ);
  EXPECT_EQ(edit->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, edit), 100);
  EXPECT_EQ(edit->toolTipDuration(), 30000);
  const auto hover = [](QWidget* widget, QPoint at) {
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return QToolTip::text().simplified();
  };
  EXPECT_EQ(hover(edit, edit->rect().center()),
            "Плотность тока зависит от условий охлаждения и от размеров сердечника.");
  // The long tips wrap within 400 pixels on the pale yellow ground.
  QWidget* automatic = window().item(kAutomatic);
  EXPECT_TRUE(hover(automatic, automatic->rect().center())
                  .startsWith("Основная работа в программе происходит в группе"));
  const QFontMetrics metrics(QToolTip::font());
  for (const QString& line : automatic->toolTip().split('\n'))
    EXPECT_LE(metrics.horizontalAdvance(line), 400) << line.toStdString();
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 240, 160));

  // Over the label of the inductance row, the row's tip.
  QWidget* value = window().item(kInductance);
  QWidget* label =
      value->parentWidget()->childAt(value->geometry().left() - 20, value->geometry().center().y());
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(hover(label, label->rect().center()), designed);
  QToolTip::hideText();
}

TEST_F(MainWindow, RealMessageBoxesCarryCaptionTextAndButtons) {
  QtMessageBoxes boxes;
  std::string seenTitle, seenText;
  int buttons = 0;
  ModalWatch watch([&](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    seenTitle = box->windowTitle().toStdString();
    seenText = box->text().toStdString();
    buttons = static_cast<int>(box->standardButtons());
    box->button(QMessageBox::Cancel)->click();
  });
  const MessageAnswer answer =
      boxes.show("Заменить файл a.sav ?", msg::kWarning, MessageButtons::OkCancel);
  EXPECT_TRUE(watch.answered());
  EXPECT_EQ(answer, MessageAnswer::Cancel);
  EXPECT_EQ(seenTitle, "Внимание!");
  EXPECT_EQ(seenText, "Заменить файл a.sav ?");
  EXPECT_EQ(buttons, static_cast<int>(QMessageBox::Ok | QMessageBox::Cancel));
}

enum class ExitWay { Escape, CloseBox, ExitButton };
void PrintTo(ExitWay way, std::ostream* out) {
  *out << (way == ExitWay::Escape ? "Esc" : way == ExitWay::CloseBox ? "close box" : "button 2");
}

class Exit : public MainWindowTest, public ::testing::WithParamInterface<ExitWay> {};

TEST_P(Exit, WritesTheSettingsAndARestartShowsTheSameDesign) {
  open();
  step(1098, +1);
  step(1099, +1);
  std::map<int, QString> before;
  for (const int id : kResultControls) before[id] = shown(id);
  ASSERT_FALSE(folder.exists("Impulsor.ini"));
  switch (GetParam()) {
    case ExitWay::Escape:
      QTest::keyClick(window().item(kOptimize), Qt::Key_Escape);
      break;
    case ExitWay::CloseBox:
      window().close();
      break;
    case ExitWay::ExitButton:
      click(kExit);
      break;
  }
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(folder.exists("Impulsor.ini"));
  closeWindow();

  open();
  EXPECT_EQ(shown(kTurns), "248");
  EXPECT_EQ(shown(kD11), "0.265");
  for (const int id : kResultControls) EXPECT_EQ(shown(id), before[id]) << id;
  EXPECT_TRUE(boxes.shown.empty()) << boxes.lastText();
}

INSTANTIATE_TEST_SUITE_P(Ways, Exit,
                         ::testing::Values(ExitWay::Escape, ExitWay::CloseBox,
                                           ExitWay::ExitButton));

}  // namespace
}  // namespace impulsor::ui::test
