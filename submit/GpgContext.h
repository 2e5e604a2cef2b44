#pragma once

// The OpenPGP toolkit (GnuPG, reached through GPGME) as the key ring operations use it. Only the
// submission services include this header: the rest of the program sees CPKC and CCrypto.
#include <gpgme.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

// The toolkit's codes are GnuPG's error codes negated, so that they never meet the program's
// own positive codes; 0 is success.
int ToolkitCode(gpgme_error_t error);
inline int ToolkitCode(gpg_err_code_t code)
{
    return ToolkitCode(gpg_error(code));
}

// Starts GPGME once for the process and checks that GnuPG is installed: 0 or a toolkit code.
int StartToolkit();

struct CGpgKey {
    std::string m_fingerprint;
    std::string m_identity; // the first user ID, UTF-8 as GnuPG keeps it
    bool m_secret = false;
    bool m_canEncrypt = false; // and neither revoked, expired, disabled nor invalid
    // When the key or one of the subkeys it can encrypt with expires, whichever comes first
    // (seconds since the epoch); 0 when none of them does.
    std::time_t m_usableUntil = 0;
};

// One GPGME context on a GnuPG home of the program's own. GnuPG runs in batch mode without a
// terminal; a passphrase could only come from the program (loopback) and none is given, and no
// key server is asked. A change to key rings that another process has locked is refused at once
// as "Locked". Every operation ends within the time limit: one that does not is cancelled, and
// reported as "Locked" when another process holds the lock by then, else as "Timeout".
class CGpgContext {
public:
    CGpgContext(std::string home, std::chrono::milliseconds limit);
    ~CGpgContext();
    CGpgContext(const CGpgContext&) = delete;
    CGpgContext& operator=(const CGpgContext&) = delete;

    // 0 when the context could be made, else a toolkit code; nothing else works without it.
    int Error() const { return m_error; }
    void SetTimeLimit(std::chrono::milliseconds limit) { m_limit = limit; }

    // pattern: GnuPG's search text (UTF-8), "" for every key of the home.
    int ListKeys(const std::string& pattern, std::vector<CGpgKey>& keys);
    // The keys that OpenPGP packets hold, read without importing them.
    int ListKeysIn(const std::string& packets, std::vector<CGpgKey>& keys);
    // 0 only when every key of the packets was imported or was already there unchanged. When
    // GnuPG did not take everything, `refused` gets its own lines (in the user's language) on
    // what it refused and why, naming the packets by `source` when one is given.
    int Import(const std::string& packets, std::vector<std::string>* refused = nullptr,
               const std::string& source = {});
    // The public key, armoured or as binary packets.
    int Export(const std::string& fingerprint, bool armor, std::string& exported);
    // The public and the secret key, without asking.
    int Delete(const std::string& fingerprint);

private:
    int Run(const std::function<gpgme_error_t(gpgme_ctx_t)>& operation);
    int RunChange(const std::function<gpgme_error_t(gpgme_ctx_t)>& operation);
    bool KeyRingLockHeld() const;

    std::string m_home;
    std::chrono::milliseconds m_limit;
    gpgme_ctx_t m_ctx = nullptr;
    int m_error = 0;
};
