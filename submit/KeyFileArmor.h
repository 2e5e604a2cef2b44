#pragma once

#include <string>
#include <string_view>

// Digital ID files as the Digital IDs dialog reads and writes them.

// The OpenPGP packets of a key file: the decoded bodies of its armoured key blocks (public or
// private), or the file's bytes as they stand when it holds no armour. Every block must be sound,
// so that a damaged file is refused before any of its keys reaches the key rings. 0 or a toolkit
// code (GnuPG's "Invalid armor", or "Checksum error" for a body that does not match its checksum).
int KeyPacketsOfFile(std::string_view file, std::string& packets);

// An exported armoured key with the program's comment lines after its first line:
// "Exported by Tarvello Zod" and "<identity> - Fingerprint: <fingerprint in groups of four>".
std::string WithExportComments(std::string_view armor, std::string_view identity,
                               std::string_view fingerprint);
