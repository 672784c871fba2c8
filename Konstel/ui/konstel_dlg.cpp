#include "konstel_dlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "about_dlg.h"
#include "detached_process.h"
#include "dialog_units.h"
#include "group_frame.h"
#include "launch_messages.h"
#include "picture_button.h"
#include "pictures.h"
#include "program_table.h"

namespace konstel {
namespace {

const QColor kBackground(8, 70, 162);
const QColor kCaptionText(255, 255, 255);
const QColor kTipBackground(255, 240, 160);
constexpr int kTipDuration_ms = 30000;
constexpr int kTipMaxWidth_px = 350;

enum class Group { Transformers, Chokes };

// One button per row of the program table; names come from kProgramNames in the same order.
struct ButtonRow {
  Group group;
  QPoint position_du;
  const char* picture;
  const char* tooltip;  // UTF-8
};

const std::array<ButtonRow, kProgramCount> kButtonRows = {{
    {Group::Transformers,
     {160, 16},
     ":/pictures/pushpull.svg",
     "Программа расчета импульсного трансформатора двухтактного преобразователя.\n"
     "Топологии: пуш-пулл, полумост, полный мост."},
    {Group::Transformers,
     {290, 16},
     ":/pictures/forward.svg",
     "Программа расчета трансформатора однотактного прямоходового преобразователя."},
    {Group::Transformers,
     {420, 16},
     ":/pictures/flyback.svg",
     "Программа расчета трансформатора обратноходового преобразователя."},
    {Group::Chokes,
     {30, 104},
     ":/pictures/outputchoke.svg",
     "Программа расчета выходного дросселя"},
    {Group::Chokes,
     {160, 104},
     ":/pictures/magamp.svg",
     "Программа расчета дросселя магнитного усилителя."},
    {Group::Chokes,
     {290, 104},
     ":/pictures/pfc.svg",
     "Программа расчета дросселя для корректора коэффициента мощности."},
    {Group::Chokes,
     {420, 104},
     ":/pictures/bead.svg",
     "Программа расчета помехоподавляющего дросселя."},
    {Group::Chokes,
     {550, 104},
     ":/pictures/cmchoke.svg",
     "Программа расчета дросселя синфазного фильтра."},
}};

constexpr QSize kButton_du{100, 56};
constexpr QSize kCaption_du{99, 8};
constexpr QSize kClient_du{680, 288};

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The client area: the blue background with the pictures painted on it, under the controls.
class CBackdrop : public QWidget {
 public:
  explicit CBackdrop(QWidget* parent) : QWidget(parent) {
    for (const PlacedPicture& placed : {kLogo, kWebStrip, kFeedbackNote, kBanner}) {
      pictures_.push_back({placed.position_px,
                           renderPicture(placed.resource, placed.size_px, devicePixelRatioF())});
    }
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    for (const auto& [position, pixmap] : pictures_) painter.drawPixmap(position, pixmap);
  }

 private:
  std::vector<std::pair<QPoint, QPixmap>> pictures_;
};

QGroupBox* addGroup(QWidget* parent, const QString& title, const QRect& geometry) {
  auto* group = new CGroupFrame(title, parent);
  group->setObjectName(title);
  group->setGeometry(geometry);
  return group;
}

}  // namespace

CKonstelDlg::CKonstelDlg(std::filesystem::path programsRoot,
                         std::unique_ptr<CUserNotifier> notifier, QWidget* parent)
    : QDialog(parent),
      root_(std::move(programsRoot)),
      notifier_(notifier ? std::move(notifier) : std::make_unique<CMessageBoxNotifier>()) {
  setObjectName(QStringLiteral("konstel"));
  setWindowTitle(title());
  setWindowIcon(appIcon());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(chooseDialogFont(font()));

  QPalette tipPalette = QToolTip::palette();
  tipPalette.setColor(QPalette::ToolTipBase, kTipBackground);
  tipPalette.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(tipPalette);

  buildMenu();
  buildClientArea();
  paths_ = findPrograms(root_);
}

CKonstelDlg::~CKonstelDlg() = default;

QString CKonstelDlg::title() {
  return QStringLiteral(
      "Дизайн-центр. Расчеты электромагнитных компонентов на основе магнитопроводов "
      "производства ПАО Велиранд");
}

void CKonstelDlg::buildMenu() {
  auto* menuBar = new QMenuBar(this);
  aboutAction_ = menuBar->addAction(QStringLiteral("О программе..."));
  connect(aboutAction_, &QAction::triggered, this, &CKonstelDlg::showAbout);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CKonstelDlg::buildClientArea() {
  const DialogUnits du(fontMetrics());
  auto* client = new CBackdrop(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(du.size(kClient_du.width(), kClient_du.height()));
  QPalette captions = client->palette();
  captions.setColor(QPalette::Window, kBackground);
  captions.setColor(QPalette::WindowText, kCaptionText);
  client->setPalette(captions);
  layout()->addWidget(client);

  // Groups first, so the buttons and captions lie above their frames.
  addGroup(client, QStringLiteral("Программы для расчета трансформаторов"),
           du.rect(138, 3, 404, 83));
  addGroup(client, QStringLiteral("Программы для расчета дросселей"), du.rect(8, 91, 664, 83));

  for (std::size_t row = 0; row < kProgramCount; ++row) {
    const ButtonRow& buttonRow = kButtonRows[row];
    const QString name = fromUtf8(kProgramNames[row]);
    const QPoint at = buttonRow.position_du;

    auto* button =
        new CPictureButton(renderPicture(buttonRow.picture, kButtonPicture_px, devicePixelRatioF()),
                           kTipMaxWidth_px, client);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setToolTip(QString::fromUtf8(buttonRow.tooltip));
    button->setToolTipDuration(kTipDuration_ms);
    button->setGeometry(du.rect(at.x(), at.y(), kButton_du.width(), kButton_du.height()));
    connect(button, &QAbstractButton::clicked, this, [this, row] { launchProgram(row); });

    auto* caption = new QLabel(name, client);
    caption->setObjectName(QStringLiteral("caption ") + name);
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(
        du.rect(at.x(), at.y() + kButton_du.height(), kCaption_du.width(), kCaption_du.height()));
  }
}

void CKonstelDlg::launchProgram(std::size_t row) {
  const std::optional<ProgramLocation>& location = paths_.at(row);
  if (!location) {
    notifier_->warn(this, warningCaption(), missingProgramText());
    return;
  }
  const LaunchResult result = konstel::launchProgram(root_, *location);
  if (!result.started()) {
    notifier_->warn(this, warningCaption(),
                    launchFailureText(kProgramNames[row], *location, result));
  }
}

void CKonstelDlg::showAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CKonstelDlg::keyPressEvent(QKeyEvent* event) {
  // Enter neither closes the window nor presses the focused button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace konstel
