#pragma once

#include <chrono>
#include <string>
#include <vector>

// Runs GnuPG's gpgconf on one GnuPG home ("--homedir home" and then the arguments), without
// input and with its output discarded. Returns its exit status, or -1 when it could not be
// started or did not end within the limit (it is then killed).
int RunGpgConf(const std::string& home, const std::vector<std::string>& arguments,
               std::chrono::milliseconds limit);
