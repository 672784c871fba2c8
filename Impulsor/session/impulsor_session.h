// The whole design program without its window: everything the main window holds (inputs,
// catalog, working values, result texts, tooltip, spin positions, red marks, enabled edits,
// the series and core lists) and one operation per user action. The window and the command
// line drive this object and show what it holds; neither computes anything itself.
//
// The view copies what the user typed into inputs() before an action (the Supply DC action
// needs the supply mode as it was before the click, so setevoe is left alone for it) and shows
// the stored texts after it; the session asks for a refresh where a computation shows partial
// results before a message.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core_catalog.h"
#include "design_context.h"
#include "design_inputs.h"
#include "design_results.h"
#include "design_state.h"
#include "message_boxes.h"

namespace impulsor {

class ImpulsorSession : private DesignHost {
 public:
  // folder: the program's working folder (series files, design files, Impulsor.ini).
  ImpulsorSession(std::filesystem::path folder, MessageBoxes& boxes);

  void setView(SessionView* view) { view_ = view; }
  // Every formula step by step as written (the reference the fast path is checked against).
  void setPlainEvaluation(bool plain) { state_.plainEvaluation = plain; }

  // Window initialization: settings (when readSettings), series list, series, winding order,
  // enabled edits. Then, on the first timer tick, the remembered core and the optimization.
  void startUp(bool readSettings = true);
  void completeStartUp();

  // What the window shows.
  DesignInputs& inputs() { return inputs_; }
  const DesignInputs& inputs() const { return inputs_; }
  const DesignResults& results() const { return results_; }
  const std::string& inductanceTooltip() const { return tooltip_; }
  const std::vector<int>& redMarks() const { return redMarks_; }
  const std::array<int, 4>& diameterSpins() const { return diameterSpins_; }
  bool rdsEditEnabled() const { return inputs_.rds == 1; }
  bool unasEditEnabled() const { return inputs_.rds != 1; }
  const std::vector<std::string>& seriesList() const { return seriesList_; }
  int seriesSelection() const { return seriesSelection_; }
  std::vector<std::string> coreList() const { return coreNames(catalog_); }
  int coreSelection() const { return coreSelection_; }
  int currentCore() const { return catalog_.empty() ? -1 : catalog_.currentCore; }
  const CoreCatalog& catalog() const { return catalog_; }
  std::optional<int> lastStatus() const { return lastStatus_; }
  const std::filesystem::path& folder() const { return folder_; }

  // Input fields: digits-only fields and the field the transistor kind disables.
  static bool isDigitsOnly(std::string_view key);
  bool isEditable(std::string_view key) const;

  // User actions.
  void inputEdited(std::string_view key);  // the edit rules of Iccm, ko and tdmax
  void clickSupplyDc();
  void clickSupplyAc();
  void clickBipolar();      // radio beside Unas
  void clickFieldEffect();  // radio beside Rds
  void chooseWindingOrder(int index);
  void chooseSeries(int index);
  void chooseCore(int index);
  void recalculateCurrentCore();
  void automaticSelection();
  void nextSize();
  void previousSize();
  void optimize();
  // One arrow step (+1 up, -1 down) of spin 1098, 1099..1103, 1105, 1107 or 1109.
  void spinStep(int spinId, int direction);
  static bool isSpinButton(int id);

  std::string proposedDesignFileName() const;
  // The name as the picker returned it; ".sav" is appended when it does not occur in it.
  bool saveDesign(const std::string& name);
  bool loadDesign(const std::string& name);
  // Exit writes Impulsor.ini; false (after a message) when it could not be written.
  bool exit();

 private:
  void refresh() override;
  void warn(std::string_view text) override;
  void coreTaken() override;

  DesignContext context();
  bool loadSeriesNamed(const std::string& series);
  void selectRememberedCore();

  std::filesystem::path folder_;
  MessageBoxes& boxes_;
  SessionView* view_ = nullptr;

  DesignInputs inputs_;
  CoreCatalog catalog_;
  DesignState state_;
  DesignResults results_;
  std::string tooltip_;
  std::vector<int> redMarks_;
  std::array<int, 4> diameterSpins_{};
  std::vector<std::string> seriesList_;
  int seriesSelection_ = -1;
  int coreSelection_ = -1;
  std::optional<std::string> loadedSeries_;
  std::optional<int> lastStatus_;
};

}  // namespace impulsor
