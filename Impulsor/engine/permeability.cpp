#include "permeability.h"

#include <algorithm>
#include <cmath>

namespace impulsor {

double tableFactor(const std::array<TablePoint, kMaxFieldPoints>& table, int last, double v,
                   int* hint) {
  if (last < 0) return 1.0;
  if (last == 0) return table[0].factor;
  int i = 0;
  if (v >= table[0].x) {
    i = last - 1;
    for (int j = hint ? *hint + 1 : 1; j <= last; ++j) {
      if (v < table[j].x) {
        i = j - 1;
        break;
      }
    }
  }
  if (hint) *hint = i;
  const TablePoint& p = table[i];
  const TablePoint& q = table[i + 1];
  // A zero argument cannot sit on log-log axes: the factor there is the table's first.
  if (v <= 0) return table[0].factor;
  const double s = std::log(q.factor / p.factor) / std::log(q.x / p.x);
  return p.factor * std::pow(v / p.x, s);
}

double relativePermeability(const MaterialData& material, double H_Oe, double F_kHz) {
  return tableFactor(material.muH, material.lastH, H_Oe) *
         tableFactor(material.muF, material.lastF, F_kHz);
}

void FluxTable::build(const MaterialData& material, double mui, double F_kHz, bool plain) {
  if (!plain && !B_.empty() && mui == mui_ && F_kHz == F_ && !plain_) return;
  mui_ = mui;
  F_ = F_kHz;
  plain_ = plain;
  B_.assign(1, 0.0);
  B_.reserve(kCapacity);
  lastFactor_ = 1.0;  // the factor at H = 0 is taken as 1, not looked up
  frequencyFactor_ = tableFactor(material.muF, material.lastF, F_kHz);
  fieldSegment_ = 0;
  if (!plain) return;
  const double limit = std::trunc(material.Hmax * 10);
  if (limit >= 1) extendTo(material, static_cast<long long>(std::min(limit, kCapacity - 1.0)));
}

void FluxTable::extendTo(const MaterialData& material, long long m) {
  for (long long k = static_cast<long long>(B_.size()); k <= m; ++k) {
    const double H = k / 10.0;
    const double e =
        plain_ ? relativePermeability(material, H, F_)
               : tableFactor(material.muH, material.lastH, H, &fieldSegment_) * frequencyFactor_;
    B_.push_back(B_.back() + mui_ * (e + lastFactor_) * 0.5 * 0.00001);
    lastFactor_ = e;
  }
}

double FluxTable::at(const MaterialData& material, long long m) {
  if (m < 0) return 0.0;
  // Beyond 100 kOe no core is left unsaturated; the integral goes on with the last factor
  // rather than filling megabytes of table.
  constexpr long long kExactLimit = 1'000'000;
  if (m <= kExactLimit) {
    extendTo(material, m);
    return B_[static_cast<std::size_t>(m)];
  }
  extendTo(material, kExactLimit);
  return B_.back() + mui_ * lastFactor_ * static_cast<double>(m - kExactLimit) * 0.00001;
}

}  // namespace impulsor
