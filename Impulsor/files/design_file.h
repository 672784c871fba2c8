// Design files ("*.sav") and the settings file "Impulsor.ini": section "[INI_DATA]" and the
// 38 key lines "key\t= value" with CR LF, in Windows-1251.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "design_inputs.h"

namespace impulsor {

inline constexpr std::size_t kDesignFileLimit = 10000;  // bytes; a readable file is shorter
inline constexpr const char* kSettingsFileName = "Impulsor.ini";

// The file's bytes for these inputs.
std::string designFileBytes(const DesignInputs& inputs);

// Writes the file so that a failed write leaves the previous file intact (temporary file
// beside it, then rename). Returns the message for the user on failure.
std::optional<std::string> writeDesignFile(const std::filesystem::path& path,
                                           const DesignInputs& inputs);

enum class DesignFileStatus { Ok, CannotOpen, TooLarge, Damaged };

struct DesignFileRead {
  DesignFileStatus status = DesignFileStatus::Ok;
  DesignInputs inputs;  // valid only with Ok
  std::string message;  // for the user when status is not Ok (names the file)
};

// Parses the bytes of a design file into a fresh record (every key missing from the file
// gives an empty text or 0). Damaged when a value has no CR after it or a key has no '='.
DesignFileRead parseDesignFile(std::string_view bytes, const std::string& fileName);
DesignFileRead readDesignFile(const std::filesystem::path& path);

// The name the Save button proposes: core + F + "kHz, " + Umin + "V, (" + Umirror + "V)"
// + ", U2kVxI2kA" for each output with a voltage text, points turned into commas, ".sav".
std::string defaultDesignFileName(const DesignInputs& inputs);

// The save flow appends ".sav" when the name does not contain it anywhere.
std::string withSavExtension(std::string name);

}  // namespace impulsor
