#pragma once

#include <string>
#include <string_view>

namespace platform {

// The configuration file named on the command line ("ini="), stored once at start-up before
// any settings store is made; empty when the switch was absent.
void SetCommandLineConfigFile(std::string path);
const std::string& CommandLineConfigFile();

// The file a settings store made without a file name tries: the command line's file (a Windows
// drive is dropped and '\' read as '/'; a relative name lies in the program's folder), else the
// program's path with the extension ".m_ini". The store keeps its settings there only when it
// exists.
std::string DefaultConfigurationFile(std::string_view commandLineFile, std::string_view programPath);

} // namespace platform
