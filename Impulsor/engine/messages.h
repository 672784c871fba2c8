// The program's messages to the engineer (UTF-8). Every warning is shown under kWarning.
#pragma once

namespace impulsor::msg {

inline constexpr const char* kWarning = "Внимание!";
inline constexpr const char* kError = "Ошибка!";

inline constexpr const char* kPrimaryDoesNotFit = "Не удалось намотать первичную обмотку.";
inline constexpr const char* kOutput1DoesNotFit = "Не удалось намотать первую вторичную обмотку.";
inline constexpr const char* kOutput2DoesNotFit = "Не удалось намотать вторую вторичную обмотку.";
inline constexpr const char* kOutput3DoesNotFit = "Не удалось намотать третью вторичную обмотку.";

inline constexpr const char* kTransistorDropBody =
    "Падение на транзисторе слишком велико.\nНеправильно выбран транзистор.\n"
    "Велико сопротивление канала\nили напряжение насыщения.";
inline constexpr const char* kTransistorDrop =
    "Расчеты прерваны.\nПадение на транзисторе слишком велико.\nНеправильно выбран транзистор.\n"
    "Велико сопротивление канала\nили напряжение насыщения.";
inline constexpr const char* kFieldTooHigh =
    "Расчеты прерваны.\nПревышена напряженность магнитного поля, допустимая для данного "
    "типоразмера магнитопровода.\n1. Выберите сердечник большего размера.\n2. Увеличьте число "
    "магнитопроводов в пакете.";
inline constexpr const char* kNoLossData =
    "Не удалось рассчитать потери в магнитопроводе.\nНет данных по потерям или потери слишком "
    "велики";
inline constexpr const char* kNoSecondaryTurn =
    "Расчеты прерваны.\nПри таком коэффициенте трансформации на первую вторичную обмотку не "
    "приходится ни одного витка.\nУменьшите отраженное напряжение или выберите сердечник "
    "большего размера.";
inline constexpr const char* kNoPrimaryTurn =
    "Расчеты прерваны.\nНа первичную обмотку этого магнитопровода не приходится ни одного "
    "витка.\nВыберите сердечник меньшего размера или увеличьте отраженное напряжение.";

inline constexpr const char* kNoCoreFits =
    "Не удалось подобрать типоразмер магнитопровода, удовлетворяющий заданным исходным "
    "данным.\nУвеличьте число магнитопроводов в пакете.";
inline constexpr const char* kLargestSize = "Уже выбран максимальный типоразмер из имеющихся.";
inline constexpr const char* kSmallestSize = "Уже выбран минимальный типоразмер из имеющихся.";
// %s: the series name.
inline constexpr const char* kEmptySeries =
    "Расчеты невозможны.\nВ серии магнитопроводов \"%s\" нет ни одного магнитопровода.";

// %.3f entered (capped), %.3f standard.
inline constexpr const char* kPrimaryDiameterReplaced =
    "Указанный диаметр первичной обмотки %.3f заменен на ближайший стандартный диаметр %.3f";
inline constexpr const char* kOutput1DiameterReplaced =
    "Указанный диаметр первой вторичной обмотки %.3f заменен на ближайший стандартный диаметр "
    "%.3f";
inline constexpr const char* kOutput2DiameterReplaced =
    "Указанный диаметр второй вторичной обмотки %.3f заменен на ближайший стандартный диаметр "
    "%.3f";
inline constexpr const char* kOutput3DiameterReplaced =
    "Указанный диаметр третьей вторичной обмотки %.3f заменен на ближайший стандартный диаметр "
    "%.3f";

inline constexpr const char* kMissingHelp =
    "В папке с программой отсутствует файл \"ReadMe.txt\".\nПомощь не загружена";

}  // namespace impulsor::msg
