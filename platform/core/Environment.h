#pragma once

#include <optional>
#include <string>

namespace platform {

// nullopt when the variable is not set; an empty value is returned as "".
std::optional<std::string> GetEnvironment(const char* name);

// The folder for temporary files: "TEMP", then "TMP", then $TMPDIR, then /tmp (first non-empty).
std::string TempDirectory();

std::string ExecutablePath();      // the running program
std::string ExecutableDirectory(); // its folder

// Per-user data folder ($XDG_DATA_HOME, default ~/.local/share, + "/Tarvello") and the shared one
// (ZOD_COMMON_DATA when set, else the folder "share" beside the program's folder).
std::string UserDataDirectory();
// The per-user settings file that stands in for the registry: $XDG_CONFIG_HOME (default
// ~/.config) + "/Tarvello/Zod.conf".
std::string UserSettingsFile();
std::string CommonDataDirectory();

} // namespace platform
