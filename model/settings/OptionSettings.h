#pragma once

#include "model/settings/BidderIds.h"

#include <string>

class CProfileStore;

// The full path of the running program.
std::string GetProgramPath();

// Stores the program's folder as "Directories"/"InstallDir" when none is stored.
void LoadDirectories(CProfileStore& store);

// Loads every option group: the bidder, the flat-file formats, the units, the proxy, and for the
// program's own settings the server URLs and the install folder; registers the file types.
// Without a file the program's own settings are read and missing groups written with their
// defaults, all in one update. With a file (configuration import) that file is only read, and
// what was loaded, with its bidder IDs, is saved into the destination. 1 when done; 0 when the
// file cannot be read or the destination not written.
int LoadOptionSettings(const std::string& iniFile = {}, CProfileStore* destination = nullptr);

// The bidder, both flat-file sides, the units (replacing every stored row), the bidder IDs and
// the proxy into the store, in one update. 1 when written, 0 when the store could not be.
int SaveOptionSettings(CProfileStore& store, const CBidderIdList& pairs);

// Configuration export: the option groups and the running store's bidder IDs, gathered in memory
// and written whole over the file through the atomic file (what was in it goes; a failure leaves
// it as it was). False, with `error` saying why, when it cannot be written.
bool ExportConfiguration(CProfileStore& running, const std::string& path, std::string* error = nullptr);
