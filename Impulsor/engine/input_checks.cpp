#include "input_checks.h"

#include <array>
#include <cmath>
#include <utility>

namespace impulsor {

namespace {

// The field's label as the window shows it, with the column where a row has several.
constexpr std::array<std::pair<std::string_view, const char*>, 35> kLabels = {{
    {"Umin", "Питание (мин.), В"},
    {"Unom", "Питание (ном.), В"},
    {"Umax", "Питание (макс.), В"},
    {"F", "Частота преобразования"},
    {"Umirror", "Отраженное напряжение"},
    {"Utrmax", "Макс. допуст. напряжение на ключе"},
    {"j", "Плотность тока"},
    {"Rds", "Сопротивление канала Rds(on)"},
    {"Unas", "Напряжение насыщения Uнас."},
    {"Iccm", "Неразрывность тока, %"},
    {"ko", "Коэффициент заполнения окна"},
    {"stek", "Количество магнитопроводов  в пакете"},
    {"tamax", "Макс. температура окружающей среды"},
    {"tdmax", "Ожидаемая макс. температура, не более"},
    {"Racdc", "Отношение сопротивлений Rac/Rdc, не более"},
    {"U21", "Номинальное напряжение, В (выход 1)"},
    {"U22", "Номинальное напряжение, В (выход 2)"},
    {"U23", "Номинальное напряжение, В (выход 3)"},
    {"I21", "Номинальный ток, А (выход 1)"},
    {"I22", "Номинальный ток, А (выход 2)"},
    {"I23", "Номинальный ток, А (выход 3)"},
    {"Ud1", "Падение на диодах, В (выход 1)"},
    {"Ud2", "Падение на диодах, В (выход 2)"},
    {"Ud3", "Падение на диодах, В (выход 3)"},
    {"w11", "Число витков в первичной обмотке"},
    {"d11", "Диаметр провода обмоток, мм (первичная)"},
    {"d21", "Диаметр провода обмоток, мм (выход 1)"},
    {"d22", "Диаметр провода обмоток, мм (выход 2)"},
    {"d23", "Диаметр провода обмоток, мм (выход 3)"},
    {"n11", "Число проводов в обмотках (первичная)"},
    {"n21", "Число проводов в обмотках (выход 1)"},
    {"n22", "Число проводов в обмотках (выход 2)"},
    {"n23", "Число проводов в обмотках (выход 3)"},
    {"series", "Серия магнитопроводов:"},
    {"core", "Выбор магнитопровода:"},
}};

class Checker {
 public:
  explicit Checker(const DesignInputs& texts) : texts_(texts) {}

  // value must lie in (low, high] or [low, high]; the first one outside is reported.
  void range(std::string_view key, double value, double low, bool lowIncluded, double high,
             const char* expected) {
    if (refusal_) return;
    const bool above = lowIncluded ? value >= low : value > low;
    if (std::isfinite(value) && above && value <= high) return;
    const InputKey* k = findInputKey(key);
    refusal_ = std::string("Расчеты не выполнены.\nНедопустимое значение \"") + texts_.*(k->text) +
               "\" в поле \"" + inputLabel(key) + "\".\nНужно " + expected + ".";
  }
  void require(bool condition, const char* reason) {
    if (!refusal_ && !condition) refusal_ = std::string("Расчеты не выполнены.\n") + reason;
  }
  std::optional<std::string> refusal() const { return refusal_; }

 private:
  const DesignInputs& texts_;
  std::optional<std::string> refusal_;
};

}  // namespace

const char* inputLabel(std::string_view key) {
  for (const auto& [k, label] : kLabels) {
    if (k == key) return label;
  }
  return "";
}

std::optional<std::string> checkInputs(const DesignInputs& t, const ParsedInputs& in,
                                       Computation computation) {
  Checker c(t);
  constexpr const char* kVoltage = "число больше 0 и не больше 100000";
  c.range("Umin", in.Umin, 0, false, 1e5, kVoltage);
  c.range("Unom", in.Unom, 0, false, 1e5, kVoltage);
  c.range("Umax", in.Umax, 0, false, 1e5, kVoltage);
  c.range("F", in.F, 0, false, 1e5, "число больше 0 и не больше 100000 кГц");
  c.range("Umirror", in.Umirror, 0, false, 1e5, kVoltage);
  c.range("Utrmax", in.Utrmax, 0, true, 1e6, "число от 0 до 1000000");
  c.range("j", in.j, 0, false, 1000, "число больше 0 и не больше 1000 А/мм2");
  c.range("ko", in.ko, 0, true, 1, "число от 0 до 1");
  c.range("Iccm", in.continuity, 0, true, 0.99999999, "число не меньше 0 и меньше 100");
  c.range("tamax", in.tamax, -60, true, 300, "число от -60 до 300 °C");
  c.range("tdmax", in.tdmax, -60, true, 1000, "число от -60 до 1000 °C");
  c.range("stek", in.stek, 1, true, 1000, "целое число от 1 до 1000");
  if (in.rds == 1)
    c.range("Rds", in.Rds, 0, true, 1e4, "число от 0 до 10000 Ом");
  else
    c.range("Unas", in.Unas, 0, true, 1e5, "число от 0 до 100000 В");
  constexpr std::string_view kU2[] = {"U21", "U22", "U23"}, kI2[] = {"I21", "I22", "I23"},
                             kUd[] = {"Ud1", "Ud2", "Ud3"};
  for (int m = 0; m < 3; ++m) {
    c.range(kU2[m], in.U2[m], 0, true, 1e5, "число от 0 до 100000");
    c.range(kI2[m], in.I2[m], 0, true, 1e5, "число от 0 до 100000");
    c.range(kUd[m], in.Ud[m], 0, true, 1000, "число от 0 до 1000");
  }
  if (computation == Computation::AutomaticDesign) {
    c.range("Racdc", in.Racdc, 1, true, 100, "число от 1 до 100");
  } else {
    c.range("w11", in.w11, 1, true, 100000, "целое число от 1 до 100000");
    constexpr std::string_view kStrands[] = {"n11", "n21", "n22", "n23"};
    for (int w = 0; w < 4; ++w) {
      if (w > 0 && in.U2[w - 1] == 0) continue;  // an absent output is not wound
      c.range(kStrands[w], in.strands[w], 1, true, 100000, "целое число от 1 до 100000");
    }
  }

  c.require(in.U2[0] != 0 || in.U2[1] != 0 || in.U2[2] != 0,
            "Не задано ни одного выхода: заполните поле \"Номинальное напряжение, В\".");
  c.require(in.U2[0] + in.Ud[0] > 0,
            "Напряжение первого выхода вместе с падением на его диоде должно быть больше 0:\n"
            "от него считается коэффициент трансформации.");
  double Ptot = 0;
  for (int m = 0; m < 3; ++m) Ptot += (in.U2[m] + in.Ud[m]) * in.I2[m];
  c.require(Ptot > 0, "Выходная мощность равна 0.\nЗаполните поле \"Номинальный ток, А\".");
  const double bus = in.setevoe == 1 ? 1.364 : 1.0;
  const double Ue = in.Umin * bus - (in.setevoe == 1 ? 0.1 * in.Unom * bus : 0.0);
  const double drop = in.rds == 1 ? 0.0 : in.Unas;
  c.require(Ue > drop,
            "Минимальное напряжение питания за вычетом пульсаций не больше падения на "
            "транзисторе.\nУвеличьте \"Питание (мин., ном., макс.), В\".");
  return c.refusal();
}

}  // namespace impulsor
