#include "report.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "design_file.h"
#include "window_rows.h"

namespace impulsor::cli {

namespace {

constexpr std::size_t kLabelWidth = 46;
constexpr std::size_t kColumnWidth = 12;
constexpr const char* kOverLimitMark = "  <- выше допустимого";

// Characters, not bytes: the labels are Cyrillic.
std::size_t displayWidth(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string padded(std::string_view text, std::size_t width) {
  std::string result(text);
  const std::size_t shown = displayWidth(text);
  if (shown < width) result.append(width - shown, ' ');
  return result;
}

const std::string& inputText(const DesignInputs& inputs, std::string_view key) {
  static const std::string kNone;
  const InputKey* k = findInputKey(key);
  return k && k->text ? inputs.*(k->text) : kNone;
}

void inputRows(std::ostream& out, const DesignInputs& inputs, std::span<const InputRow> rows) {
  for (const InputRow& row : rows) {
    std::string line = padded(row.label, kLabelWidth);
    for (std::string_view key : row.keys) {
      if (!key.empty()) line += padded(inputText(inputs, key), kColumnWidth);
    }
    line += row.unit;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << "  " << line << '\n';
  }
}

void resultRows(std::ostream& out, const ImpulsorSession& session,
                std::span<const ResultRow> rows) {
  const DesignResults& r = session.results();
  const auto& red = session.redMarks();
  for (const ResultRow& row : rows) {
    std::string line = padded(row.label, kLabelWidth);
    bool marked = false;
    for (int id : row.ids) {
      if (id == 0) continue;
      line += padded(r.text(id), kColumnWidth - 1) + " ";
      marked = marked || std::find(red.begin(), red.end(), id) != red.end();
    }
    line += row.unitId ? std::string_view(r.text(row.unitId)) : row.unit;
    if (marked) line += kOverLimitMark;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << "  " << line << '\n';
  }
}

std::string heading(std::string_view label, std::array<std::string_view, 4> columns) {
  std::string line = padded(label, kLabelWidth);
  for (std::string_view c : columns) {
    if (!c.empty()) line += padded(c, kColumnWidth);
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return "  " + line + '\n';
}

}  // namespace

std::string textReport(const ImpulsorSession& session) {
  const DesignInputs& in = session.inputs();
  std::ostringstream out;
  out << kWindowTitle << "\n\n";
  out << kInputsGroup << '\n';
  out << "  " << padded(kSeriesLabel, kLabelWidth) << in.series << '\n';
  out << "  " << padded(kCoreLabel, kLabelWidth) << in.core << '\n';
  inputRows(out, in, converterInputRows());
  out << "  " << padded("Питание", kLabelWidth) << (in.setevoe == 1 ? "AC" : "DC") << '\n';
  out << "  " << padded("Транзистор", kLabelWidth)
      << (in.rds == 1 ? "полевой (задано Rds(on))" : "биполярный (задано Uнас.)") << '\n';
  out << heading(kOutputsLabel, {kOutputColumns[0], kOutputColumns[1], kOutputColumns[2]});
  inputRows(out, in, outputInputRows());
  inputRows(out, in, automaticInputRows());
  out << '\n' << kOptimizationGroup << '\n';
  out << heading("", {"Первич.", "1.", "2.", "3."});
  inputRows(out, in, optimizationInputRows());
  const std::size_t order = static_cast<std::size_t>(in.pri_sec);
  out << "  " << padded(kWindingOrderLabel, kLabelWidth)
      << (order < kWindingOrders.size() ? kWindingOrders[order] : std::string_view()) << '\n';

  out << '\n' << kResultsGroup << '\n';
  resultRows(out, session, summaryResultRows());
  out << '\n';
  const auto detailed = detailedResultRows();
  resultRows(out, session, detailed.subspan(0, 19));
  out << heading(kSupplyLabel, {kSupplyColumns[0], kSupplyColumns[1], kSupplyColumns[2]});
  resultRows(out, session, detailed.subspan(19, 3));
  out << '\n' << kOutputsHeading << '\n';
  out << heading(kOutputsLabel, {kOutputColumns[0], kOutputColumns[1], kOutputColumns[2]});
  resultRows(out, session, detailed.subspan(22));
  return out.str();
}

std::string jsonReport(const ImpulsorSession& session, const std::vector<ShownMessage>& messages) {
  using nlohmann::ordered_json;
  ordered_json report;
  const DesignInputs& in = session.inputs();
  ordered_json inputs = ordered_json::object();
  for (const InputKey& key : kInputKeys) {
    if (key.text)
      inputs[std::string(key.name)] = in.*(key.text);
    else
      inputs[std::string(key.name)] = in.*(key.number);
  }
  report["inputs"] = inputs;
  ordered_json results = ordered_json::object();
  for (int id : kResultControls) results[std::to_string(id)] = session.results().text(id);
  report["results"] = results;
  report["tooltip1040"] = session.inductanceTooltip();
  report["red"] = session.redMarks();
  ordered_json spins = ordered_json::object();
  for (std::size_t i = 0; i < ctl::kDiameterSpins.size(); ++i)
    spins[std::to_string(ctl::kDiameterSpins[i])] = session.diameterSpins()[i];
  report["spins"] = spins;
  report["status"] = session.lastStatus() ? ordered_json(*session.lastStatus()) : ordered_json();
  report["series_list"] = session.seriesList();
  report["series_index"] = session.seriesSelection();
  report["cores"] = session.coreList();
  report["core_index"] = session.currentCore();
  report["enabled"] = {{"1007", session.rdsEditEnabled()}, {"1008", session.unasEditEnabled()}};
  ordered_json shown = ordered_json::array();
  for (const ShownMessage& m : messages)
    shown.push_back({{"caption", m.caption}, {"text", m.text}});
  report["messages"] = shown;
  return report.dump(2, ' ', false, ordered_json::error_handler_t::replace) + '\n';
}

}  // namespace impulsor::cli
