#include "submit/PKC.h"

#include "platform/core/Codepage.h"
#include "platform/core/Files.h"
#include "submit/GpgConf.h"
#include "submit/GpgContext.h"
#include "submit/KeyFileArmor.h"

#include <cerrno>
#include <set>
#include <sys/stat.h>

namespace {

static_assert(CPKC::kErrBadPassword == -GPG_ERR_BAD_PASSPHRASE);
static_assert(CPKC::kErrKeyRingLocked == -GPG_ERR_LOCKED);

// A digital ID file is a few kilobytes; a whole shared key ring stays far below this.
constexpr std::size_t kMaxKeyFileBytes = std::size_t(16) << 20;

// The identity as the program shows it: GnuPG keeps user IDs in UTF-8, the program Windows-1252.
std::string IdentityText(const CGpgKey& key)
{
    return platform::Utf8ToCp1252(key.m_identity);
}

} // namespace

std::string CPKC::ToolkitErrorText(int code)
{
    if (code < 0)
        return gpgme_strerror(gpg_error(gpg_err_code_t(-code)));
    return "Unknown error " + std::to_string(code);
}

CPKC::CPKC() = default;

CPKC::~CPKC()
{
    CloseKeyRings();
}

int CPKC::OpenKeyRings(const std::string& home)
{
    CloseKeyRings();
    if (const int error = StartToolkit())
        return error;
    // GnuPG would start the agent itself, but a failure would show only as keys not imported.
    if (RunGpgConf(home, {"--launch", "gpg-agent"}, m_timeLimit) != 0)
        return ToolkitCode(GPG_ERR_NO_AGENT);
    auto keyRings = std::make_unique<CGpgContext>(home, m_timeLimit);
    if (const int error = keyRings->Error())
        return error;
    m_keyRings = std::move(keyRings);
    m_home = home;
    return 0;
}

// Nothing of the key rings stays running once they are closed.
void CPKC::CloseKeyRings()
{
    if (!m_keyRings)
        return;
    m_keyRings.reset();
    RunGpgConf(m_home, {"--kill", "gpg-agent"}, m_timeLimit);
}

void CPKC::SetTimeLimit(std::chrono::milliseconds limit)
{
    m_timeLimit = limit;
    if (m_keyRings)
        m_keyRings->SetTimeLimit(limit);
}

int CPKC::ListKeysById(const std::string& identity, std::vector<std::string>& identities)
{
    identities.clear();
    if (!m_keyRings)
        return StoreError(kErrKeyRingsClosed);
    std::vector<CGpgKey> keys;
    if (const int error = m_keyRings->ListKeys(platform::Cp1252ToUtf8(identity), keys))
        return StoreError(error);
    for (const CGpgKey& key : keys)
        identities.push_back(IdentityText(key));
    return StoreError(0);
}

int CPKC::ReadKeyFile(const std::string& fileName, std::string& bytes)
{
    // The reader refuses a file over the limit before reading it, and leaves errno as it was.
    struct stat info{};
    if (stat(fileName.c_str(), &info) == 0 && info.st_size > off_t(kMaxKeyFileBytes))
        return ToolkitCode(GPG_ERR_EFBIG);
    errno = 0;
    std::optional<std::string> file = platform::ReadWholeFile(fileName, nullptr, kMaxKeyFileBytes);
    if (!file)
        return ToolkitCode(gpg_error_from_errno(errno ? errno : EIO));
    bytes = std::move(*file);
    return 0;
}

int CPKC::FindKey(const std::string& identity, CGpgKey& found)
{
    if (!m_keyRings)
        return kErrKeyRingsClosed;
    std::vector<CGpgKey> keys;
    if (const int error = m_keyRings->ListKeys("", keys))
        return error;
    for (const CGpgKey& key : keys) {
        if (IdentityText(key) == identity) {
            found = key;
            return 0;
        }
    }
    return ToolkitCode(GPG_ERR_NOT_FOUND);
}

int CPKC::DeleteKey(const std::string& identity)
{
    if (identity.empty())
        return StoreError(kErrNoIdentity);
    CGpgKey key;
    if (const int error = FindKey(identity, key))
        return StoreError(error);
    return StoreError(m_keyRings->Delete(key.m_fingerprint));
}

int CPKC::ExportKey(const std::string& identity, const std::string& fileName, int armor, int /*flags*/)
{
    CGpgKey key;
    if (const int error = FindKey(identity, key))
        return StoreError(error);
    std::string exported;
    if (const int error = m_keyRings->Export(key.m_fingerprint, armor != 0, exported))
        return StoreError(error);
    if (armor)
        exported = WithExportComments(exported, key.m_identity, key.m_fingerprint);
    return StoreError(platform::WriteFileAtomically(fileName, exported) ? 0 : kErrCannotCreateFile);
}

int CPKC::ImportKeyFile(const std::string& fileName, int /*flags1*/, int /*flags2*/, int /*flags3*/)
{
    m_keysImportedBeforeFailure.clear();
    m_importRefusals.clear();
    if (!m_keyRings)
        return StoreError(kErrKeyRingsClosed);
    std::string file;
    if (const int error = ReadKeyFile(fileName, file))
        return StoreError(error);
    std::string packets;
    if (const int error = KeyPacketsOfFile(file, packets))
        return StoreError(error);
    std::vector<CGpgKey> before;
    if (const int error = m_keyRings->ListKeys("", before))
        return StoreError(error);
    std::vector<std::string> refusals;
    const int error = m_keyRings->Import(packets, &refusals, fileName);
    for (const std::string& line : refusals)
        m_importRefusals.push_back(platform::Utf8ToCp1252(line));
    if (error)
        m_keysImportedBeforeFailure = KeysAddedSince(before);
    return StoreError(error);
}

// Listing needs neither the agent nor the lock, so it still answers after an import that waited
// for them in vain.
std::vector<std::string> CPKC::KeysAddedSince(const std::vector<CGpgKey>& before)
{
    std::set<std::string> known;
    for (const CGpgKey& key : before)
        known.insert(key.m_fingerprint);
    std::vector<CGpgKey> now;
    // A listing that fails part way still names the keys it reached.
    m_keyRings->ListKeys("", now);
    std::vector<std::string> added;
    for (const CGpgKey& key : now) {
        if (!known.count(key.m_fingerprint))
            added.push_back(IdentityText(key));
    }
    return added;
}
