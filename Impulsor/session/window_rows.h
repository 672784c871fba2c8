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
  std::string_view unit;
  int y;
};

struct ResultRow {
  std::string_view label;
  std::array<int, 3> ids;  // result controls; 0 where the row has fewer
  std::string_view unit;   // fixed unit text, empty when none or when unitId names it
  int unitId;              // control that holds the unit at run time, 0 when fixed
  int y;
};

// "Исходные данные" above the outputs, then the outputs table, then the optimization group.
std::span<const InputRow> converterInputRows();
std::span<const InputRow> outputInputRows();
std::span<const InputRow> automaticInputRows();
std::span<const InputRow> optimizationInputRows();
// "Результаты расчета": the detailed group (primary, converter, outputs) and the summary group.
std::span<const ResultRow> detailedResultRows();
std::span<const ResultRow> summaryResultRows();

inline constexpr std::string_view kWindowTitle =
    "Impulsor - Расчет трансформатора обратноходового преобразователя на магнитопроводах "
    "серий KVZ";
inline constexpr std::array<std::string_view, 2> kWindingOrders = {
    "Первичная обмотка - Вторичные обмотки", "Вторичные обмотки - Первичная обмотка"};

}  // namespace impulsor
