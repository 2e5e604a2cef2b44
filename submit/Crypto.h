#pragma once

#include "submit/PKC.h"

#include <string>

class CProp;
class CSessionLog;

// The cryptographic wrapper the document and the Digital IDs dialog use. Construction opens
// the bidder's key rings: a GnuPG home of the program's own, "KeyData" in the user's data folder
// (never the user's ~/.gnupg), seeded once from the shared Digital ID folder's rings. A failure
// is stored as the error code, never thrown.
class CCrypto : public CPKC {
public:
    static constexpr int kErrInvalidParameter = 12;
    static constexpr int kErrBadUserKey = 13;
    static constexpr int kErrNoAgencyKey = 14;
    static constexpr int kErrCorruptAgencyKey = 15;
    // 16: CPKC::kErrCannotCreateFile
    static constexpr int kErrCannotSaveProposal = 17;
    static constexpr int kErrPackageCorrupt = 18;
    static constexpr int kErrPackageOutOfDate = 19;
    static constexpr int kErrInvalidPublicKey = 20;

    static constexpr const char* kPublicRingName = "pubring.pkr";
    static constexpr const char* kSecretRingName = "secring.skr";
    // Beside the key rings once the shared rings have been considered.
    static constexpr const char* kSharedRingsTakenName = "SharedRingsTaken";

    explicit CCrypto(int flag = 0);
    ~CCrypto() override;

    // With a log, temporary files go to the log's folder; without one, to ".".
    int SetLog(CSessionLog* log);
    const std::string& GetWorkFolder() const { return m_workFolder; }
    const std::string& GetKeyFolder() const { return m_keyFolder; }

    int GetError(std::string* text = nullptr) const;
    std::string GetErrorCode(int* code = nullptr) const;
    std::string GetErrorText() const;
    std::string GetUserErrorMessage() const;
    void ClearError() { StoreError(0); }

    // plateText: the text of the proposal's "Agency Public Key" plate, null when it has none.
    // The plate must hold sound armour around exactly one public key that can encrypt; it is
    // imported into the key rings. importFlag goes to the key import.
    int LoadAgencyKeyText(const std::string* plateText, int importFlag);
    // The same for the proposal's plate; 12 when there is no proposal.
    int LoadAgencyKey(const CProp* proposal, int importFlag);
    // True when an earlier LoadAgencyKeyText imported this plate's key, the key rings have not
    // changed since and the key has not expired: loading it again would succeed with nothing to
    // do. Starts no process.
    static bool HoldsAgencyKey(const std::string& plateText);

private:
    static std::string OwnKeyFolder();
    int OpenOwnKeyRings();
    int ImportSharedKeyRingsOnce();
    bool IsOneUsablePublicKey(const std::string& packets, CGpgKey& key);

    std::string m_keyFolder;
    std::string m_workFolder = ".";
};
