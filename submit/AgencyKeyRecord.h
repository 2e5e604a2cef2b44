#pragma once

#include <string>

// The agency key the last opening imported, kept beside the key rings with the state the public
// ring was left in. While both stand, opening a proposal with the same key has nothing to import
// and starts no GnuPG process; a ring changed in any way (a key deleted, another imported) sends
// the next opening through the import again.
class CAgencyKeyRecord {
public:
    static constexpr const char* kFileName = "AgencyKeyImported";

    explicit CAgencyKeyRecord(const std::string& keyFolder);

    // packets: the plate's decoded key.
    bool Holds(const std::string& packets) const;
    // After the key rings have taken the key; a record that cannot be written is only a slower
    // next opening.
    void Remember(const std::string& packets) const;

private:
    std::string Expected(const std::string& packets) const;

    std::string m_keyFolder;
    std::string m_file;
};
