#pragma once

#include <ctime>
#include <optional>
#include <string>

// The agency key the last opening imported, kept beside the key rings with the state the public
// ring was left in and the time the key stops encrypting. While all three stand, opening a
// proposal with the same key has nothing to import and starts no GnuPG process; a ring changed
// in any way (a key deleted, another imported), or a key expired since, sends the next opening
// through the full check again.
class CAgencyKeyRecord {
public:
    static constexpr const char* kFileName = "AgencyKeyImported";

    explicit CAgencyKeyRecord(const std::string& keyFolder);

    // packets: the plate's decoded key.
    bool Holds(const std::string& packets) const;
    // After the key rings have taken the key; usableUntil: when it stops encrypting (seconds
    // since the epoch), 0 for never. A record that cannot be written is only a slower next
    // opening.
    void Remember(const std::string& packets, std::time_t usableUntil) const;

private:
    // Null while no file of the public ring exists: such a record would hold whatever happens.
    std::optional<std::string> RingStamps() const;

    std::string m_keyFolder;
    std::string m_file;
};
