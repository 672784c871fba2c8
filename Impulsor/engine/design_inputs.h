// Every input of one transformer design, held as the text the engineer typed (UTF-8),
// plus the three selectors, and the numbers derived from the texts when a computation starts.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace impulsor {

struct DesignInputs {
  std::string series = "KVZN-TH cores";
  std::string core = "KVZN1845-TH";
  std::string Umin = "200", Unom = "300", Umax = "350";
  int setevoe = 0;  // 0 = DC bus, 1 = AC mains
  std::string F = "100";
  std::string Umirror = "120";
  std::string Utrmax = "600";
  std::string j = "5";
  std::string Rds = "3";
  std::string Unas = "1";
  int rds = 1;  // 0 = bipolar (Unas entered), 1 = field-effect (drop from Rds)
  std::string Iccm = "60";
  std::string ko = "0.4";
  std::string stek = "1";
  std::string tamax = "55";
  std::string tdmax = "125";
  std::string Racdc = "1,1";
  int pri_sec = 0;  // 0 = primary wound first, 1 = secondaries first
  std::string U21 = "12", U22, U23;
  std::string I21 = "2", I22, I23;
  std::string Ud1 = "0,6", Ud2, Ud3;
  std::string w11 = "247";
  std::string d11 = "0,25", d21 = "0,475", d22, d23;
  std::string n11 = "1", n21 = "3", n22, n23;

  bool operator==(const DesignInputs&) const = default;
};

// One key of the design file: either a text field or one of the three selectors.
struct InputKey {
  std::string_view name;
  std::string DesignInputs::*text = nullptr;
  int DesignInputs::*number = nullptr;
};

// The winding-data texts of the primary (0) and outputs 1..3: d11, d21..d23 and n11, n21..n23.
std::string& diameterText(DesignInputs& inputs, int winding);
std::string& strandsText(DesignInputs& inputs, int winding);

// The 38 keys in the order of the design file.
extern const std::array<InputKey, 38> kInputKeys;

// nullptr when the name is not a key (keys are case-sensitive: rds and Rds differ).
const InputKey* findInputKey(std::string_view name);

// The conversions every input goes through (locale-independent; a point is the only separator).
// The longest leading decimal number (sign, digits, one point, exponent); 0 when there is none.
double leadingNumber(std::string_view text);
// Leading decimal integer with optional sign; 0 when there is none; clamped to the int range.
int leadingInteger(std::string_view text);
// Every ',' replaced by '.'.
void replaceCommas(std::string& text);

// The numbers a computation works with (units of the design: V, A, kHz, Ω, A/mm², °C).
struct ParsedInputs {
  double Umin = 0, Unom = 0, Umax = 0, F = 0, Umirror = 0, Utrmax = 0, Rds = 0, Unas = 0;
  double j = 0, ko = 0, Racdc = 0, tamax = 0, tdmax = 0;
  std::array<double, 3> U2{}, I2{}, Ud{};
  double continuity = 0;  // Iccm / 100
  int stek = 0;
  double w11 = 0;
  std::array<double, 4> d{};        // d11, d21, d22, d23
  std::array<double, 4> strands{};  // n11, n21, n22, n23
  int setevoe = 0, rds = 0, pri_sec = 0;
};

// Rewrites the decimal commas of the numeric texts (the record keeps the rewritten text),
// sets an empty stack count to "1" and returns the numbers.
ParsedInputs parseInputs(DesignInputs& inputs);

// Radio "AC": AC mains with its default voltages, whatever they held.
void setSupplyAc(DesignInputs& inputs);
// Radio "DC": converts the mains voltages to bus voltages when the mode before the click was AC.
void setSupplyDc(DesignInputs& inputs, bool wasAc);

// Edit rules run on the user's own edits only.
void limitContinuity(DesignInputs& inputs);
void limitFillFactor(DesignInputs& inputs);
void limitMaxTemperature(DesignInputs& inputs, double seriesMaxTemperature);

}  // namespace impulsor
