#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Checks an ASCII-armoured OpenPGP public key block as an agency hands it out: the BEGIN line,
// optional "Name: value" header lines, a blank line, the base64 body, the "=" CRC-24 line and the
// END line. Text before the BEGIN line and after the END line is ignored; lines may end in CR LF
// and carry trailing blanks.
enum class ArmorStatus {
    Sound,
    MissingBeginLine,
    BadHeaderLine,  // a header line that is not "Name: value", or no blank line after them
    BadBase64,      // a character outside the alphabet, misplaced padding or a short group
    EmptyBody,
    MissingChecksum,
    BadChecksum,    // the checksum line is malformed or does not match the body
    MissingEndLine,
};

struct PublicKeyArmor {
    ArmorStatus status = ArmorStatus::MissingBeginLine;
    std::string packets; // the decoded body, when sound
};

PublicKeyArmor ParsePublicKeyArmor(std::string_view text);

// OpenPGP CRC-24: initial value 0xB704CE, polynomial 0x1864CFB.
uint32_t OpenPgpCrc24(std::string_view bytes);
