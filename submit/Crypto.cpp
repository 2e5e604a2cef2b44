#include "submit/Crypto.h"

#include "model/records/Prop.h"
#include "model/text/TextUtil.h"
#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"
#include "submit/AgencyKeyRecord.h"
#include "submit/GpgContext.h"
#include "submit/SessionLog.h"
#include "platform/armor/PublicKeyArmor.h"

#include <sys/stat.h>
#include <vector>

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

bool MakeOwnerOnlyFolder(const std::string& folder)
{
    return platform::MakeDirectories(folder) && chmod(folder.c_str(), 0700) == 0;
}

} // namespace

CCrypto::CCrypto(int /*flag*/) : m_keyFolder(OwnKeyFolder())
{
    StoreError(OpenOwnKeyRings());
}

std::string CCrypto::OwnKeyFolder()
{
    return platform::JoinPath(platform::UserDataDirectory(), "KeyData");
}

CCrypto::~CCrypto() = default;

int CCrypto::OpenOwnKeyRings()
{
    if (!MakeOwnerOnlyFolder(m_keyFolder))
        return kErrCannotCreateFile;
    if (const int error = OpenKeyRings(m_keyFolder))
        return error;
    return ImportSharedKeyRingsOnce();
}

// The shared Digital ID folder's rings seed the key rings of a new installation: they are
// considered once, and taken only while the key rings hold no keys of their own.
int CCrypto::ImportSharedKeyRingsOnce()
{
    const std::string taken = platform::JoinPath(m_keyFolder, kSharedRingsTakenName);
    const std::string sharedFolder = platform::JoinPath(platform::CommonDataDirectory(), "DigitalIds");
    const std::string publicRing = platform::JoinPath(sharedFolder, kPublicRingName);
    const std::string secretRing = platform::JoinPath(sharedFolder, kSecretRingName);
    if (platform::FileExists(taken) || !platform::FileExists(publicRing) || !platform::FileExists(secretRing))
        return 0;
    std::vector<CGpgKey> keys;
    if (const int error = KeyRings()->ListKeys("", keys))
        return error;
    if (keys.empty()) {
        std::string publicKeys;
        std::string secretKeys;
        if (const int error = ReadKeyFile(publicRing, publicKeys))
            return error;
        if (const int error = ReadKeyFile(secretRing, secretKeys))
            return error;
        if (const int error = KeyRings()->Import(publicKeys + secretKeys))
            return error;
    }
    return platform::WriteFileAtomically(taken, "") ? 0 : kErrCannotCreateFile;
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
    const PublicKeyArmor armor = ParsePublicKeyArmor(*plateText);
    CGpgKey key;
    if (armor.status != ArmorStatus::Sound || !KeyRingsOpen() || !IsOneUsablePublicKey(armor.packets, key)
        || KeyRings()->Import(armor.packets) != 0)
        return StoreError(kErrCorruptAgencyKey);
    CAgencyKeyRecord(m_keyFolder).Remember(armor.packets, key.m_usableUntil);
    return StoreError(0);
}

bool CCrypto::HoldsAgencyKey(const std::string& plateText)
{
    const PublicKeyArmor armor = ParsePublicKeyArmor(plateText);
    return armor.status == ArmorStatus::Sound && CAgencyKeyRecord(OwnKeyFolder()).Holds(armor.packets);
}

// A proposal is outside data: its plate may bring the agency's one key into the bidder's key
// rings, never a secret key or a batch of keys.
bool CCrypto::IsOneUsablePublicKey(const std::string& packets, CGpgKey& key)
{
    std::vector<CGpgKey> keys;
    if (KeyRings()->ListKeysIn(packets, keys) != 0 || keys.size() != 1 || keys.front().m_secret
        || !keys.front().m_canEncrypt)
        return false;
    key = keys.front();
    return true;
}

int CCrypto::LoadAgencyKey(const CProp* proposal, int importFlag)
{
    if (proposal == nullptr)
        return StoreError(kErrInvalidParameter);
    const CPlate* plate = proposal->FindPlate(kAgencyPublicKeyPlate);
    return LoadAgencyKeyText(plate != nullptr ? &plate->m_strText : nullptr, importFlag);
}
