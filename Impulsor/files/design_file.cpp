#include "design_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <utility>

#include "lookup_value.h"
#include "text_file.h"

namespace impulsor {

namespace {

constexpr std::string_view kSection = "INI_DATA";

std::string quoted(const std::filesystem::path& path) {
  return "\"" + path.filename().string() + "\"";
}

// Creates the file with these bytes; the system's reason on failure (the caller removes a partial
// file).
std::optional<std::string> writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return std::generic_category().message(errno);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int writeError = errno;
  // The data reach the disk only at the close, so its failure is a failed write too.
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return std::nullopt;
  return std::generic_category().message(written ? errno : writeError);
}

}  // namespace

std::string designFileBytes(const DesignInputs& inputs) {
  std::string bytes = "[INI_DATA]\r\n";
  for (const InputKey& key : kInputKeys) {
    bytes += key.name;
    bytes += "\t= ";
    bytes += key.text ? utf8ToCp1251(inputs.*key.text) : std::to_string(inputs.*key.number);
    bytes += "\r\n";
  }
  return bytes;
}

std::optional<std::string> writeDesignFile(const std::filesystem::path& path,
                                           const DesignInputs& inputs) {
  // The previous file stays until the new one is complete: written beside it, then renamed.
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  auto reason = writeBytes(temporary, designFileBytes(inputs));
  if (!reason) {
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) reason = error.message();
  }
  if (!reason) return std::nullopt;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return "Не удалось сохранить файл " + quoted(path) + ":\n" + *reason;
}

DesignFileRead parseDesignFile(std::string_view bytes, const std::string& fileName) {
  const std::string_view text = bytes.substr(0, bytes.find('\0'));
  // Without its section this is no design file; reading it would empty every input.
  if (text.find(kSection) == std::string_view::npos) {
    return {DesignFileStatus::Damaged, DesignInputs{},
            "Файл \"" + fileName + "\" не является файлом расчета:\nв нем нет раздела [" +
                std::string(kSection) + "].\nДанные не загружены."};
  }
  DesignFileRead read;
  for (const InputKey& key : kInputKeys) {
    const LookupResult found = lookupValue(text, kSection, key.name);
    if (!found.ok()) {
      const std::string problem =
          found.status == LookupStatus::NoEquals
              ? "после ключа " + std::string(key.name) + " нет знака \"=\""
              : "значение ключа " + std::string(key.name) + " не завершено переводом строки";
      return {DesignFileStatus::Damaged, DesignInputs{},
              "Файл \"" + fileName + "\" поврежден:\n" + problem + ".\nДанные не загружены."};
    }
    // A key missing from the file empties its field: nothing of the defaults survives.
    if (key.text) {
      read.inputs.*key.text = cp1251ToUtf8(found.value);
    } else {
      read.inputs.*key.number = leadingInteger(found.value);
    }
  }
  return read;
}

DesignFileRead readDesignFile(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  const FileBytes file = readFileBytes(path, kDesignFileLimit);
  switch (file.status) {
    case ReadStatus::CannotOpen:
      return {DesignFileStatus::CannotOpen, DesignInputs{},
              "Не удалось открыть файл \"" + name + "\"."};
    case ReadStatus::TooLarge:
      return {DesignFileStatus::TooLarge, DesignInputs{},
              "Файл \"" + name + "\" слишком велик (10000 байт и более).\nДанные не загружены."};
    case ReadStatus::Ok:
      break;
  }
  return parseDesignFile(file.bytes, name);
}

std::string defaultDesignFileName(const DesignInputs& inputs) {
  std::string name =
      inputs.core + inputs.F + "kHz, " + inputs.Umin + "V, (" + inputs.Umirror + "V)";
  const std::array<std::pair<const std::string*, const std::string*>, 3> outputs = {{
      {&inputs.U21, &inputs.I21},
      {&inputs.U22, &inputs.I22},
      {&inputs.U23, &inputs.I23},
  }};
  for (const auto& [voltage, current] : outputs) {
    if (!voltage->empty()) name += ", " + *voltage + "Vx" + *current + "A";
  }
  // A point would start the file's extension.
  std::replace(name.begin(), name.end(), '.', ',');
  return name + ".sav";
}

std::string withSavExtension(std::string name) {
  if (name.find(".sav") == std::string::npos) name += ".sav";
  return name;
}

}  // namespace impulsor
