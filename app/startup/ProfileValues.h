#pragma once

// The framework's profile calls, over the application's profile store: values are texts, numbers
// in decimal; a missing value gives the default.
#include "platform/core/ProfileStore.h"

#include <string>

int GetProfileInt(platform::ProfileStore& store, const std::string& section,
                  const std::string& entry, int defaultValue);
std::string GetProfileString(platform::ProfileStore& store, const std::string& section,
                             const std::string& entry, const std::string& defaultValue);
bool WriteProfileInt(platform::ProfileStore& store, const std::string& section,
                     const std::string& entry, int value);
