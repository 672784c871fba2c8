// Saving and loading designs through the program's own pickers, as the engineer does it:
// the proposed name, typed names, the replace question, double-clicks, the open list.
#include "file_pickers.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "design_results.h"
#include "gui_test_support.h"
#include "impulsor_dlg.h"

namespace impulsor::ui::test {
namespace {

constexpr int kSave = 3, kLoad = 4, kTurns = 1092;

class DesignFiles : public MainWindowTest {
 protected:
  // Clicks "Сохранить", then lets `inPicker` work the save picker.
  void save(const std::function<void(CSaveFileDlg&)>& inPicker) {
    ModalWatch watch([&](QWidget& modal) {
      auto* picker = qobject_cast<CSaveFileDlg*>(&modal);
      ASSERT_NE(picker, nullptr);
      inPicker(*picker);
    });
    click(kSave);
    EXPECT_TRUE(watch.answered());
  }
  void saveAs(const QString& typed) {
    save([&](CSaveFileDlg& picker) {
      picker.nameEdit()->selectAll();
      QTest::keyClicks(picker.nameEdit(), typed);
      QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    });
  }
  void open(const std::function<void(COpenFileDlg&)>& inPicker) {
    ModalWatch watch([&](QWidget& modal) {
      auto* picker = qobject_cast<COpenFileDlg*>(&modal);
      ASSERT_NE(picker, nullptr);
      inPicker(*picker);
    });
    click(kLoad);
    EXPECT_TRUE(watch.answered());
  }
  static void select(QListWidget* list, const QString& name) {
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
  }
  static QStringList entries(QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
  }
};

TEST_F(DesignFiles, SaveProposesANameFromTheDesignAndWritesTheTypedOne) {
  MainWindowTest::open();
  QString proposed;
  save([&](CSaveFileDlg& picker) {
    EXPECT_EQ(picker.windowTitle(), "Сохранить как ...");
    proposed = picker.nameEdit()->text();
    picker.nameEdit()->clear();
    QTest::keyClicks(picker.nameEdit(), "design");
    QTest::keyClick(picker.nameEdit(), Qt::Key_Return);
    EXPECT_FALSE(picker.isVisible());
  });
  // Core, frequency, Umin, (Umirror), then U21 x I21 of the output.
  EXPECT_EQ(proposed, "KVZN1845-TH100kHz, 200V, (120V), 12Vx2A.sav");
  EXPECT_TRUE(folder.exists("design.sav"));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(focusedId(), 7);
}

TEST_F(DesignFiles, CancelledSaveWritesNothing) {
  MainWindowTest::open();
  save([](CSaveFileDlg& picker) { QTest::mouseClick(picker.cancelButton(), Qt::LeftButton); });
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    EXPECT_NE(entry.path().extension(), ".sav") << entry.path();
}

// A file that exists is replaced only after the question, whether its name is typed with or
// without ".sav"; a name in another letter case names another file here.
struct ReplaceCase {
  const char* typed;
  bool asked;
};
void PrintTo(const ReplaceCase& c, std::ostream* out) {
  *out << c.typed << (c.asked ? " asks" : " does not ask");
}
class ReplaceQuestion : public DesignFiles, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceQuestion, IsAskedForAnExistingFile) {
  MainWindowTest::open();
  saveAs("design");
  ASSERT_TRUE(folder.exists("design.sav"));
  boxes.shown.clear();

  step(1098, +1);  // 248 turns, so that a replaced file can be told from the old one
  boxes.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
  save([&](CSaveFileDlg& picker) {
    picker.nameEdit()->selectAll();
    QTest::keyClicks(picker.nameEdit(), GetParam().typed);
    QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    if (!GetParam().asked) return;
    // Cancel keeps the picker open with the typed name; OK then replaces the file.
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.nameEdit()->text(), GetParam().typed);
    QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    EXPECT_FALSE(picker.isVisible());
  });
  if (GetParam().asked) {
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Заменить файл design.sav ?");
    EXPECT_EQ(boxes.shown[0].caption, "Внимание!");
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_NE(impulsor::test::readAll(folder.path() / "design.sav").find("248"), std::string::npos);
  } else {
    EXPECT_TRUE(boxes.shown.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Names, ReplaceQuestion,
                         ::testing::Values(ReplaceCase{"design.sav", true},
                                           ReplaceCase{"design", true},
                                           ReplaceCase{"Design.sav", false},
                                           ReplaceCase{"design2", false}));

TEST_F(DesignFiles, DoubleClickSavesOverAListedFileWithoutAsking) {
  MainWindowTest::open();
  saveAs("design");
  step(1098, +1);
  save([&](CSaveFileDlg& picker) {
    QListWidget* list = picker.fileList();
    const auto item = list->findItems("design.sav", Qt::MatchExactly).front();
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(picker.nameEdit()->text(), "design.sav");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(picker.isVisible());
  });
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_NE(impulsor::test::readAll(folder.path() / "design.sav").find("248"), std::string::npos);
}

TEST_F(DesignFiles, LoadShowsTheSavedDesign) {
  MainWindowTest::open();
  step(1098, +1);
  const QString turns = shown(impulsor::ctl::kPrimaryTurns);
  const QString reflected = shown(impulsor::ctl::kReflectedVoltage);
  saveAs("design");
  step(1098, +1);
  step(1098, +1);
  ASSERT_EQ(shown(kTurns), "250");

  open([&](COpenFileDlg& picker) {
    EXPECT_EQ(picker.windowTitle(), "Открыть файл ...");
    EXPECT_EQ(entries(picker.fileList()), QStringList{"design.sav"});
    select(picker.fileList(), "design.sav");
    EXPECT_EQ(picker.nameStatic()->text(), "design.sav");
    QTest::mouseClick(picker.okButton(), Qt::LeftButton);
  });
  EXPECT_EQ(shown(kTurns), "248");
  EXPECT_EQ(shown(impulsor::ctl::kPrimaryTurns), turns);
  EXPECT_EQ(shown(impulsor::ctl::kReflectedVoltage), reflected);
  EXPECT_TRUE(boxes.shown.empty()) << boxes.lastText();
  EXPECT_EQ(focusedId(), 7);
}

TEST_F(DesignFiles, OpenPickerListsOnlyDesignFilesAlphabetically) {
  MainWindowTest::open();
  folder.write("b.sav", "");
  folder.write("A.SAV", "");
  folder.write("notes.dat", "");
  std::filesystem::create_directory(folder.path() / "folder.sav");
  open([&](COpenFileDlg& picker) {
    EXPECT_EQ(entries(picker.fileList()), (QStringList{"A.SAV", "b.sav"}));
    QTest::mouseClick(picker.cancelButton(), Qt::LeftButton);
  });
  EXPECT_EQ(shown(kTurns), "247");
}

TEST_F(DesignFiles, OpenWithNothingSelectedStaysOpen) {
  MainWindowTest::open();
  open([&](COpenFileDlg& picker) {
    EXPECT_EQ(picker.fileList()->count(), 0);
    QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    EXPECT_TRUE(picker.isVisible());
    QTest::keyClick(&picker, Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
  });
  EXPECT_EQ(shown(kTurns), "247");
  EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace impulsor::ui::test
