#include "design_inputs.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace impulsor {

#define IMPULSOR_TEXT(key) \
  InputKey { #key, &DesignInputs::key, nullptr }
#define IMPULSOR_NUMBER(key) \
  InputKey { #key, nullptr, &DesignInputs::key }

const std::array<InputKey, 38> kInputKeys = {
    IMPULSOR_TEXT(series), IMPULSOR_TEXT(core),      IMPULSOR_TEXT(Umin),  IMPULSOR_TEXT(Unom),
    IMPULSOR_TEXT(Umax),   IMPULSOR_NUMBER(setevoe), IMPULSOR_TEXT(F),     IMPULSOR_TEXT(Umirror),
    IMPULSOR_TEXT(Utrmax), IMPULSOR_TEXT(j),         IMPULSOR_TEXT(Rds),   IMPULSOR_TEXT(Unas),
    IMPULSOR_NUMBER(rds),  IMPULSOR_TEXT(Iccm),      IMPULSOR_TEXT(ko),    IMPULSOR_TEXT(stek),
    IMPULSOR_TEXT(tamax),  IMPULSOR_TEXT(tdmax),     IMPULSOR_TEXT(Racdc), IMPULSOR_NUMBER(pri_sec),
    IMPULSOR_TEXT(U21),    IMPULSOR_TEXT(U22),       IMPULSOR_TEXT(U23),   IMPULSOR_TEXT(I21),
    IMPULSOR_TEXT(I22),    IMPULSOR_TEXT(I23),       IMPULSOR_TEXT(Ud1),   IMPULSOR_TEXT(Ud2),
    IMPULSOR_TEXT(Ud3),    IMPULSOR_TEXT(w11),       IMPULSOR_TEXT(d11),   IMPULSOR_TEXT(d21),
    IMPULSOR_TEXT(d22),    IMPULSOR_TEXT(d23),       IMPULSOR_TEXT(n11),   IMPULSOR_TEXT(n21),
    IMPULSOR_TEXT(n22),    IMPULSOR_TEXT(n23),
};

#undef IMPULSOR_TEXT
#undef IMPULSOR_NUMBER

const InputKey* findInputKey(std::string_view name) {
  const auto it = std::find_if(kInputKeys.begin(), kInputKeys.end(),
                               [name](const InputKey& key) { return key.name == name; });
  return it == kInputKeys.end() ? nullptr : &*it;
}

std::string& diameterText(DesignInputs& in, int winding) {
  std::string* texts[4] = {&in.d11, &in.d21, &in.d22, &in.d23};
  return *texts[winding];
}

std::string& strandsText(DesignInputs& in, int winding) {
  std::string* texts[4] = {&in.n11, &in.n21, &in.n22, &in.n23};
  return *texts[winding];
}

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipSpaces(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  return i;
}

}  // namespace

double leadingNumber(std::string_view text) {
  std::size_t i = skipSpaces(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  // An exponent counts only when digits follow it ("1e" reads as 1).
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    if (k < text.size() && isDigit(text[k])) {
      while (k < text.size() && isDigit(text[k])) ++k;
      i = k;
    }
  }
  std::string_view number = text.substr(start, i - start);
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too large for a double: infinity, which every range check refuses; too small: zero.
    const bool huge = number.find_first_of("eE") == std::string_view::npos ||
                      number[number.find_first_of("eE") + 1] != '-';
    value = huge ? std::numeric_limits<double>::infinity() : 0.0;
  }
  (void)end;
  return negative ? -value : value;
}

int leadingInteger(std::string_view text) {
  std::size_t i = skipSpaces(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  while (i < text.size() && isDigit(text[i])) {
    value = std::min<long long>(value * 10 + (text[i] - '0'), 1LL << 40);
    ++i;
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void replaceCommas(std::string& text) { std::replace(text.begin(), text.end(), ',', '.'); }

namespace {

double parseDecimal(std::string& text) {
  replaceCommas(text);
  return leadingNumber(text);
}

}  // namespace

ParsedInputs parseInputs(DesignInputs& in) {
  ParsedInputs p;
  p.Umin = parseDecimal(in.Umin);
  p.Unom = parseDecimal(in.Unom);
  p.Umax = parseDecimal(in.Umax);
  p.F = parseDecimal(in.F);
  p.Umirror = parseDecimal(in.Umirror);
  p.Utrmax = parseDecimal(in.Utrmax);
  p.Rds = parseDecimal(in.Rds);
  p.Unas = parseDecimal(in.Unas);
  p.j = parseDecimal(in.j);
  p.ko = parseDecimal(in.ko);
  p.continuity = parseDecimal(in.Iccm) / 100.0;
  p.tamax = parseDecimal(in.tamax);
  p.tdmax = parseDecimal(in.tdmax);
  p.Racdc = parseDecimal(in.Racdc);
  p.U2 = {parseDecimal(in.U21), parseDecimal(in.U22), parseDecimal(in.U23)};
  p.I2 = {parseDecimal(in.I21), parseDecimal(in.I22), parseDecimal(in.I23)};
  p.Ud = {parseDecimal(in.Ud1), parseDecimal(in.Ud2), parseDecimal(in.Ud3)};
  if (in.stek.empty()) in.stek = "1";
  p.stek = leadingInteger(in.stek);
  p.w11 = leadingNumber(in.w11);
  p.d = {parseDecimal(in.d11), parseDecimal(in.d21), parseDecimal(in.d22), parseDecimal(in.d23)};
  p.strands = {leadingNumber(in.n11), leadingNumber(in.n21), leadingNumber(in.n22),
               leadingNumber(in.n23)};
  p.setevoe = in.setevoe;
  p.rds = in.rds;
  p.pri_sec = in.pri_sec;
  return p;
}

void setSupplyAc(DesignInputs& in) {
  in.setevoe = 1;
  in.Umin = "200";
  in.Unom = "230";
  in.Umax = "253";
}

namespace {

std::string mainsToBus(const std::string& text) {
  char buffer[64];
  const double bus = leadingNumber(text) * 1.364;
  // A number too large to print in full is not a voltage anyone typed on purpose.
  if (!std::isfinite(bus) || std::fabs(bus) >= 1e15) return text;
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, bus, std::chars_format::fixed, 0);
  return std::string(buffer, result.ptr);
}

}  // namespace

void setSupplyDc(DesignInputs& in, bool wasAc) {
  if (!wasAc) return;
  in.setevoe = 0;
  in.Umin = mainsToBus(in.Umin);
  in.Unom = mainsToBus(in.Unom);
  in.Umax = mainsToBus(in.Umax);
}

namespace {

void limitText(std::string& text, double limit, const char* replacement) {
  std::string copy = text;
  replaceCommas(copy);
  if (leadingNumber(copy) > limit) text = replacement;
}

}  // namespace

void limitContinuity(DesignInputs& in) { limitText(in.Iccm, 70.0, "70"); }

void limitFillFactor(DesignInputs& in) { limitText(in.ko, 0.4, "0.4"); }

void limitMaxTemperature(DesignInputs& in, double seriesMaxTemperature) {
  const int typed = leadingInteger(in.tdmax);
  if (typed > seriesMaxTemperature) {
    char buffer[64];
    const double shown = std::isfinite(seriesMaxTemperature) ? seriesMaxTemperature : 0.0;
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, shown, std::chars_format::fixed, 0);
    in.tdmax.assign(buffer, result.ptr);
  }
}

}  // namespace impulsor
