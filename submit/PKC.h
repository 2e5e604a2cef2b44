#pragma once

#include <string>
#include <vector>

// The key ring operations of the OpenPGP toolkit. This build carries no toolkit: every
// operation that would need one answers CPKC::kErrDigitalIdsUnavailable, after the checks
// callers rely on. Each operation stores its result as the object's error.
class CPKC {
public:
    // Toolkit codes the program reacts to.
    static constexpr int kErrBadPassword = -11500;
    static constexpr int kErrKeyRingLocked = -11994;
    static constexpr int kErrDigitalIdsUnavailable = -11000;

    // The toolkit's text for one of its codes, or "Unknown error %d".
    static std::string ToolkitErrorText(int code);

    CPKC() = default;
    virtual ~CPKC() = default;
    CPKC(const CPKC&) = delete;
    CPKC& operator=(const CPKC&) = delete;

    // identity: "" for all keys. The list is filled with the identity text of each match.
    int ListKeysById(const std::string& identity, std::vector<std::string>& identities);
    int DeleteKey(const std::string& identity);
    int ExportKey(const std::string& identity, const std::string& fileName, int armor, int flags);
    int ImportKeyFile(const std::string& fileName, int flags1, int flags2, int flags3);

    bool KeyRingsOpen() const { return m_keyRingsOpen; }

protected:
    int StoreError(int code) { return m_errorCode = code; }
    int StoredError() const { return m_errorCode; }
    void SetKeyRingsOpen(bool open) { m_keyRingsOpen = open; }

private:
    int m_errorCode = 0;
    bool m_keyRingsOpen = false;
};
