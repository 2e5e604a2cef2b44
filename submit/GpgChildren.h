#pragma once

#include <string>

// Ends the gpg processes that GPGME started for this process on the GnuPG home. GPGME does not
// say which process it started, and its children belong to init once started; they are known
// by the pipes they share with this process. Returns how many were told to end.
int StopOwnGpgProcesses(const std::string& home);
