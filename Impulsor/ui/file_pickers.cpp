#include "file_pickers.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "design_file.h"
#include "messages.h"

namespace impulsor::ui {

namespace {

constexpr int kOk = 1, kCancel = 2, kList = 1035, kNameStatic = 1040, kNameEdit = 1004;

}  // namespace

CFilePickerDlg::CFilePickerDlg(const std::filesystem::path& folder, std::string_view title,
                               std::string_view nameLabel, std::string_view okText, QWidget* parent)
    : QDialog(parent), dialog_(this, DialogUnits(dialogFont())), folder_(folder) {
  setFont(dialogFont());
  setWindowTitle(qs(title));
  setFixedSize(dialog_.units().size(400, 210));
  list_ = new QListWidget(this);
  dialog_.place(list_, kList, 7, 7, 385, 145);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  dialog_.text(nameLabel, 20, 160);
  ok_ = dialog_.button(kOk, okText, 100, 187, 50, 16);
  cancel_ = dialog_.button(kCancel, "Отмена", 250, 187, 50, 16);
  ok_->setDefault(true);
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    const auto selected = list_->selectedItems();
    if (selected.isEmpty()) return;
    fileName_ = selected.front()->text();
    showName();
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { acceptSelected(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void CFilePickerDlg::setFileName(const std::string& name) {
  fileName_ = QString::fromStdString(name);
  showName();
}

int CFilePickerDlg::exec() {
  fillList();
  showName();
  return QDialog::exec();
}

void CFilePickerDlg::fillList() {
  // Ordinary files of the working folder whose names end in ".sav", any letter case, as
  // the folder lists them alphabetically ignoring case.
  const QDir folder(QString::fromStdString(folder_.string()));
  list_->clear();
  list_->addItems(
      folder.entryList({QStringLiteral("*.sav")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void CFilePickerDlg::acceptSelected() {
  const auto selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  fileName_ = selected.front()->text();
  showName();
  // What is returned is what the picker shows at this moment.
  takeName();
  accept();
}

COpenFileDlg::COpenFileDlg(const std::filesystem::path& folder, QWidget* parent)
    : CFilePickerDlg(folder, "Открыть файл ...", "Открыть файл:", "Открыть", parent) {
  name_ = new QLabel(QStringLiteral("Статический"));
  dialog_.place(name_, kNameStatic, 7, 170, 385, 10);
  connect(okButton(), &QPushButton::clicked, this, [this] { acceptSelected(); });
}

void COpenFileDlg::showName() { name_->setText(fileName_); }
void COpenFileDlg::takeName() { fileName_ = name_->text(); }

CSaveFileDlg::CSaveFileDlg(const std::filesystem::path& folder, MessageBoxes& boxes,
                           QWidget* parent)
    : CFilePickerDlg(folder, "Сохранить как ...", "Имя файла для сохранения:", "Сохранить", parent),
      boxes_(boxes) {
  name_ = new QLineEdit;
  dialog_.place(name_, kNameEdit, 7, 170, 386, 12);
  connect(okButton(), &QPushButton::clicked, this, [this] { confirmTypedName(); });
}

QString CSaveFileDlg::replaceQuestion(const QString& name) {
  return QStringLiteral("Заменить файл ") + name + QStringLiteral(" ?");
}

void CSaveFileDlg::showName() { name_->setText(fileName_); }
void CSaveFileDlg::takeName() { fileName_ = name_->text(); }

void CSaveFileDlg::confirmTypedName() {
  takeName();
  // The save appends ".sav" to a name without it, so that file is the one replaced.
  const QString saved = QString::fromStdString(withSavExtension(fileName_.toStdString()));
  for (int row = 0; row < fileList()->count(); ++row) {
    const QString entry = fileList()->item(row)->text();
    if (entry != fileName_ && entry != saved) continue;
    const MessageAnswer answer =
        boxes_.show(replaceQuestion(entry).toStdString(), msg::kWarning, MessageButtons::OkCancel);
    if (answer == MessageAnswer::Ok) accept();
    return;
  }
  accept();
}

}  // namespace impulsor::ui
