#pragma once

// A GnuPG world of the test's own, in a fresh temporary folder: the user's data folder (where
// the program keeps its key rings), the shared folder, HOME and GNUPGHOME, so nothing reaches
// the real user's keys. Keys are made and inspected with GnuPG's command line, as a bidder would
// have made them elsewhere, never through the code under test. Every agent started in the
// world's homes is stopped when the test ends. The folder's path is short: GnuPG's sockets live
// in the home, and a socket path has a length limit.
#include "tests/platform/armor/ArmorBuilder.h"
#include "tests/support/TestEnvironment.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace testsupport {

// A word for the shell, quoted.
inline std::string Quoted(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs a command line; its standard output.
inline std::string Output(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, got);
        pclose(pipe);
    }
    return output;
}

class KeyTestWorld {
public:
    KeyTestWorld() { std::filesystem::create_directories(m_folder / "home"); }
    ~KeyTestWorld()
    {
        for (const std::string& home : m_homes)
            Output("gpgconf --homedir " + Quoted(home) + " --kill all 2>/dev/null");
    }
    KeyTestWorld(const KeyTestWorld&) = delete;
    KeyTestWorld& operator=(const KeyTestWorld&) = delete;

    std::string Folder(const std::string& name) const { return m_folder / name; }
    // The key rings the program opens.
    std::string ProgramHome() { return Used(m_folder / "data/Tarvello/KeyData"); }
    // Where the tests make keys to hand to the program.
    std::string MakerHome() { return Home("maker"); }
    // A home of the given name in the world's folder, created for the owner only.
    std::string Home(const std::string& name)
    {
        const std::string home = m_folder / name;
        std::filesystem::create_directories(home);
        chmod(home.c_str(), 0700);
        return Used(home);
    }

    // GnuPG on a home in batch mode, without a passphrase; its standard output.
    std::string Gpg(const std::string& home, const std::string& arguments)
    {
        return Output("gpg --homedir " + Quoted(Used(home)) + " --batch --no-tty --charset utf-8"
                      + " --pinentry-mode loopback --passphrase '' " + arguments + " 2>/dev/null");
    }

    // A new key (signing, with an encryption subkey, no passphrase, no expiry), even beside
    // another of the same user ID: its fingerprint.
    std::string MakeKey(const std::string& home, const std::string& userId)
    {
        Gpg(home, "--yes --quick-gen-key " + Quoted(userId) + " future-default default never");
        const std::vector<std::string> made = Fingerprints(home, "--list-keys " + Quoted("=" + userId));
        return made.empty() ? std::string() : made.back();
    }

    // The primary keys' fingerprints, in the home's order: listKeys "--list-keys" or
    // "--list-secret-keys", with a search text when wanted.
    std::vector<std::string> Fingerprints(const std::string& home, const std::string& listKeys = "--list-keys")
    {
        std::vector<std::string> fingerprints;
        std::istringstream lines(Gpg(home, "--with-colons " + listKeys));
        bool primary = false;
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("pub:", 0) == 0 || line.rfind("sec:", 0) == 0)
                primary = true;
            else if (line.rfind("fpr:", 0) == 0 && primary) {
                fingerprints.push_back(line.substr(12, line.find(':', 12) - 12));
                primary = false;
            }
        }
        return fingerprints;
    }

    // Returns once every part of the key that expires has expired, by the clock GnuPG reads.
    void WaitForExpiry(const std::string& home, const std::string& fingerprint)
    {
        std::time_t last = 0;
        std::istringstream lines(Gpg(home, "--with-colons --list-keys " + fingerprint));
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("pub:", 0) != 0 && line.rfind("sub:", 0) != 0)
                continue;
            std::istringstream fields(line);
            std::string field;
            for (int i = 0; i < 7; ++i)
                std::getline(fields, field, ':');
            last = std::max(last, std::time_t(std::atoll(field.c_str())));
        }
        while (std::time(nullptr) <= last)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }

    std::string ExportArmored(const std::string& home, const std::string& fingerprint, bool secret = false)
    {
        return Gpg(home, std::string("--armor ") + (secret ? "--export-secret-keys " : "--export ") + fingerprint);
    }

    // The public key with none of its user IDs, which GnuPG refuses to take.
    std::string ExportArmoredWithoutUserIds(const std::string& home, const std::string& fingerprint)
    {
        return Gpg(home, "--armor --export --export-filter keep-uid=uid=nobody " + fingerprint);
    }

    // The public keys (fingerprints apart by spaces) and bytes that are no packet after them, in
    // one sound armoured block.
    std::string ExportArmoredWithBadPacket(const std::string& home, const std::string& fingerprints)
    {
        return ArmoredKey(Gpg(home, "--export " + fingerprints) + std::string("\0\1\2\3 no packet", 14));
    }

    // The first public key, then the second with version 9 in its key packet, which GnuPG cannot
    // read, in one sound armoured block.
    std::string ExportArmoredWithUnknownVersion(const std::string& home, const std::string& first,
                                                const std::string& second)
    {
        std::string unknown = Gpg(home, "--export " + second);
        // GnuPG writes key packets in the old format: the header byte, then 1, 2 or 4 length bytes.
        unknown.at(1 + (std::size_t(1) << (unknown.at(0) & 3))) = 9;
        return ArmoredKey(Gpg(home, "--export " + first) + unknown);
    }

private:
    std::string Used(const std::string& home)
    {
        m_homes.insert(home);
        return home;
    }

    TempFolder m_folder;
    ScopedEnvironment m_data{"XDG_DATA_HOME", (m_folder / "data").c_str()};
    ScopedEnvironment m_common{"ZOD_COMMON_DATA", (m_folder / "common").c_str()};
    ScopedEnvironment m_home{"HOME", (m_folder / "home").c_str()};
    ScopedEnvironment m_gnupgHome{"GNUPGHOME", (m_folder / "home/.gnupg").c_str()};
    std::set<std::string> m_homes;
};

} // namespace testsupport
