// The program's own pickers of design files: small windows that list the ".sav" files of the
// working folder and give back a bare file name. The save picker also takes a typed name and
// asks before an existing file is replaced.
#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>
#include <string>

#include "dialog_template.h"
#include "message_boxes.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace impulsor::ui {

class CFilePickerDlg : public QDialog {
  Q_OBJECT

 public:
  // The name given before the picker opens is shown at once; after OK it is the chosen name.
  void setFileName(const std::string& name);
  std::string fileName() const { return fileName_.toStdString(); }

  QListWidget* fileList() const { return list_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  int exec() override;

 protected:
  CFilePickerDlg(const std::filesystem::path& folder, std::string_view title,
                 std::string_view nameLabel, std::string_view okText, QWidget* parent);

  // The file name member and the control that shows it.
  virtual void showName() = 0;
  virtual void takeName() = 0;
  // Double-click, and "Открыть": the selected entry, when there is one.
  void acceptSelected();

  DialogTemplate dialog_;
  QString fileName_;

 private:
  void fillList();

  std::filesystem::path folder_;
  QListWidget* list_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

class COpenFileDlg final : public CFilePickerDlg {
  Q_OBJECT

 public:
  COpenFileDlg(const std::filesystem::path& folder, QWidget* parent = nullptr);
  QLabel* nameStatic() const { return name_; }

 private:
  void showName() override;
  void takeName() override;

  QLabel* name_;
};

class CSaveFileDlg final : public CFilePickerDlg {
  Q_OBJECT

 public:
  CSaveFileDlg(const std::filesystem::path& folder, MessageBoxes& boxes, QWidget* parent = nullptr);
  QLineEdit* nameEdit() const { return name_; }

  static QString replaceQuestion(const QString& name);

 private:
  void showName() override;
  void takeName() override;
  // "Сохранить": the typed name; a listed file, typed with or without its ".sav", is replaced
  // only when the engineer agrees.
  void confirmTypedName();

  MessageBoxes& boxes_;
  QLineEdit* name_;
};

}  // namespace impulsor::ui
