#include "launch_messages.h"

namespace konstel {
namespace {

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString reason(const ProgramLocation& location, const LaunchResult& result) {
  const QString folder = fromUtf8(location.folder);
  const QString file = fromUtf8(location.folder + "/" + location.executable);
  switch (result.status) {
    case LaunchStatus::Started:
      break;
    case LaunchStatus::FolderUnavailable:
      return QStringLiteral(
                 "папка программы «%1» недоступна: возможно, она удалена или "
                 "переименована.")
          .arg(folder);
    case LaunchStatus::ExecutableMissing:
      return QStringLiteral("файл «%1» не найден: возможно, он удален или переименован.").arg(file);
    case LaunchStatus::NotPermitted:
      return QStringLiteral("нет права на запуск файла «%1».").arg(file);
    case LaunchStatus::NotAProgram:
      return QStringLiteral("файл «%1» не является программой для этой системы.").arg(file);
    case LaunchStatus::SystemError:
      return QStringLiteral("система не смогла создать процесс (код ошибки %1).")
          .arg(result.errorNumber);
  }
  return {};
}

}  // namespace

QString warningCaption() { return QStringLiteral("Внимание!"); }

QString missingProgramText() { return QStringLiteral("Этой программы нет в комплекте."); }

QString launchFailureText(std::string_view programName, const ProgramLocation& location,
                          const LaunchResult& result) {
  return QStringLiteral("Не удалось запустить программу %1:\n%2")
      .arg(fromUtf8(programName), reason(location, result));
}

}  // namespace konstel
