#include "input_checks.h"

#include <cmath>
#include <vector>

namespace impulsor {

namespace {

struct Range {
  const char* label;       // the field's label on screen
  const std::string* text;  // what the field holds
  double value;
  double low;
  bool lowIncluded;
  double high;
  const char* expected;  // what the field needs, in words
};

bool inside(const Range& r) {
  if (!std::isfinite(r.value)) return false;
  if (r.lowIncluded ? r.value < r.low : r.value <= r.low) return false;
  return r.value <= r.high;
}

std::string outOfRange(const Range& r) {
  return std::string("Расчеты не выполнены.\nНедопустимое значение \"") + *r.text +
         "\" в поле \"" + r.label + "\".\nНужно " + r.expected + ".";
}

std::string refusal(const char* reason) { return std::string("Расчеты не выполнены.\n") + reason; }

}  // namespace

std::optional<std::string> checkInputs(const DesignInputs& t, const ParsedInputs& in,
                                       Computation computation) {
  constexpr const char* kVoltage = "число больше 0 и не больше 100000";
  std::vector<Range> ranges = {
      {"Питание (мин.), В", &t.Umin, in.Umin, 0, false, 1e5, kVoltage},
      {"Питание (ном.), В", &t.Unom, in.Unom, 0, false, 1e5, kVoltage},
      {"Питание (макс.), В", &t.Umax, in.Umax, 0, false, 1e5, kVoltage},
      {"Частота преобразования", &t.F, in.F, 0, false, 1e5, "число больше 0 и не больше 100000 кГц"},
      {"Отраженное напряжение", &t.Umirror, in.Umirror, 0, false, 1e5, kVoltage},
      {"Макс. допуст. напряжение на ключе", &t.Utrmax, in.Utrmax, 0, true, 1e6,
       "число от 0 до 1000000"},
      {"Плотность тока", &t.j, in.j, 0, false, 1000, "число больше 0 и не больше 1000 А/мм2"},
      {"Коэффициент заполнения окна", &t.ko, in.ko, 0, true, 1, "число от 0 до 1"},
      {"Неразрывность тока, %", &t.Iccm, in.continuity, 0, true, 0.99999999,
       "число не меньше 0 и меньше 100"},
      {"Макс. температура окружающей среды", &t.tamax, in.tamax, -60, true, 300,
       "число от -60 до 300 °C"},
      {"Ожидаемая макс. температура, не более", &t.tdmax, in.tdmax, -60, true, 1000,
       "число от -60 до 1000 °C"},
      {"Количество магнитопроводов  в пакете", &t.stek, static_cast<double>(in.stek), 1, true,
       1000, "целое число от 1 до 1000"},
  };
  if (in.rds == 1) {
    ranges.push_back({"Сопротивление канала Rds(on)", &t.Rds, in.Rds, 0, true, 1e4,
                      "число от 0 до 10000 Ом"});
  } else {
    ranges.push_back({"Напряжение насыщения Uнас.", &t.Unas, in.Unas, 0, true, 1e5,
                      "число от 0 до 100000 В"});
  }
  const std::string* U2[3] = {&t.U21, &t.U22, &t.U23};
  const std::string* I2[3] = {&t.I21, &t.I22, &t.I23};
  const std::string* Ud[3] = {&t.Ud1, &t.Ud2, &t.Ud3};
  static const char* const kU2Labels[3] = {"Номинальное напряжение, В (выход 1)",
                                           "Номинальное напряжение, В (выход 2)",
                                           "Номинальное напряжение, В (выход 3)"};
  static const char* const kI2Labels[3] = {"Номинальный ток, А (выход 1)",
                                           "Номинальный ток, А (выход 2)",
                                           "Номинальный ток, А (выход 3)"};
  static const char* const kUdLabels[3] = {"Падение на диодах, В (выход 1)",
                                           "Падение на диодах, В (выход 2)",
                                           "Падение на диодах, В (выход 3)"};
  for (int m = 0; m < 3; ++m) {
    ranges.push_back({kU2Labels[m], U2[m], in.U2[m], 0, true, 1e5, "число от 0 до 100000"});
    ranges.push_back({kI2Labels[m], I2[m], in.I2[m], 0, true, 1e5, "число от 0 до 100000"});
    ranges.push_back({kUdLabels[m], Ud[m], in.Ud[m], 0, true, 1000, "число от 0 до 1000"});
  }
  if (computation == Computation::AutomaticDesign) {
    ranges.push_back({"Отношение сопротивлений Rac/Rdc, не более", &t.Racdc, in.Racdc, 1, true,
                      100, "число от 1 до 100"});
  } else {
    ranges.push_back({"Число витков в первичной обмотке", &t.w11, in.w11, 1, true, 100000,
                      "целое число от 1 до 100000"});
    const std::string* strands[4] = {&t.n11, &t.n21, &t.n22, &t.n23};
    static const char* const kStrandLabels[4] = {
        "Число проводов в обмотках (первичная)", "Число проводов в обмотках (выход 1)",
        "Число проводов в обмотках (выход 2)", "Число проводов в обмотках (выход 3)"};
    for (int w = 0; w < 4; ++w) {
      if (w > 0 && in.U2[w - 1] == 0) continue;  // an absent output is not wound
      ranges.push_back({kStrandLabels[w], strands[w], in.strands[w], 1, true, 100000,
                        "целое число от 1 до 100000"});
    }
  }
  for (const Range& r : ranges) {
    if (!inside(r)) return outOfRange(r);
  }

  if (!(in.U2[0] + in.Ud[0] > 0))
    return refusal(
        "Напряжение первого выхода вместе с падением на его диоде должно быть больше 0:\n"
        "от него считается коэффициент трансформации.");
  double Ptot = 0;
  for (int m = 0; m < 3; ++m) Ptot += (in.U2[m] + in.Ud[m]) * in.I2[m];
  if (!(Ptot > 0)) return refusal("Выходная мощность равна 0.\nЗадайте ток нагрузки выходов.");
  const double bus = in.setevoe == 1 ? 1.364 : 1.0;
  const double Ue = in.Umin * bus - (in.setevoe == 1 ? 0.1 * in.Unom * bus : 0.0);
  const double drop = in.rds == 1 ? 0.0 : in.Unas;
  if (!(Ue > drop))
    return refusal(
        "Минимальное напряжение питания за вычетом пульсаций не больше падения на транзисторе.\n"
        "Увеличьте минимальное напряжение питания.");
  return std::nullopt;
}

}  // namespace impulsor
