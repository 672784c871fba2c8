// The launcher's look: Fusion, so the blue window looks the same on every desktop, with
// tooltips that come up 100 ms after the mouse stops over a button.
#pragma once

#include <QProxyStyle>

namespace konstel {

class CKonstelStyle : public QProxyStyle {
  Q_OBJECT

 public:
  CKonstelStyle();

  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
};

}  // namespace konstel
