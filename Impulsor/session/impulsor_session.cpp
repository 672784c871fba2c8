#include "impulsor_session.h"

#include <algorithm>

#include "automatic_design.h"
#include "core_selection.h"
#include "design_file.h"
#include "messages.h"
#include "optimization.h"
#include "series_file.h"
#include "series_list.h"
#include "wire_table.h"

namespace impulsor {

namespace {

constexpr int kTurnsSpin = 1098;
constexpr std::array<int, 4> kStrandsSpins = {1103, 1105, 1107, 1109};
constexpr int kSpinMin = 1, kSpinMax = 1000;

}  // namespace

ImpulsorSession::ImpulsorSession(std::filesystem::path folder, MessageBoxes& boxes)
    : folder_(std::move(folder)), boxes_(boxes), tooltip_(kInitialInductanceTooltip) {}

void ImpulsorSession::refresh() {
  if (view_) view_->refresh();
}

void ImpulsorSession::warn(std::string_view text) {
  boxes_.show(text, msg::kWarning, MessageButtons::Ok);
}

void ImpulsorSession::coreTaken() {
  coreSelection_ = findPrefixIgnoringCase(coreNames(catalog_), inputs_.core);
}

DesignContext ImpulsorSession::context() {
  if (!catalog_.empty())
    catalog_.currentCore = std::clamp(catalog_.currentCore, 0, catalog_.lastCore());
  const CoreRecord* core =
      catalog_.empty() ? nullptr : &catalog_.cores[static_cast<std::size_t>(catalog_.currentCore)];
  return DesignContext{inputs_,  results_,  core, catalog_.material, state_, diameterSpins_,
                       tooltip_, redMarks_, *this};
}

// ---- start-up ---------------------------------------------------------------------------------

void ImpulsorSession::startUp(bool readSettings) {
  if (readSettings) {
    DesignFileRead read = readDesignFile(folder_ / kSettingsFileName);
    if (read.status == DesignFileStatus::Ok) {
      inputs_ = std::move(read.inputs);
    } else if (read.status != DesignFileStatus::CannotOpen) {
      warn(read.message);  // a damaged settings file: the defaults stay
    }
  }
  refresh();
  seriesList_ = listSeries(folder_);
  seriesSelection_ = findPrefixIgnoringCase(seriesList_, inputs_.series);
  loadSeriesNamed(inputs_.series);
  refresh();
}

void ImpulsorSession::selectRememberedCore() {
  if (catalog_.empty()) return;
  selectCoreByName(catalog_, inputs_.core);
  coreSelection_ = catalog_.currentCore;
}

void ImpulsorSession::completeStartUp() {
  selectRememberedCore();
  refresh();
  optimize();
}

bool ImpulsorSession::loadSeriesNamed(const std::string& series) {
  if (const auto problem = loadSeries(folder_, series, catalog_)) {
    warn(*problem);
    // What is shown stays what is computed: the series in use is the one loaded before.
    if (loadedSeries_) inputs_.series = *loadedSeries_;
    seriesSelection_ = loadedSeries_ ? findPrefixIgnoringCase(seriesList_, inputs_.series) : -1;
    return false;
  }
  loadedSeries_ = series;
  catalog_.currentCore = 0;
  coreSelection_ = -1;
  return true;
}

// ---- inputs -----------------------------------------------------------------------------------

bool ImpulsorSession::isDigitsOnly(std::string_view key) {
  return key == "stek" || key == "w11" || key == "n11" || key == "n21" || key == "n22" ||
         key == "n23";
}

bool ImpulsorSession::isEditable(std::string_view key) const {
  if (key == "Rds") return rdsEditEnabled();
  if (key == "Unas") return unasEditEnabled();
  return true;
}

void ImpulsorSession::inputEdited(std::string_view key) {
  if (key == "Iccm") {
    limitContinuity(inputs_);
  } else if (key == "ko") {
    limitFillFactor(inputs_);
  } else if (key == "tdmax") {
    // Without a loaded core there is no series limit to hold the entry to.
    if (catalog_.empty()) return;
    limitMaxTemperature(inputs_, catalog_.material.tmax);
  } else {
    return;
  }
  refresh();
}

void ImpulsorSession::clickSupplyDc() {
  if (inputs_.setevoe != 1) return;
  setSupplyDc(inputs_, /*wasAc=*/true);
  refresh();
}

void ImpulsorSession::clickSupplyAc() {
  setSupplyAc(inputs_);
  refresh();
}

void ImpulsorSession::clickBipolar() {
  inputs_.rds = 0;
  refresh();
}

void ImpulsorSession::clickFieldEffect() {
  inputs_.rds = 1;
  refresh();
}

// ---- lists and buttons ------------------------------------------------------------------------

void ImpulsorSession::chooseWindingOrder(int index) {
  inputs_.pri_sec = index;
  automaticSelection();
}

void ImpulsorSession::chooseSeries(int index) {
  if (index < 0 || index >= static_cast<int>(seriesList_.size())) return;
  inputs_.series = seriesList_[static_cast<std::size_t>(index)];
  seriesSelection_ = index;
  redMarks_.clear();
  if (!loadSeriesNamed(inputs_.series)) {
    refresh();
    return;
  }
  inputs_.tdmax = catalog_.material.tmaxText;
  refresh();
  automaticSelection();
}

void ImpulsorSession::chooseCore(int index) {
  if (!catalog_.empty() && (index < 0 || index > catalog_.lastCore())) return;
  DesignContext c = context();
  if (const auto status = impulsor::chooseCore(catalog_, c, index)) lastStatus_ = status;
  refresh();
}

void ImpulsorSession::recalculateCurrentCore() { chooseCore(catalog_.currentCore); }

void ImpulsorSession::automaticSelection() {
  DesignContext c = context();
  if (const auto status = automaticCoreSelection(catalog_, c)) lastStatus_ = status;
  redMarks_.clear();
  refresh();
}

void ImpulsorSession::nextSize() {
  DesignContext c = context();
  if (const auto status = impulsor::nextSize(catalog_, c)) lastStatus_ = status;
  refresh();
}

void ImpulsorSession::previousSize() {
  DesignContext c = context();
  if (const auto status = impulsor::previousSize(catalog_, c)) lastStatus_ = status;
  refresh();
}

void ImpulsorSession::optimize() {
  DesignContext c = context();
  redMarks_.clear();
  if (!requireCores(catalog_, c)) return;
  runOptimization(c);
  refresh();
}

bool ImpulsorSession::isSpinButton(int id) {
  return id == kTurnsSpin ||
         std::find(ctl::kDiameterSpins.begin(), ctl::kDiameterSpins.end(), id) !=
             ctl::kDiameterSpins.end() ||
         std::find(kStrandsSpins.begin(), kStrandsSpins.end(), id) != kStrandsSpins.end();
}

void ImpulsorSession::spinStep(int spinId, int direction) {
  const auto diameter = std::find(ctl::kDiameterSpins.begin(), ctl::kDiameterSpins.end(), spinId);
  if (diameter != ctl::kDiameterSpins.end()) {
    const auto winding = static_cast<std::size_t>(diameter - ctl::kDiameterSpins.begin());
    int& position = diameterSpins_[winding];
    position = std::clamp(position + direction, 0, kLastWire);
    DesignContext c = context();
    applyDiameterSpin(c, static_cast<int>(winding), position);
    refresh();
    optimize();
    return;
  }
  std::string* text = nullptr;
  if (spinId == kTurnsSpin) text = &inputs_.w11;
  const auto strands = std::find(kStrandsSpins.begin(), kStrandsSpins.end(), spinId);
  if (strands != kStrandsSpins.end())
    text = &strandsText(inputs_, static_cast<int>(strands - kStrandsSpins.begin()));
  if (!text) return;
  // The control starts from the integer its edit shows and stays inside its range.
  const int current = std::clamp(leadingInteger(*text), kSpinMin, kSpinMax);
  *text = std::to_string(std::clamp(current + direction, kSpinMin, kSpinMax));
  optimize();
}

// ---- files ------------------------------------------------------------------------------------

std::string ImpulsorSession::proposedDesignFileName() const {
  return defaultDesignFileName(inputs_);
}

bool ImpulsorSession::saveDesign(const std::string& name) {
  if (const auto problem = writeDesignFile(folder_ / withSavExtension(name), inputs_)) {
    warn(*problem);
    return false;
  }
  return true;
}

bool ImpulsorSession::loadDesign(const std::string& name) {
  DesignFileRead read = readDesignFile(folder_ / name);
  if (read.status != DesignFileStatus::Ok) {
    warn(read.message);
    return false;
  }
  inputs_ = std::move(read.inputs);
  refresh();
  seriesSelection_ = findPrefixIgnoringCase(seriesList_, inputs_.series);
  loadSeriesNamed(inputs_.series);
  selectRememberedCore();
  refresh();
  optimize();
  return true;
}

bool ImpulsorSession::exit() {
  if (const auto problem = writeDesignFile(folder_ / kSettingsFileName, inputs_)) {
    warn(*problem);
    return false;
  }
  return true;
}

}  // namespace impulsor
