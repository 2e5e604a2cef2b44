#pragma once

#include <string>
#include <string_view>

// The program's file types on the desktop: ".tvb" and ".tvl" are "application/x-tarvello",
// opened with this program.
inline constexpr std::string_view kProposalMimeType = "application/x-tarvello";
inline constexpr std::string_view kMimePackageFile = "mime/packages/tarvello-zod.xml";
inline constexpr std::string_view kDesktopEntryFile = "applications/tarvello-zod.desktop";

// The shared-mime-info package of the two extensions.
std::string MimePackageText();
// The desktop entry that opens those files with the program; empty for a program path that a
// desktop entry cannot name (control characters).
std::string DesktopEntryText(std::string_view programPath);

// Writes the package and the desktop entry under $XDG_DATA_HOME (default ~/.local/share) where
// they are missing or differ, then lets the desktop's tools (when installed) update their
// databases. Registering again changes nothing. True when a file was written; failures are
// ignored, as the program works without the registration.
bool RegisterFileTypes();
