// Identifiers of the main window's controls that are not inputs or results (those are in the
// row tables and in design_results.h).
#pragma once

namespace impulsor::ui::controls {

inline constexpr int kAutomaticButton = 1, kExitButton = 2, kSaveButton = 3, kLoadButton = 4,
                     kPreviousButton = 5, kNextButton = 6, kOptimizeButton = 7;
// Radio groups: supply (DC = 0, AC = 1) and transistor (bipolar = 0, field-effect = 1).
inline constexpr int kSupplyDc = 1086, kSupplyAc = 1087, kBipolar = 1090, kFieldEffect = 1091;
inline constexpr int kRdsEdit = 1007, kUnasEdit = 1008;
inline constexpr int kCoreList = 1046, kSeriesList = 1111, kWindingOrderList = 1110,
                     kSeriesScratch = 1000;
inline constexpr int kTurnsSpin = 1098;
inline constexpr int kStrandsSpins[] = {1103, 1105, 1107, 1109};

}  // namespace impulsor::ui::controls
