// The tips of a window: texts shown over controls or over areas of the window, on a pale
// yellow ground, at most 400 pixels wide (longer lines wrap), shown 100 ms after the mouse
// rests and for 30 s. The 100 ms are the program's style (CImpulsorApp); the rest is here.
#pragma once

#include <QColor>
#include <QHash>
#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace impulsor::ui {

class CToolTipCtrl : public QObject {
  Q_OBJECT

 public:
  static constexpr int kInitialDelay_ms = 100;
  static constexpr int kAutoHide_ms = 30000;
  static constexpr int kMaxWidth_px = 400;
  static constexpr QRgb kBackground = qRgb(255, 240, 160);

  // area: the widget whose coordinates the area tools use.
  explicit CToolTipCtrl(QWidget* area);

  void addTool(QWidget* tool, const QString& text);
  void addTool(int id, const QRect& rect, const QString& text);
  void setToolText(int id, const QString& text);
  QString toolText(int id) const { return areas_.value(id).text; }
  QRect toolRect(int id) const { return areas_.value(id).rect; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Area {
    QRect rect;
    QString text;
  };
  static QString shown(const QString& text);

  QWidget* area_;
  QHash<int, Area> areas_;
};

}  // namespace impulsor::ui
