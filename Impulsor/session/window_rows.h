// The rows of the main window as the engineer reads them: label, the controls of the row, the
// unit, and where the row stands (dialog units). The window lays itself out from these tables
// and the command line prints its report from them, so both show the same words.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace impulsor {

struct InputRow {
  std::string_view label;
  std::array<std::string_view, 4> keys;  // design-file keys; empty where the row has fewer
  std::string_view unit{};               // empty when the row has none
  int y;                                 // top of the row's edits
  // Where the window puts the row: the edit of each key with its identifier and left edge, the
  // spin button beside it (optimization rows), the label and the unit.
  std::array<int, 4> ids{};
  std::array<int, 4> x{};
  int width = 24;              // of each edit
  std::array<int, 4> spins{};  // 0 where an edit has none; a spin stands right of its edit
  int labelX = 16;
  int labelY = 0;
  int labelWidth = 0;  // 0: as wide as its text, left-aligned; otherwise centred in this width
  int unitX = 0;       // 0 when the row has no unit
};

struct ResultRow {
  std::string_view label;
  std::array<int, 3> ids;  // result controls; 0 where the row has fewer
  std::string_view unit;   // fixed unit text, empty when none or when unitId names it
  int unitId;              // control that holds the unit at run time, 0 when fixed
  int y;
  int labelId = 0;  // a label the program refers to (the outputs' resistance row), else 0
};

// Where the result rows of a group stand (dialog units): labels, single values right-aligned
// up to valueRight with their unit after them, and table rows in three centred cells.
struct ResultColumns {
  int labelX;
  int valueRight;
  int unitX;
  std::array<int, 3> cellX;
  int cellWidth;
};

// "Исходные данные" above the outputs, then the outputs table, then the optimization group.
std::span<const InputRow> converterInputRows();
std::span<const InputRow> outputInputRows();
std::span<const InputRow> automaticInputRows();
std::span<const InputRow> optimizationInputRows();
// "Результаты расчета": the detailed group (primary, converter, outputs) and the summary group.
std::span<const ResultRow> detailedResultRows();
std::span<const ResultRow> summaryResultRows();
inline constexpr ResultColumns kDetailedResultColumns = {234, 440, 442, {370, 400, 430}, 30};
inline constexpr ResultColumns kSummaryResultColumns = {480, 654, 656, {}, 0};

inline constexpr std::string_view kWindowTitle =
    "Impulsor - Расчет трансформатора обратноходового преобразователя на магнитопроводах "
    "серий KVZ";
// Group titles, headings and list labels of the window, shared with the report.
inline constexpr std::string_view kInputsGroup = "Исходные данные";
inline constexpr std::string_view kResultsGroup = "Результаты расчета";
inline constexpr std::string_view kOptimizationGroup = "Оптимизация";
inline constexpr std::string_view kAutomaticGroup = "Автоматические расчеты";
inline constexpr std::string_view kOutputsHeading = "Выходные характеристики преобразователя";
inline constexpr std::string_view kOutputsLabel = "Выходы";
inline constexpr std::array<std::string_view, 3> kOutputColumns = {"1.", "2.", "3."};
inline constexpr std::string_view kSupplyLabel = "Напряжение питания";
inline constexpr std::array<std::string_view, 3> kSupplyColumns = {" мин.", "ном.", "макс."};
inline constexpr std::string_view kPrimaryColumn = "Первич. обмотка";
inline constexpr std::string_view kSeriesLabel = "Серия магнитопроводов:";
inline constexpr std::string_view kCoreLabel = "Выбор магнитопровода:";
inline constexpr std::string_view kWindingOrderLabel = "Последовательность намотки:";
inline constexpr std::array<std::string_view, 2> kWindingOrders = {
    "Первичная обмотка - Вторичные обмотки", "Вторичные обмотки - Первичная обмотка"};

}  // namespace impulsor
