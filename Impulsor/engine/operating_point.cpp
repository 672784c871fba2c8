#include "operating_point.h"

#include <cmath>

#include "number_format.h"

namespace impulsor {

namespace {
constexpr double kMainsToBus = 1.364;       // peak of the rectified mains
constexpr double kRippleShare = 0.1;        // bus ripple as a share of the nominal bus voltage
constexpr double kAssumedEfficiency = 0.9;  // never fed back from the computed one
constexpr double kDropLimitShare = 0.05;    // largest transistor drop as a share of Umin
}  // namespace

void prepareSupply(DesignState& s, bool fetDropFromZero) {
  s.Umin = s.in.Umin;
  s.Unom = s.in.Unom;
  s.Umax = s.in.Umax;
  if (s.in.setevoe == 1) {
    s.Umin *= kMainsToBus;
    s.Unom *= kMainsToBus;
    s.Umax *= kMainsToBus;
    s.Urip = kRippleShare * s.Unom;
    s.Ue = s.Umin - s.Urip;
  } else {
    s.Urip = 0;
    s.Ue = s.Umin;
  }
  s.Unas = (s.in.rds == 1 && fetDropFromZero) ? 0.0 : s.in.Unas;
}

void energyBalance(DesignState& s) {
  s.Ptot = 0;
  for (int m = 0; m < 3; ++m) s.Ptot += (s.U2est[m] + s.in.Ud[m]) * s.in.I2[m];
  s.n = s.Umirror / (s.in.U2[0] + s.in.Ud[0]);
  s.Ein = s.Ptot / s.in.F * 1000 / kAssumedEfficiency;
  s.Ulim = kDropLimitShare * s.Umin;
}

bool designInductanceLoop(DesignState& s) {
  const double F = s.in.F;
  for (int iteration = 0; iteration < 5; ++iteration) {
    s.D = s.Umirror / (s.Ue - s.Unas + s.Umirror);
    s.Lmax = (s.Ue * s.Ue) * (s.D * s.D) * (1 + s.k) / (1 - s.k) / F / F / s.Ein * 0.5 * 1000000;
    s.Ipk = s.D * s.Ue / F / s.Lmax / (1 - s.k) * 1000;
    // The drop at the mean of the highest and the lowest current.
    if (s.in.rds == 1) s.Unas = s.Ipk * (1 + s.k) * s.in.Rds * 0.5;
    if (s.Ulim < s.Unas) break;
  }
  return s.Ulim < s.Unas;
}

void operatingPointAtUmin(DesignState& s, DesignInputs& inputs) {
  const double F = s.in.F;
  s.D = s.Umirror / (s.Umirror + s.Ue - s.Unas);
  s.dI = (s.Ue - s.Unas) * s.D / F / s.L * 1000;
  const double EL = s.dI * s.dI * s.L * 0.5;
  s.k = (s.Ein - EL) / (EL + s.Ein);
  if (s.k < 0) {  // discontinuous conduction
    s.k = 0;
    s.dI = std::sqrt(2 * s.Ein / s.L);
    s.D = s.dI * s.L / (s.Ue - s.Unas) * F / 1000;
  }
  s.Imax = s.dI / (1 - s.k);
  if (s.in.rds == 1) {
    s.Unas = s.Imax * (1 + s.k) * s.in.Rds * 0.5;
    inputs.Unas = formatFixed(s.Unas, 3);
  }
}

void finishUminResults(DesignState& s, DesignResults& r) {
  const double k = s.k;
  s.Iin = (1 + k) * s.Imax * s.D * 0.5;
  // RMS of a trapezoid from k·Imax to Imax during D.
  s.Irms_p = s.Imax * std::sqrt(s.D) * std::sqrt(k * k + (1 - k) * k + (1 - k) * (1 - k) / 3);
  r.set(ctl::kDutyRatio[0], formatFixed(s.D, 3), s.D);
  r.set(ctl::kContinuity[0], formatFixed(k * 100, 1), k * 100);
  r.set(ctl::kPeakCurrent, formatFixed(s.Imax, 3), s.Imax);
  r.set(ctl::kInputCurrent[0], formatFixed(s.Iin, 3), s.Iin);
}

namespace {

// The swing uses the full bus voltage here, not the voltage less the drop.
void operatingPointAt(const DesignState& s, double U, DesignResults& r, int column) {
  const double F = s.in.F;
  double D = s.Umirror / (U - s.Unas + s.Umirror);
  double dI = D * U / F / s.L * 1000;
  const double EL = dI * dI * s.L * 0.5;
  double k = (s.Ein - EL) / (EL + s.Ein);
  if (k < 0) {
    k = 0;
    dI = std::sqrt(2 * s.Ein / s.L);
    D = dI * s.L / U * F / 1000;
  }
  const double Imax = dI / (1 - k);
  const double Iin = (1 + k) * Imax * D * 0.5;
  r.set(ctl::kDutyRatio[column], formatFixed(D, 3), D);
  r.set(ctl::kContinuity[column], formatFixed(k * 100, 1), k * 100);
  r.set(ctl::kInputCurrent[column], formatFixed(Iin, 3), Iin);
}

}  // namespace

void operatingPointsAtUmaxUnom(DesignState& s, DesignResults& r) {
  operatingPointAt(s, s.Umax, r, 2);
  operatingPointAt(s, s.Unom, r, 1);
}

void reflectedVoltage(DesignState& s, DesignResults& r) {
  s.Umirror = (s.in.U2[0] + s.in.Ud[0]) * s.n;
  r.set(ctl::kReflectedVoltage, formatFixed(s.Umirror, 1), s.Umirror);
  const double spike = s.in.Utrmax - s.Umirror - s.Umax;
  r.set(ctl::kSpikeAllowance, formatFixed(spike, 1), spike);
}

void loadPower(DesignState& s, DesignResults& r) {
  s.Pload = 0;
  for (int m = 0; m < 3; ++m) s.Pload += s.U2actual[m] * s.in.I2[m];
  r.set(ctl::kLoadPower, formatFixed(s.Pload, 1), s.Pload);
}

}  // namespace impulsor
