// The text of a settings file: INI sections and keys, values escaped the way Qt's INI files are.
#pragma once

#include <string>

#include "platform/services.h"

namespace platform {

// Reads whatever the text holds; lines that are not a section header or a key are skipped, a
// section or key that comes twice keeps its last value, and a value that is not text (a
// picture, a rectangle...) counts as missing. The header [%General] that older builds wrote
// for the section "general" reads as that section.
SettingsEntry parse_settings_ini(const std::string& text);
// The file text of an entry: one header per section, one line per key.
std::string settings_ini_text(const SettingsEntry& entry);

}  // namespace platform
