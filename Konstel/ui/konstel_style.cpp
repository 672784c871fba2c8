#include "konstel_style.h"

#include <QStyleFactory>

namespace konstel {
namespace {

constexpr int kTipInitialDelay_ms = 100;
constexpr int kTipReshowDelay_ms = 100;

}  // namespace

CKonstelStyle::CKonstelStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int CKonstelStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
  switch (hint) {
    case SH_ToolTip_WakeUpDelay:
      return kTipInitialDelay_ms;
    case SH_ToolTip_FallAsleepDelay:
      return kTipReshowDelay_ms;
    default:
      return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
}

}  // namespace konstel
