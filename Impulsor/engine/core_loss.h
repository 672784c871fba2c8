// Core loss from the series' loss table, copper loss at the winding temperature, the thermal
// iteration and the efficiency. F in kHz, B in T, volume in mm³, density in g/cm³, power in W,
// temperature in °C, cooling surface in cm².
#pragma once

#include <optional>

#include "core_data.h"
#include "design_results.h"
#include "design_state.h"

namespace impulsor {

// Specific loss (W/kg) at F and Bac, log-log interpolated over the table; nullopt when one of
// the four bracketing cells has no data or the table has fewer than two rows or columns.
std::optional<double> specificCoreLoss(const MaterialData& material, double F, double Bac);

// Pcore of the stack and its text; false (with an empty text) when there is no loss data.
bool coreLoss(DesignState& s, const MaterialData& material, DesignResults& r);

// Loss of one winding at the temperature rise dT over the ambient tamax.
double copperLoss(const WindingData& w, double tamax, double dT);

// Five iterations of copper loss and temperature rise, then their texts.
void thermalIteration(DesignState& s, DesignResults& r);

void efficiencyResult(DesignState& s, DesignResults& r);

}  // namespace impulsor
