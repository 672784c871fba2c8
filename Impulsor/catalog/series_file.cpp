#include "series_file.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "design_inputs.h"
#include "lookup_value.h"
#include "text_file.h"

namespace impulsor {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMilli = 1000.0;  // flux densities are written in mT and kept in T

constexpr std::string_view kEndHeader = "END";
constexpr std::string_view kFileStart = "";  // an empty anchor is found at the first byte
constexpr std::string_view kFieldAnchor = "H, Oersteads";
constexpr std::string_view kFrequencyAnchor = "Frequencies, kHz";
constexpr std::string_view kFrequencyFactorAnchor = "Relative mu vs H";
constexpr std::string_view kFluxAnchor = "Flux density";
constexpr std::string_view kLossFrequencyAnchor = "Frequencies";
constexpr std::string_view kConstantsAnchor = "Others";

constexpr int kMaxFluxColumns = kLossColumns - 1;
constexpr int kMaxLossRows = kLossRows - 1;

// Thrown inside this file only: the reading stops at the first damage and the parse
// returns the reason.
struct Damaged {
  std::string problem;
};

std::string indexed(std::string_view key, int index) {
  return std::string(key) + std::to_string(index);
}

// The lookup of one value; a damaged value ends the reading. `where` follows the key in the
// message (" у магнитопровода ...", " в строке ..." or nothing).
std::string lookup(std::string_view text, std::string_view anchor, std::string_view key,
                   const std::string& where = {}) {
  auto result = lookupValue(text, anchor, key);
  const std::string name = cp1251ToUtf8(key) + where;
  if (result.status == LookupStatus::NoEquals) {
    throw Damaged{"после ключа " + name + " нет знака \"=\""};
  }
  if (result.status == LookupStatus::NoCarriageReturn) {
    throw Damaged{"значение ключа " + name + " не завершено переводом строки"};
  }
  return std::move(result.value);
}

// ---- Core list ----------------------------------------------------------------------------

struct CoreTexts {  // the texts of the numeric fields, for the checks' messages
  std::string OD, ID, OH, le, Ae, AL;
};

void requirePositive(const CoreRecord& core, std::string_view key, const std::string& text,
                     double value) {
  const std::string prefix = "у магнитопровода " + core.name + " ";
  if (text.empty()) throw Damaged{prefix + "не задано значение " + std::string(key)};
  const std::string shown = std::string(key) + " = " + cp1251ToUtf8(text);
  if (!std::isfinite(value)) throw Damaged{prefix + "значение " + shown + " не является числом"};
  if (!(value > 0)) throw Damaged{prefix + "значение " + shown + " должно быть больше нуля"};
}

void checkCore(const CoreRecord& core, const CoreTexts& texts) {
  requirePositive(core, "OD", texts.OD, core.OD);
  requirePositive(core, "ID", texts.ID, core.ID);
  requirePositive(core, "OH", texts.OH, core.OH);
  requirePositive(core, "le", texts.le, core.le);
  requirePositive(core, "Ae", texts.Ae, core.Ae);
  requirePositive(core, "AL", texts.AL, core.AL);
  if (core.OD <= core.ID) {
    throw Damaged{"у магнитопровода " + core.name + " наружный диаметр OD = " +
                  cp1251ToUtf8(texts.OD) + " не больше внутреннего ID = " + cp1251ToUtf8(texts.ID)};
  }
}

// The fields of one core, each found by its first occurrence after the core's name.
CoreRecord readCore(std::string_view text, std::string_view rawName) {
  CoreRecord core;
  core.name = cp1251ToUtf8(rawName);
  const std::string where = " у магнитопровода " + core.name;
  CoreTexts texts;
  texts.OD = lookup(text, rawName, "OD", where);
  texts.ID = lookup(text, rawName, "ID", where);
  texts.OH = lookup(text, rawName, "OH", where);
  core.OD0 = cp1251ToUtf8(lookup(text, rawName, "OD0", where));
  core.ID0 = cp1251ToUtf8(lookup(text, rawName, "ID0", where));
  core.H0 = cp1251ToUtf8(lookup(text, rawName, "H0", where));
  texts.le = lookup(text, rawName, "le", where);
  texts.Ae = lookup(text, rawName, "Ae", where);
  texts.AL = lookup(text, rawName, "AL", where);
  core.OD = leadingNumber(texts.OD);
  core.ID = leadingNumber(texts.ID);
  core.OH = leadingNumber(texts.OH);
  core.le = leadingNumber(texts.le);
  core.Ae = leadingNumber(texts.Ae);
  core.Wa = core.ID * core.ID * kPi * 0.25;
  core.AL = leadingNumber(texts.AL);
  checkCore(core, texts);
  return core;
}

// Every "[name]" up to the header "[END]" is a core.
std::vector<CoreRecord> readCores(std::string_view text) {
  std::vector<CoreRecord> cores;
  for (std::size_t at = 0;;) {
    const auto open = text.find('[', at);
    if (open == std::string_view::npos) break;
    const auto close = text.find(']', open + 1);
    if (close == std::string_view::npos) {
      throw Damaged{"заголовок \"" + cp1251ToUtf8(text.substr(open, 40)) +
                    "\" не закрыт скобкой \"]\""};
    }
    const auto name = text.substr(open + 1, close - open - 1);
    at = close;
    if (name == kEndHeader) break;
    if (static_cast<int>(cores.size()) == kMaxCores) {
      throw Damaged{"в файле больше " + std::to_string(kMaxCores) + " магнитопроводов"};
    }
    cores.push_back(readCore(text, name));
  }
  return cores;
}

double sortKey(const CoreRecord& core) { return core.AL * core.le * core.le; }

// This exchange sort, not a standard sort: cores with equal keys must come out in the
// order the catalog has always shown them.
void sortCores(std::vector<CoreRecord>& cores) {
  for (std::size_t i = 0; i < cores.size(); ++i) {
    for (std::size_t j = i + 1; j < cores.size(); ++j) {
      if (sortKey(cores[i]) > sortKey(cores[j])) std::swap(cores[i], cores[j]);
    }
  }
}

// ---- Material data ------------------------------------------------------------------------

// A number of the material data with its key and text; checked only when the series has cores,
// because only a design reads the tables.
class MaterialReader {
 public:
  MaterialReader(std::string_view text, bool check) : text_(text), check_(check) {}

  MaterialData read() {
    MaterialData m;
    m.lastH = readFieldTable(m) - 1;
    m.lastF = readFrequencyTable(m) - 1;
    const auto fluxTexts = readFluxDensities(m);
    m.nB = static_cast<int>(fluxTexts.size());
    readLossRows(m, fluxTexts);
    readConstants(m);
    return m;
  }

 private:
  struct Value {
    std::string key, text;
    double number = 0;
    std::string shown() const { return key + " = " + cp1251ToUtf8(text); }
  };

  Value value(std::string_view anchor, const std::string& key, const std::string& where = {}) {
    Value v{key, lookup(text_, anchor, key, where), 0};
    v.number = leadingNumber(v.text);
    if (check_ && !std::isfinite(v.number)) {
      throw Damaged{"значение " + v.shown() + where + " не является числом"};
    }
    return v;
  }

  void requirePositive(const Value& v) const {
    if (check_ && v.text.empty()) throw Damaged{"не задано значение " + v.key};
    if (check_ && !(v.number > 0)) {
      throw Damaged{"значение " + v.shown() + " должно быть больше нуля"};
    }
  }
  void requireNotNegative(const Value& v, const std::string& where = {}) const {
    if (check_ && v.number < 0) throw Damaged{"значение " + v.shown() + where + " отрицательно"};
  }
  // The interpolations walk every table in ascending order of its argument.
  void requireAscending(const Value& v, const Value& previous) const {
    if (check_ && !(v.number > previous.number)) {
      throw Damaged{"значение " + v.shown() + " не больше предыдущего " + previous.shown()};
    }
  }
  static void requireRoom(int index, int limit, std::string_view table, std::string_view unit) {
    if (index >= limit) {
      throw Damaged{"в таблице \"" + std::string(table) + "\" больше " + std::to_string(limit) +
                    " " + std::string(unit)};
    }
  }

  // Permeability against field strength; returns the number of points.
  int readFieldTable(MaterialData& m) {
    Value previous;
    for (int i = 0;; ++i) {
      const Value h = value(kFieldAnchor, indexed("H", i));
      if (h.text.empty()) return i;
      requireRoom(i, kMaxFieldPoints, kFieldAnchor, "точки");
      m.muH[i].x = h.number;
      const Value factor = value(kFileStart, indexed("mu_H", i));
      if (factor.text.empty()) return i;
      m.muH[i].factor = factor.number;
      requireNotNegative(h);
      if (i > 0) requireAscending(h, previous);
      requirePositive(factor);
      previous = h;
    }
  }

  // Permeability against frequency; its frequencies also head the loss rows.
  int readFrequencyTable(MaterialData& m) {
    Value previous;
    for (int i = 0;; ++i) {
      const Value f = value(kFrequencyAnchor, indexed("F", i));
      if (f.text.empty()) return i;
      requireRoom(i, kMaxFrequencyPoints, kFrequencyAnchor, "точек");
      m.muF[i].x = f.number;
      m.loss[i][0] = f.number;
      const Value factor = value(kFrequencyFactorAnchor, indexed("mu_F", i));
      if (factor.text.empty()) return i;
      m.muF[i].factor = factor.number;
      requirePositive(f);
      if (i > 0) requireAscending(f, previous);
      requirePositive(factor);
      previous = f;
    }
  }

  // The columns of the loss table; returns their texts, which name the cells.
  std::vector<std::string> readFluxDensities(MaterialData& m) {
    std::vector<std::string> texts;
    Value previous;
    for (int j = 1;; ++j) {
      const Value b = value(kFluxAnchor, indexed("B", j));
      if (b.text.empty()) return texts;
      requireRoom(j - 1, kMaxFluxColumns, kFluxAnchor, "значений");
      m.loss[0][j] = b.number / kMilli;
      requirePositive(b);
      if (j > 1) requireAscending(b, previous);
      texts.push_back(b.text);
      previous = b;
    }
  }

  // Row i is found at "F_" + the text of its frequency, cell j at "B_" + column j's text.
  void readLossRows(MaterialData& m, const std::vector<std::string>& fluxTexts) {
    Value previous;
    for (int i = 1;; ++i) {
      const Value f = value(kLossFrequencyAnchor, indexed("F", i));
      if (f.text.empty()) return;
      requireRoom(i - 1, kMaxLossRows, "Frequencies", "частот");
      m.loss[i][0] = f.number;
      requirePositive(f);
      if (i > 1) requireAscending(f, previous);
      previous = f;
      const std::string rowAnchor = "F_" + f.text;
      const std::string where = " в строке \"" + cp1251ToUtf8(rowAnchor) + "\"";
      for (std::size_t j = 0; j < fluxTexts.size(); ++j) {
        // 0 is an empty cell of the table, not a bad value.
        const Value cell = value(rowAnchor, "B_" + fluxTexts[j], where);
        m.loss[i][j + 1] = cell.number;
        requireNotNegative(cell, where);
      }
    }
  }

  void readConstants(MaterialData& m) {
    const Value ro = value(kConstantsAnchor, "ro");
    const Value hMax = value(kConstantsAnchor, "Hmax");
    const Value tMax = value(kConstantsAnchor, "tmax");
    requirePositive(ro);
    requirePositive(hMax);
    m.ro = ro.number;
    m.Hmax = hMax.number;
    m.tmax = tMax.number;
    m.tmaxText = cp1251ToUtf8(tMax.text);
  }

  std::string_view text_;
  bool check_;
};

std::string seriesMessage(std::string_view pattern, std::string_view fileName) {
  std::string message(pattern);
  message.replace(message.find("%s"), 2, fileName);
  return message;
}

}  // namespace

SeriesParse parseSeriesFile(std::string_view bytes) {
  const std::string_view text = bytes.substr(0, bytes.find('\0'));
  try {
    CoreCatalog catalog;
    catalog.cores = readCores(text);
    sortCores(catalog.cores);
    catalog.material = MaterialReader(text, !catalog.cores.empty()).read();
    return {std::move(catalog), {}};
  } catch (const Damaged& damage) {
    return {std::nullopt, damage.problem};
  }
}

std::optional<std::string> loadSeries(const std::filesystem::path& folder, std::string_view series,
                                      CoreCatalog& catalog) {
  const std::string fileName = std::string(series) + ".txt";
  // A series is a file of the working folder; a name from a design file that reaches into
  // another folder is not one.
  const bool inFolder = series.find_first_of("/\\") == std::string_view::npos;
  const FileBytes file = inFolder ? readFileBytes(folder / fileName, kSeriesFileLimit)
                                  : FileBytes{ReadStatus::CannotOpen, {}};
  if (file.status == ReadStatus::CannotOpen) {
    return seriesMessage("Не найден файл серии магнитопроводов \"%s\".\nСерия не загружена.",
                         fileName);
  }
  if (file.status == ReadStatus::TooLarge) {
    return seriesMessage(
        "Файл серии магнитопроводов \"%s\" слишком велик (100000 байт и более).\n"
        "Серия не загружена.",
        fileName);
  }
  SeriesParse parsed = parseSeriesFile(file.bytes);
  if (!parsed.catalog) {
    return seriesMessage("Файл серии магнитопроводов \"%s\" поврежден:\n", fileName) +
           parsed.problem + ".\nСерия не загружена.";
  }
  // The caller chooses the current core after every load.
  const int currentCore = catalog.currentCore;
  catalog = std::move(*parsed.catalog);
  catalog.currentCore = currentCore;
  return std::nullopt;
}

}  // namespace impulsor
