#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class CGpgContext;
struct CGpgKey;

// The key ring operations of the OpenPGP toolkit (GnuPG). The key rings are a GnuPG home that
// the program keeps for itself. Each operation stores its result as the object's error; a
// toolkit failure is one of GnuPG's error codes, negated.
class CPKC {
public:
    // Toolkit codes the program reacts to: GnuPG's "Bad passphrase" and "Locked".
    static constexpr int kErrBadPassword = -11;
    static constexpr int kErrKeyRingLocked = -173;
    static constexpr int kErrKeyRingsClosed = 1;
    static constexpr int kErrNoIdentity = 3;
    static constexpr int kErrCannotCreateFile = 16;

    // GnuPG's own text for one of its codes, or "Unknown error %d" for any other code.
    static std::string ToolkitErrorText(int code);

    CPKC();
    virtual ~CPKC(); // closes the key rings
    CPKC(const CPKC&) = delete;
    CPKC& operator=(const CPKC&) = delete;

    // identity: GnuPG's search text, "" for all keys. The list is filled with the identity text
    // (the first user ID) of each match, in the key rings' order.
    int ListKeysById(const std::string& identity, std::vector<std::string>& identities);
    // The key named is the first one listed with exactly that identity text.
    int DeleteKey(const std::string& identity);
    // armor 1: ASCII armour with the program's comment lines; 0: binary packets.
    int ExportKey(const std::string& identity, const std::string& fileName, int armor, int flags);
    // Every key of the file, or none when the file's armour is damaged.
    int ImportKeyFile(const std::string& fileName, int flags1, int flags2, int flags3);
    // GnuPG imports key by key: after ImportKeyFile, the identities of the keys a failed import
    // left in the key rings, in their order; empty when it succeeded.
    const std::vector<std::string>& KeysImportedBeforeFailure() const { return m_keysImportedBeforeFailure; }
    // After a failed ImportKeyFile: GnuPG's own lines on what it refused and why; empty when the
    // failure came before GnuPG read the keys.
    const std::vector<std::string>& ImportRefusals() const { return m_importRefusals; }

    bool KeyRingsOpen() const { return m_keyRings != nullptr; }

protected:
    // Opens the GnuPG home as the key rings (its agent started): 0 or a toolkit code.
    int OpenKeyRings(const std::string& home);
    // A key file's bytes: 0, or the system's reason as a toolkit code.
    static int ReadKeyFile(const std::string& fileName, std::string& bytes);
    // Null while the key rings are closed.
    CGpgContext* KeyRings() const { return m_keyRings.get(); }
    // How long one toolkit operation may take before it is given up.
    void SetTimeLimit(std::chrono::milliseconds limit);
    std::chrono::milliseconds TimeLimit() const { return m_timeLimit; }

    int StoreError(int code) { return m_errorCode = code; }
    int StoredError() const { return m_errorCode; }

private:
    // The key whose identity, as the program shows it, is this one.
    int FindKey(const std::string& identity, CGpgKey& found);
    // The identities of the keys listed now whose fingerprints `before` does not hold.
    std::vector<std::string> KeysAddedSince(const std::vector<CGpgKey>& before);
    void CloseKeyRings();

    std::unique_ptr<CGpgContext> m_keyRings;
    std::string m_home;
    std::chrono::milliseconds m_timeLimit{std::chrono::seconds(20)};
    std::vector<std::string> m_keysImportedBeforeFailure;
    std::vector<std::string> m_importRefusals;
    int m_errorCode = 0;
};
