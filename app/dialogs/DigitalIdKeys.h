#pragma once

#include <memory>
#include <string>
#include <vector>

// The key work of the Digital IDs dialog: the bidder's key rings as the program's cryptographic
// wrapper opens them, behind a seam that lets the dialog be driven without a toolkit.
class CDigitalIdKeys {
public:
    virtual ~CDigitalIdKeys() = default;

    // Non-zero when the key rings could not be opened.
    virtual int GetError() const = 0;
    virtual std::string GetUserErrorMessage() const = 0;
    // The text of the last operation's error.
    virtual std::string GetErrorText() const = 0;
    virtual void ClearError() = 0;
    // Temporary files in the current folder (no operation log).
    virtual void UseCurrentFolder() = 0;

    // identity "" lists every key. Each answers 0 or an error code.
    virtual int ListKeysById(const std::string& identity, std::vector<std::string>& identities) = 0;
    virtual int DeleteKey(const std::string& identity) = 0;
    virtual int ExportKey(const std::string& identity, const std::string& fileName) = 0;
    virtual int ImportKeyFile(const std::string& fileName) = 0;
    // After a failed import: the keys it left in the key rings.
    virtual std::vector<std::string> KeysImportedBeforeFailure() const = 0;
    // After a failed import: the toolkit's lines on what it refused and why.
    virtual std::vector<std::string> ImportRefusals() const = 0;
};

// The bidder's key rings through a new CCrypto.
std::unique_ptr<CDigitalIdKeys> OpenDigitalIdKeys();
