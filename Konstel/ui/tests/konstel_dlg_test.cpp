#include "konstel_dlg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <sstream>

#include "picture_button.h"
#include "pictures.h"
#include "temp_folder.h"
#include "test_application.h"
#include "user_notifier.h"

namespace konstel {
namespace {

namespace fs = std::filesystem;
using testing::kExecutable;
using testing::TempFolder;

struct Notice {
  QString caption;
  QString text;
  bool operator==(const Notice&) const = default;
};

void PrintTo(const Notice& notice, std::ostream* out) {
  *out << notice.caption.toStdString() << " / " << notice.text.toStdString();
}

// Answers in place of the user and remembers what the window said.
class CRecordingNotifier final : public CUserNotifier {
 public:
  explicit CRecordingNotifier(std::vector<Notice>& notices) : notices_(notices) {}
  void warn(QWidget*, const QString& caption, const QString& text) override {
    notices_.push_back({caption, text});
  }

 private:
  std::vector<Notice>& notices_;
};

const Notice kMissing{QStringLiteral("Внимание!"),
                      QStringLiteral("Этой программы нет в комплекте.")};

class KonstelWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ensureApplication();
    launcherFolder_ = fs::current_path();
  }
  void TearDown() override { EXPECT_EQ(fs::current_path(), launcherFolder_); }

  // The window as the user meets it: shown, with the programs of root_ found.
  std::unique_ptr<CKonstelDlg> openWindow() {
    auto window =
        std::make_unique<CKonstelDlg>(root_.path(), std::make_unique<CRecordingNotifier>(notices_));
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
  }

  static CPictureButton* button(const CKonstelDlg& window, const char* name) {
    auto* found = window.findChild<CPictureButton*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  TempFolder root_;
  fs::path launcherFolder_;
  std::vector<Notice> notices_;
};

struct ButtonCase {
  const char* name;
  const char* group;
  const char* tooltip;
};

const ButtonCase kButtons[] = {
    {"Orvanta", "Программы для расчета трансформаторов",
     "Программа расчета импульсного трансформатора двухтактного преобразователя.\n"
     "Топологии: пуш-пулл, полумост, полный мост."},
    {"Belmira", "Программы для расчета трансформаторов",
     "Программа расчета трансформатора однотактного прямоходового преобразователя."},
    {"Impulsor", "Программы для расчета трансформаторов",
     "Программа расчета трансформатора обратноходового преобразователя."},
    {"Tessant", "Программы для расчета дросселей", "Программа расчета выходного дросселя"},
    {"Kalvido", "Программы для расчета дросселей",
     "Программа расчета дросселя магнитного усилителя."},
    {"Mirvela", "Программы для расчета дросселей",
     "Программа расчета дросселя для корректора коэффициента мощности."},
    {"Sondrek", "Программы для расчета дросселей",
     "Программа расчета помехоподавляющего дросселя."},
    {"Varnika", "Программы для расчета дросселей",
     "Программа расчета дросселя синфазного фильтра."},
};

TEST_F(KonstelWindow, ShowsEightProgramButtonsWithTooltipsAndCaptionsInTheirGroups) {
  const auto window = openWindow();
  ASSERT_EQ(window->findChildren<CPictureButton*>().size(), 8);

  for (const ButtonCase& c : kButtons) {
    SCOPED_TRACE(c.name);
    const CPictureButton* b = button(*window, c.name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(c.tooltip));

    const auto* caption =
        window->findChild<QLabel*>(QStringLiteral("caption ") + QString::fromUtf8(c.name));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QString::fromUtf8(c.name));
    EXPECT_EQ(caption->geometry().top(), b->geometry().bottom() + 1) << "right under its button";
    EXPECT_EQ(caption->geometry().left(), b->geometry().left());

    const auto* group = window->findChild<QGroupBox*>(QString::fromUtf8(c.group));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->alignment(), Qt::AlignHCenter);
    EXPECT_TRUE(group->geometry().contains(b->geometry())) << "button inside its group";
    EXPECT_TRUE(group->geometry().contains(caption->geometry())) << "caption inside its group";
  }
}

TEST_F(KonstelWindow, ControlsAndBackgroundPicturesDoNotOverlap) {
  const auto window = openWindow();
  const QWidget* client = window->findChild<QWidget*>(QStringLiteral("client"));
  ASSERT_NE(client, nullptr);

  std::vector<std::pair<QString, QRect>> areas;
  for (const PlacedPicture& picture : {kLogo, kWebStrip, kFeedbackNote, kBanner}) {
    const QRect r(picture.position_px, picture.size_px);
    EXPECT_TRUE(client->rect().contains(r)) << picture.resource;
    areas.emplace_back(QString::fromUtf8(picture.resource), r);
  }
  for (const QGroupBox* group : client->findChildren<QGroupBox*>()) {
    areas.emplace_back(group->title(), group->geometry());
  }
  for (const QLabel* caption : client->findChildren<QLabel*>()) {
    EXPECT_TRUE(client->rect().contains(caption->geometry()));
  }
  for (std::size_t i = 0; i < areas.size(); ++i) {
    for (std::size_t j = i + 1; j < areas.size(); ++j) {
      EXPECT_FALSE(areas[i].second.intersects(areas[j].second))
          << areas[i].first.toStdString() << " and " << areas[j].first.toStdString();
    }
  }
  const auto buttons = client->findChildren<CPictureButton*>();
  for (const CPictureButton* b : buttons) {
    EXPECT_GE(b->width(), kButtonPicture_px.width());
    EXPECT_GE(b->height(), kButtonPicture_px.height());
    for (const CPictureButton* other : buttons) {
      if (other != b) {
        EXPECT_FALSE(b->geometry().intersects(other->geometry()));
      }
    }
  }
}

TEST_F(KonstelWindow, BackgroundIsBlueUnderWhiteCaptions) {
  const auto window = openWindow();
  QWidget* client = window->findChild<QWidget*>(QStringLiteral("client"));
  ASSERT_NE(client, nullptr);
  const QImage image = client->grab().toImage();
  const QColor blue(8, 70, 162);

  // Between the web strip and the chokes group, left of the transformers group: bare background.
  EXPECT_EQ(image.pixelColor(100, 120), blue);

  const auto whiteOnBlue = [&image, &blue](const QRect& area) {
    int white = 0;
    int background = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (std::min({c.red(), c.green(), c.blue()}) > 200) ++white;
        if (c == blue) ++background;
      }
    }
    return white > 10 && background > area.width() * area.height() / 2;
  };
  for (const QLabel* caption : client->findChildren<QLabel*>()) {
    EXPECT_TRUE(whiteOnBlue(caption->geometry())) << caption->text().toStdString();
  }
  for (const QGroupBox* group : client->findChildren<QGroupBox*>()) {
    const QRect title(group->x() + group->width() / 3, group->y(), group->width() / 3,
                      group->fontMetrics().height());
    EXPECT_TRUE(whiteOnBlue(title)) << group->title().toStdString();
  }
}

TEST_F(KonstelWindow, EnterLeavesTheWindowOpenAndStartsNothing) {
  const auto window = openWindow();
  QTest::keyClick(window.get(), Qt::Key_Return);
  CPictureButton* focused = button(*window, "Impulsor");
  focused->setFocus();
  QTest::keyClick(focused, Qt::Key_Return);
  QTest::keyClick(focused, Qt::Key_Enter, Qt::KeypadModifier);

  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(notices_.empty());
}

TEST_F(KonstelWindow, EscapeEndsTheWindow) {
  const auto window = openWindow();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(KonstelWindow, CloseBoxEndsTheWindow) {
  const auto window = openWindow();
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(KonstelWindow, WithoutProgramFoldersEveryButtonSaysTheProgramIsMissing) {
  const auto window = openWindow();
  for (const ButtonCase& c : kButtons) QTest::mouseClick(button(*window, c.name), Qt::LeftButton);
  EXPECT_EQ(notices_, std::vector<Notice>(8, kMissing));
}

TEST_F(KonstelWindow, ClickStartsTheProgramInItsOwnFolder) {
  const fs::path report = root_.path() / "report.txt";
  root_.writeFile("Impulsor-new/Impulsor", testing::probeScript(report), kExecutable);
  const auto window = openWindow();

  QTest::mouseClick(button(*window, "Impulsor"), Qt::LeftButton);

  EXPECT_TRUE(notices_.empty());
  std::istringstream lines(testing::waitForFileText(report));
  std::string workingFolder;
  std::getline(lines, workingFolder);
  EXPECT_EQ(workingFolder, (root_.path() / "Impulsor-new").string());

  QTest::mouseClick(button(*window, "Belmira"), Qt::LeftButton);
  EXPECT_EQ(notices_, std::vector<Notice>{kMissing}) << "the other programs are not in the set";
}

TEST_F(KonstelWindow, ProgramRemovedAfterStartUpIsReportedByName) {
  const fs::path program = root_.writeFile("Impulsor/Impulsor", "#!/bin/sh\n", kExecutable);
  const auto window = openWindow();
  fs::remove(program);

  QTest::mouseClick(button(*window, "Impulsor"), Qt::LeftButton);

  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].caption, QStringLiteral("Внимание!"));
  EXPECT_TRUE(notices_[0].text.contains(QStringLiteral("Impulsor/Impulsor")))
      << notices_[0].text.toStdString();
  EXPECT_TRUE(notices_[0].text.contains(QStringLiteral("не найден")));
}

TEST_F(KonstelWindow, FileThatIsNoProgramIsReportedByName) {
  root_.writeFile("Kalvido/Kalvido.exe", "MZ not for this system", kExecutable);
  const auto window = openWindow();

  QTest::mouseClick(button(*window, "Kalvido"), Qt::LeftButton);

  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].text,
            QStringLiteral("Не удалось запустить программу Kalvido:\n"
                           "файл «Kalvido/Kalvido.exe» не является программой для этой системы."));
}

TEST_F(KonstelWindow, AboutBoxOpensFromTheMenu) {
  const auto window = openWindow();
  const auto* menuBar = window->findChild<QMenuBar*>();
  ASSERT_NE(menuBar, nullptr);
  ASSERT_EQ(menuBar->actions().size(), 1);
  EXPECT_EQ(menuBar->actions().front()->text(), QStringLiteral("О программе..."));

  QString title;
  QStringList texts;
  const auto seen = testing::answerNextModal([&](QWidget* modal) {
    title = modal->windowTitle();
    for (const QLabel* label : modal->findChildren<QLabel*>()) texts << label->text();
  });
  menuBar->actions().front()->trigger();

  EXPECT_TRUE(*seen);
  EXPECT_EQ(title, QStringLiteral("О програме"));
  EXPECT_TRUE(texts.contains(CKonstelDlg::title()));
  EXPECT_TRUE(texts.contains(QStringLiteral("Версия 1.0.0.0")));
  EXPECT_TRUE(texts.contains(QStringLiteral("10.03.2020")));
}

TEST(KonstelMessageBox, ShowsCaptionTextAndAnOkButton) {
  testing::ensureApplication();
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
  const auto seen = testing::answerNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    buttons = box->standardButtons();
  });

  CMessageBoxNotifier().warn(nullptr, QStringLiteral("Внимание!"),
                             QStringLiteral("Этой программы нет в комплекте."));

  EXPECT_TRUE(*seen);
  EXPECT_EQ(caption, QStringLiteral("Внимание!"));
  EXPECT_EQ(text, QStringLiteral("Этой программы нет в комплекте."));
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

}  // namespace
}  // namespace konstel
