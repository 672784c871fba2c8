// The help window over "ReadMe.txt" and the About box, opened from the menu bar.
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "about_dlg.h"
#include "gui_test_support.h"
#include "help_dlg.h"
#include "impulsor_dlg.h"
#include "messages.h"

namespace impulsor::ui::test {
namespace {

class HelpAndAbout : public MainWindowTest {
 protected:
  void choose(QAction* command) {
    QMenuBar* bar = window().menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(command).center());
  }
};

TEST_F(HelpAndAbout, HelpShowsTheReadMeTextUpToItsFirstZeroByte) {
  // "Помощь" and "строка" in Windows-1251, CR LF line ends, then a zero byte and more.
  std::string bytes = "\xcf\xee\xec\xee\xf9\xfc\r\n";
  for (int line = 0; line < 200; ++line)
    bytes += "\xf1\xf2\xf0\xee\xea\xe0 " + std::to_string(line) + "\r\n";
  bytes += std::string(1, '\0') + "hidden";
  folder.write("ReadMe.txt", bytes);
  open();
  QString text;
  bool readOnly = false;
  int scrollRange = 0;
  ModalWatch watch([&](QWidget& modal) {
    auto* help = qobject_cast<CHelpDlg*>(&modal);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Помощь");
    text = help->textEdit()->toPlainText();
    readOnly = help->textEdit()->isReadOnly();
    scrollRange = help->textEdit()->verticalScrollBar()->maximum();
    QTest::mouseClick(help->okButton(), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
  });
  choose(window().helpAction());
  ASSERT_TRUE(watch.answered());
  EXPECT_TRUE(text.startsWith("Помощь\nстрока 0\nстрока 1\n")) << text.left(40).toStdString();
  EXPECT_TRUE(text.endsWith("строка 199\n") || text.endsWith("строка 199"));
  EXPECT_FALSE(text.contains("hidden"));
  EXPECT_TRUE(readOnly);
  EXPECT_GT(scrollRange, 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(HelpAndAbout, HelpShowsTheShippedText) {
  open();
  QString text;
  ModalWatch watch(
      [&](QWidget& modal) { text = qobject_cast<CHelpDlg*>(&modal)->textEdit()->toPlainText(); });
  choose(window().helpAction());
  ASSERT_TRUE(watch.answered());
  EXPECT_TRUE(text.startsWith("Impulsor - расчет трансформатора")) << text.left(60).toStdString();
}

TEST_F(HelpAndAbout, WithoutReadMeTheEngineerIsToldAndNoWindowOpens) {
  folder.remove("ReadMe.txt");
  open();
  ModalWatch watch([](QWidget&) {});
  choose(window().helpAction());
  QTest::qWait(50);
  EXPECT_FALSE(watch.answered());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, "Ошибка!");
  EXPECT_EQ(boxes.shown[0].text,
            "В папке с программой отсутствует файл \"ReadMe.txt\".\nПомощь не загружена");
  EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
}

TEST_F(HelpAndAbout, AboutShowsNameVersionDateAndAuthors) {
  open();
  QStringList texts;
  ModalWatch watch([&](QWidget& modal) {
    auto* about = qobject_cast<CAboutDlg*>(&modal);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "О программе");
    for (QLabel* label : about->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) {
        EXPECT_FALSE(label->pixmap().isNull());  // the program icon
      } else {
        texts << label->text();
      }
    }
    EXPECT_EQ(about->okButton()->text(), "OK");
    QTest::keyClick(about, Qt::Key_Return);
    EXPECT_FALSE(about->isVisible());
  });
  choose(window().aboutAction());
  ASSERT_TRUE(watch.answered());
  EXPECT_TRUE(
      texts.contains("Impulsor - Расчет трансформатора обратноходового преобразователя "
                     "на магнитопроводах серий KVZ"));
  EXPECT_TRUE(texts.contains("Версия 1.0.0.0"));
  EXPECT_TRUE(texts.contains("20.03.2020"));
  EXPECT_TRUE(texts.contains("Разработка: команда Impulsor"));
}

}  // namespace
}  // namespace impulsor::ui::test
