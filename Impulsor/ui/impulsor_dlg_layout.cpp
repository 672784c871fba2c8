// The main window's template: every control with its identifier, text and place (dialog
// units), the tab order, the spin buttons and the tips. The rows of inputs and results come
// from the session's row tables, which the command-line report prints as well.
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <span>

#include "design_results.h"
#include "impulsor_dlg.h"
#include "result_static.h"
#include "spin_button.h"
#include "text_wrap.h"
#include "tooltip_ctrl.h"
#include "window_controls.h"
#include "window_rows.h"
#include "wire_table.h"

namespace impulsor::ui {

namespace {

using namespace impulsor::ui::controls;

constexpr int kWindowWidth = 682, kWindowHeight = 399;

struct GroupBox {
  std::string_view title;
  int x, y, width, height;
};
constexpr GroupBox kGroups[] = {
    {kInputsGroup, 8, 3, 212, 331},     {kResultsGroup, 226, 3, 240, 331},
    {kResultsGroup, 472, 29, 202, 123}, {kOptimizationGroup, 472, 203, 202, 131},
    {kAutomaticGroup, 8, 339, 515, 53},
};

struct Button {
  int id;
  std::string_view text;
  int x, y, width, height;
};
constexpr Button kButtons[] = {
    {kOptimizeButton, "Старт оптимизации", 536, 312, 80, 16},
    {kAutomaticButton, "Автоматический выбор магнитопровода и его расчет", 420, 352, 90, 32},
    {kPreviousButton, "Предыдущий размер", 230, 368, 80, 16},
    {kNextButton, "Следующий размер", 320, 368, 80, 16},
    {kSaveButton, "Сохранить", 536, 344, 50, 16},
    {kLoadButton, "Загрузить", 610, 344, 50, 16},
    {kExitButton, "Выход", 574, 368, 50, 16},
};

// The keyboard order of the template; the radio buttons have no Tab stop.
constexpr int kTabOrder[] = {7,    1,    5,    6,    3,    4,    2,    1001, 1002, 1003, 1004,
                             1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1017,
                             1018, 1019, 1022, 1023, 1024, 1046, 1088, 1089, 1092, 1027, 1028,
                             1029, 1030, 1097, 1104, 1106, 1108, 1110, 1111, 1122, 1123};

struct Tip {
  int id;
  std::string_view text;
};
constexpr Tip kTips[] = {
    {1009, "Плотность тока зависит от условий охлаждения и от размеров сердечника."},
    {1010,
     "Неразрывность тока означает, что при передаче энергии на обратном ходе передается не вся "
     "энергия, запасенная в сердечнике.\n0% соответствует разрывному току. Величина "
     "неразрывности показывает, какая часть от амплитуды тока остается неизрасходованной."},
    {1022,
     "В эти поля вводится прямое падение напряжения на диодах, которое можно узнать из "
     "даташита. Если диоды нагружены не на номинальный ток, то по графику в даташите можно "
     "оценить падение для заданного тока."},
    {kAutomaticButton,
     "Основная работа в программе происходит в группе \"Оптимизация\".\nАвтоматический расчет "
     "применяется при выборе другого сердечника или при изменении любых исходных данных (за "
     "пределами группы \"Оптимизация\") для получения отправной точки при оптимизации "
     "намоточных данных трансформатора."},
    {kOptimizeButton,
     "При изменении значений с помощью стрелок старт оптимизации запускается автоматически.\nНо "
     "если новое значение введено \"вручную\", то следует запускать оптимизацию этой кнопкой."},
    {kSaveButton,
     "Сохранение исходных данных в файл с расширеним .sav для последующего использования."},
    {kLoadButton, "Загрузка сохраненных исходных данных из файла с расширеним .sav"},
    {kBipolar,
     "Этот переключатель используется для задания напряжения насыщения для биполярных "
     "транзисторов."},
    {kFieldEffect,
     "Этот переключатель используется для задания сопротивления открытого канала для полевых "
     "транзисторов."},
};
// The inductance tip covers the row from this far left of the value's right edge (292 pixels
// at the standard scale of one and a half pixels per unit).
constexpr int kInductanceToolWidth = 195;

// Turns and strands.
constexpr int kCountRange[] = {1, 1000};

}  // namespace

void CImpulsorDlg::buildTemplate() {
  for (const GroupBox& g : kGroups) dialog_.group(g.title, g.x, g.y, g.width, g.height);
  buildInputs();
  buildResults();
  buildButtonsAndLists();
  client_->setFixedSize(dialog_.units().size(kWindowWidth, kWindowHeight));
}

void CImpulsorDlg::buildInputs() {
  const auto digitsOnly = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  const auto addRows = [&](std::span<const InputRow> rows) {
    for (const InputRow& row : rows) {
      if (row.labelWidth > 0) {
        dialog_.centredText(row.label, row.labelX, row.labelY, row.labelWidth);
      } else {
        dialog_.text(row.label, row.labelX, row.labelY);
      }
      for (std::size_t k = 0; k < row.keys.size() && !row.keys[k].empty(); ++k) {
        QLineEdit* edit = dialog_.edit(row.ids[k], row.x[k], row.y, row.width);
        const std::string key(row.keys[k]);
        if (ImpulsorSession::isDigitsOnly(key)) edit->setValidator(digitsOnly);
        edits_.emplace_back(key, edit);
        if (row.spins[k] != 0) {
          auto* spin = new CSpinButton;
          dialog_.place(spin, row.spins[k], row.x[k] + row.width, row.y, 12, 12);
          spin->setBuddy(edit);
        }
      }
      if (row.unitX != 0) dialog_.text(row.unit, row.unitX, row.labelY);
    }
  };
  addRows(converterInputRows());
  addRows(outputInputRows());
  addRows(automaticInputRows());
  addRows(optimizationInputRows());

  supply_ = new QButtonGroup(this);
  supply_->addButton(dialog_.radio(kSupplyDc, "DC", 146, 192), 0);
  supply_->addButton(dialog_.radio(kSupplyAc, "AC", 182, 192), 1);
  transistor_ = new QButtonGroup(this);
  transistor_->addButton(dialog_.radio(kBipolar, "", 200, 81), 0);
  transistor_->addButton(dialog_.radio(kFieldEffect, "", 200, 65), 1);

  dialog_.centredText(kOutputsHeading, 34, 208, 160);
  dialog_.text(kOutputsLabel, 16, 222);
  const int inputColumnX[] = {142, 168, 194};
  for (std::size_t k = 0; k < kOutputColumns.size(); ++k)
    dialog_.text(kOutputColumns[k], inputColumnX[k], 222);

  auto* primary = new QLabel(qs(kPrimaryColumn));
  primary->setWordWrap(true);
  dialog_.place(primary, 0, 486, 232, 30, 16);
  const int optimizationColumnX[] = {548, 592, 636};
  for (std::size_t k = 0; k < kOutputColumns.size(); ++k)
    dialog_.text(kOutputColumns[k], optimizationColumnX[k], 240);
}

void CImpulsorDlg::buildResults() {
  const auto addRows = [&](std::span<const ResultRow> rows, const ResultColumns& columns) {
    for (const ResultRow& row : rows) {
      QLabel* label = dialog_.text(row.label, columns.labelX, row.y, row.labelId);
      if (row.ids[1] == 0) {
        // A single value: right-aligned up to its column, in the room its label leaves.
        auto* value = new CResultStatic(Qt::AlignRight);
        const int left = label->geometry().right() + 1 + dialog_.units().x(2);
        const QRect end = dialog_.units().rect(columns.valueRight, row.y, 0, 8);
        dialog_.place(value, row.ids[0], QRect(left, end.y(), end.x() - left, end.height()));
        results_.insert(row.ids[0], value);
      } else {
        for (std::size_t k = 0; k < row.ids.size() && row.ids[k] != 0; ++k) {
          auto* cell = new CResultStatic(Qt::AlignHCenter);
          dialog_.place(cell, row.ids[k], columns.cellX[k], row.y, columns.cellWidth, 8);
          results_.insert(row.ids[k], cell);
        }
      }
      if (row.unitId != 0) {
        auto* unit = new CResultStatic(Qt::AlignLeft);
        dialog_.place(unit, row.unitId, columns.unitX, row.y, 24, 8);
        results_.insert(row.unitId, unit);
      } else if (!row.unit.empty()) {
        dialog_.text(row.unit, columns.unitX, row.y);
      }
    }
  };
  addRows(detailedResultRows(), kDetailedResultColumns);
  addRows(summaryResultRows(), kSummaryResultColumns);

  const ResultColumns& cells = kDetailedResultColumns;
  const auto heads = [&](std::span<const std::string_view> texts, int y) {
    for (std::size_t k = 0; k < texts.size(); ++k)
      dialog_.centredText(texts[k], cells.cellX[k], y, cells.cellWidth);
  };
  dialog_.text(kSupplyLabel, cells.labelX, 180);
  heads(kSupplyColumns, 180);
  dialog_.centredText(kOutputsHeading, 266, 216, 160);
  dialog_.text(kOutputsLabel, cells.labelX, 224);
  heads(kOutputColumns, 224);
}

void CImpulsorDlg::buildButtonsAndLists() {
  for (const Button& b : kButtons) {
    QPushButton* button = dialog_.button(b.id, b.text, b.x, b.y, b.width, b.height);
    if (b.id == kAutomaticButton) {
      // Its text takes several lines, as many as the button's width needs.
      const int room = button->width() - dialog_.units().x(8);
      button->setText(wrapToWidth(button->text(), button->fontMetrics(), room));
    }
  }
  auto* optimize = item<QPushButton>(kOptimizeButton);
  optimize->setDefault(true);

  dialog_.text(kSeriesLabel, 490, 14);
  seriesCombo_ = dialog_.combo(kSeriesList, 580, 13, 75);
  dialog_.text(kWindingOrderLabel, 518, 166);
  orderCombo_ = dialog_.combo(kWindingOrderList, 494, 176, 160);
  for (std::string_view order : kWindingOrders) orderCombo_->addItem(qs(order));
  dialog_.text(kCoreLabel, 230, 353);
  coreCombo_ = dialog_.combo(kCoreList, 320, 352, 80);

  seriesScratch_ = new QListWidget;
  dialog_.place(seriesScratch_, kSeriesScratch, 490, 304, 40, 20);
  seriesScratch_->setFocusPolicy(Qt::NoFocus);
  seriesScratch_->hide();
}

void CImpulsorDlg::setTabOrder() {
  QWidget* previous = nullptr;
  for (const int id : kTabOrder) {
    QWidget* control = item(id);
    if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setFocusPolicy(Qt::StrongFocus);
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

void CImpulsorDlg::setUpSpins() {
  // The diameter spins step through the rows of the standard wire table.
  for (std::size_t k = 0; k < ctl::kDiameterSpins.size(); ++k) {
    diameterSpins_[k] = item<CSpinButton>(ctl::kDiameterSpins[k]);
    diameterSpins_[k]->setRange(0, kLastWire);
  }
  item<CSpinButton>(kTurnsSpin)->setRange(kCountRange[0], kCountRange[1]);
  for (const int id : kStrandsSpins)
    item<CSpinButton>(id)->setRange(kCountRange[0], kCountRange[1]);
}

void CImpulsorDlg::setUpToolTips() {
  toolTips_ = new CToolTipCtrl(client_);
  for (const Tip& tip : kTips) toolTips_->addTool(item(tip.id), qs(tip.text));
  const QRect value = item(kInductanceTool)->geometry();
  const QRect row(QPoint(value.right() - dialog_.units().x(kInductanceToolWidth), value.top()),
                  value.bottomRight());
  toolTips_->addTool(kInductanceTool, row, qs(session_.inductanceTooltip()));
}

}  // namespace impulsor::ui
