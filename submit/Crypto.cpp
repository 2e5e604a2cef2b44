#include "submit/Crypto.h"

#include "model/records/Prop.h"
#include "model/text/TextUtil.h"
#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"
#include "submit/SessionLog.h"
#include "platform/armor/PublicKeyArmor.h"

#include <optional>
#include <string_view>

namespace {

constexpr const char* kOwnErrorTexts[] = {
    "Invalid Parameter",
    "Bad User Key",
    "No Agency Key is present in this TVB file",
    "Corrupt Agency Key",
    "Cannot create File",
    "Cannot Save Proposal",
    "Zod Package is Corrupt",
    "Zod Package is out of date",
    "Invalid or Missing public key",
};

// A missing ring is copied from the shared Digital ID folder, or else created empty: an
// empty file is a valid ring without keys.
bool ProvideKeyRing(const std::string& keyFolder, const char* ringName)
{
    const std::string ring = platform::JoinPath(keyFolder, ringName);
    if (platform::FileExists(ring))
        return true;
    const std::string sharedFolder = platform::JoinPath(platform::CommonDataDirectory(), "DigitalIds");
    const std::string shared = platform::JoinPath(sharedFolder, ringName);
    const bool made = platform::FileExists(shared) ? platform::CopyFile(shared, ring)
                                                   : platform::WriteFileAtomically(ring, "");
    return made && platform::RestrictToOwner(ring);
}

// The key is kept for the submission. Every opening checks it, and an equal key already kept
// is not written again: the write would only cost a flush to disk.
bool KeepAgencyKey(const std::string& keyFile, const std::string& key)
{
    const std::optional<std::string> kept = platform::ReadWholeFile(keyFile, nullptr, key.size());
    return (kept && *kept == key) || platform::WriteFileAtomically(keyFile, key);
}

} // namespace

CCrypto::CCrypto(int /*flag*/)
    : m_keyFolder(platform::JoinPath(platform::UserDataDirectory(), "KeyData"))
{
    const bool open = OpenKeyRings();
    SetKeyRingsOpen(open);
    StoreError(open ? 0 : kErrCannotCreateFile);
}

CCrypto::~CCrypto() = default;

bool CCrypto::OpenKeyRings()
{
    return platform::MakeDirectories(m_keyFolder) && ProvideKeyRing(m_keyFolder, kPublicRingName)
           && ProvideKeyRing(m_keyFolder, kSecretRingName);
}

int CCrypto::SetLog(CSessionLog* log)
{
    m_workFolder = log != nullptr && !log->GetFolder().empty() ? log->GetFolder() : ".";
    return 0;
}

int CCrypto::GetError(std::string* text) const
{
    if (text != nullptr)
        *text = GetErrorText();
    return StoredError();
}

std::string CCrypto::GetErrorCode(int* code) const
{
    if (code != nullptr)
        *code = StoredError();
    return GetErrorText();
}

std::string CCrypto::GetErrorText() const
{
    const int code = StoredError();
    if (code == 0)
        return "No Error";
    if (code >= kErrInvalidParameter && code <= kErrInvalidPublicKey)
        return kOwnErrorTexts[code - kErrInvalidParameter];
    return ToolkitErrorText(code);
}

std::string CCrypto::GetUserErrorMessage() const
{
    switch (StoredError()) {
    case kErrKeyRingLocked:
        return "Your Digital ID Keyring is locked.  You most likeley have another program running "
               "that is using the keyrings.";
    case kErrBadPassword:
        return "Your password is incorrect.  Choose 'Back' and re-enter the password for your "
               "digital ID.";
    default:
        return GetErrorText() + " [" + std::to_string(StoredError()) + "]";
    }
}

int CCrypto::LoadAgencyKeyText(const std::string* plateText, int /*importFlag*/)
{
    if (plateText == nullptr)
        return StoreError(kErrNoAgencyKey);
    if (!WildcardMatch(*plateText, "*PUBLIC KEY*", true))
        return StoreError(kErrInvalidPublicKey);
    if (ParsePublicKeyArmor(*plateText).status != ArmorStatus::Sound)
        return StoreError(kErrCorruptAgencyKey);
    const std::string keyFile = platform::JoinPath(m_keyFolder, kAgencyKeyName);
    if (!KeyRingsOpen() || !KeepAgencyKey(keyFile, *plateText))
        return StoreError(kErrCorruptAgencyKey);
    return StoreError(0);
}

int CCrypto::LoadAgencyKey(const CProp* proposal, int importFlag)
{
    if (proposal == nullptr)
        return StoreError(kErrInvalidParameter);
    const CPlate* plate = proposal->FindPlate(kAgencyPublicKeyPlate);
    return LoadAgencyKeyText(plate != nullptr ? &plate->m_strText : nullptr, importFlag);
}
