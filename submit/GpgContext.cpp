#include "submit/GpgContext.h"

#include "platform/armor/OpenPgpPackets.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"
#include "submit/GpgChildren.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <system_error>
#include <sys/utsname.h>
#include <type_traits>

namespace {

struct DataRelease {
    void operator()(gpgme_data_t data) const { gpgme_data_release(data); }
};
using DataHandle = std::unique_ptr<std::remove_pointer_t<gpgme_data_t>, DataRelease>;

// Loopback passphrases come from the program, and it has none to give: an operation that needs
// one fails at once instead of waiting for somebody to type.
gpgme_error_t RefusePassphrase(void*, const char*, const char*, int, int)
{
    return gpg_error(GPG_ERR_NO_PASSPHRASE);
}

bool CanEncrypt(const gpgme_key_t key)
{
    return key->can_encrypt && !key->revoked && !key->expired && !key->disabled && !key->invalid;
}

bool CanEncrypt(const gpgme_subkey_t subkey)
{
    return subkey->can_encrypt && !subkey->revoked && !subkey->expired && !subkey->disabled && !subkey->invalid;
}

// The first subkey is the primary key: the whole key is unusable once it expires.
std::time_t UsableUntil(const gpgme_key_t key)
{
    std::time_t until = 0;
    for (gpgme_subkey_t subkey = key->subkeys; subkey; subkey = subkey->next) {
        const bool counts = subkey == key->subkeys || CanEncrypt(subkey);
        if (counts && subkey->expires > 0 && (until == 0 || subkey->expires < until))
            until = subkey->expires;
    }
    return until;
}

CGpgKey Describe(const gpgme_key_t key)
{
    CGpgKey described;
    described.m_fingerprint = key->fpr ? key->fpr : "";
    described.m_identity = key->uids && key->uids->uid ? key->uids->uid : "";
    described.m_secret = key->secret;
    described.m_canEncrypt = CanEncrypt(key);
    described.m_usableUntil = UsableUntil(key);
    return described;
}

// Takes the keys of a listing that has been started.
gpgme_error_t CollectKeys(gpgme_ctx_t ctx, std::vector<CGpgKey>& keys)
{
    gpgme_key_t key = nullptr;
    gpgme_error_t error = 0;
    while (!(error = gpgme_op_keylist_next(ctx, &key))) {
        keys.push_back(Describe(key));
        gpgme_key_release(key);
    }
    gpgme_op_keylist_end(ctx);
    return gpgme_err_code(error) == GPG_ERR_EOF ? 0 : error;
}

// Every OpenPGP packet starts with a byte whose high bit is set.
bool StartsWithPacket(const std::string& bytes)
{
    return !bytes.empty() && (static_cast<unsigned char>(bytes.front()) & 0x80) != 0;
}

// GnuPG counts what it skipped rather than failing the import. It reads no keys from data that
// holds none, nor from packets it cannot read, whose keys it refuses with them. A key of a version
// it cannot read, and a key that damaged packets cut short, it leaves out of every count.
gpgme_error_t EveryKeyImported(const gpgme_import_result_t result, const std::string& packets)
{
    if (!result || (result->considered == 0 && result->secret_read == 0))
        return gpg_error(StartsWithPacket(packets) ? GPG_ERR_NOT_PROCESSED : GPG_ERR_NO_DATA);
    for (gpgme_import_status_t status = result->imports; status; status = status->next) {
        if (status->result)
            return status->result;
    }
    const bool skipped = result->no_user_id || result->not_imported || result->skipped_new_keys
                         || result->skipped_v3_keys
                         || result->secret_imported + result->secret_unchanged < result->secret_read
                         || std::size_t(result->considered) < KeyPacketCount(packets);
    return skipped ? gpg_error(GPG_ERR_NOT_PROCESSED) : 0;
}

// GnuPG locks a file with a file beside it that names the holder's process and host. A lock
// whose holder on this host has ended is stale, and GnuPG takes it over.
bool LockHeld(const std::string& lockFile)
{
    const std::optional<std::string> lock = platform::ReadWholeFile(lockFile, nullptr, 1024);
    std::istringstream fields(lock.value_or(""));
    long holder = 0;
    std::string host;
    if (!(fields >> holder >> host) || holder <= 0)
        return false;
    utsname self{};
    if (uname(&self) != 0 || host != self.nodename)
        return true;
    return kill(pid_t(holder), 0) == 0 || errno == EPERM;
}

DataHandle DataOver(const std::string& bytes, gpgme_error_t& error)
{
    gpgme_data_t data = nullptr;
    error = gpgme_data_new_from_mem(&data, bytes.data(), bytes.size(), 0);
    return DataHandle(error ? nullptr : data);
}

DataHandle EmptyData(gpgme_error_t& error)
{
    gpgme_data_t data = nullptr;
    error = gpgme_data_new(&data);
    return DataHandle(error ? nullptr : data);
}

std::string DataText(gpgme_data_t data)
{
    std::string text;
    gpgme_data_seek(data, 0, SEEK_SET);
    char buffer[4096];
    for (ssize_t got; (got = gpgme_data_read(data, buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(got));
    return text;
}

// What GnuPG wrote of the context's last operation, line by line, without its program name.
std::vector<std::string> DiagnosticLines(gpgme_ctx_t ctx)
{
    gpgme_error_t error = 0;
    const DataHandle data = EmptyData(error);
    if (error || gpgme_op_getauditlog(ctx, data.get(), GPGME_AUDITLOG_DIAG))
        return {};
    std::vector<std::string> lines;
    std::istringstream text(DataText(data.get()));
    for (std::string line; std::getline(text, line);) {
        if (line.rfind("gpg: ", 0) == 0)
            line.erase(0, 5);
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

// A count of GnuPG's summary: a label, a colon, spaces and a number.
bool IsCountLine(const std::string& line)
{
    const std::size_t colon = line.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::size_t digits = line.find_first_not_of(' ', colon + 1);
    return digits != std::string::npos && digits > colon + 1
           && line.find_first_not_of("0123456789", digits) == std::string::npos;
}

bool NamesAKeyTaken(const std::string& line, const gpgme_import_result_t result)
{
    for (gpgme_import_status_t status = result->imports; status; status = status->next) {
        const std::string fingerprint = status->fpr ? status->fpr : "";
        const std::string keyId = fingerprint.size() >= 16 ? fingerprint.substr(fingerprint.size() - 16) : "";
        if (!status->result && !keyId.empty() && line.find(keyId) != std::string::npos)
            return true;
    }
    return false;
}

// GPGME hands GnuPG the data as "-&" and a descriptor number, and GnuPG names it so.
std::string NamingSource(std::string line, const std::string& source)
{
    for (std::size_t at = 0; (at = line.find("-&", at)) != std::string::npos;) {
        const std::size_t end = std::min(line.find_first_not_of("0123456789", at + 2), line.size());
        if (end == at + 2) {
            at = end;
            continue;
        }
        line.replace(at, end - at, source);
        at += source.size();
    }
    return line;
}

// GnuPG says what it refused only in its diagnostics, whose words depend on the user's language.
// Left out are the lines on keys it took (named by key ID), on the files it made in the home, and
// the counts it ends with.
std::vector<std::string> Refusals(std::vector<std::string> lines, const gpgme_import_result_t result,
                                  const std::string& home, const std::string& source)
{
    while (!lines.empty() && IsCountLine(lines.back()))
        lines.pop_back();
    std::vector<std::string> refusals;
    for (const std::string& line : lines) {
        if (line.find(home) == std::string::npos && !(result && NamesAKeyTaken(line, result)))
            refusals.push_back(source.empty() ? line : NamingSource(line, source));
    }
    return refusals;
}

} // namespace

int ToolkitCode(gpgme_error_t error)
{
    return -int(gpgme_err_code(error));
}

int StartToolkit()
{
    static std::once_flag started;
    static int result = 0;
    std::call_once(started, [] {
        result = gpgme_check_version(GPGME_VERSION) ? ToolkitCode(gpgme_engine_check_version(GPGME_PROTOCOL_OpenPGP))
                                                    : ToolkitCode(GPG_ERR_NOT_INITIALIZED);
    });
    return result;
}

CGpgContext::CGpgContext(std::string home, std::chrono::milliseconds limit)
    : m_home(std::move(home)), m_limit(limit)
{
    gpgme_error_t error = gpgme_new(&m_ctx);
    if (!error)
        error = gpgme_ctx_set_engine_info(m_ctx, GPGME_PROTOCOL_OpenPGP, nullptr, m_home.c_str());
    if (!error)
        error = gpgme_set_pinentry_mode(m_ctx, GPGME_PINENTRY_MODE_LOOPBACK);
    if (!error) {
        gpgme_set_passphrase_cb(m_ctx, RefusePassphrase, nullptr);
        gpgme_set_offline(m_ctx, 1);
    }
    m_error = ToolkitCode(error);
}

CGpgContext::~CGpgContext()
{
    gpgme_release(m_ctx);
}

// GPGME waits for GnuPG without a limit, and GnuPG waits for a lock or its agent without one.
// The operation runs beside the caller, which cancels it when the limit passes.
int CGpgContext::Run(const std::function<gpgme_error_t(gpgme_ctx_t)>& operation)
{
    if (m_error)
        return m_error;
    try {
        std::future<gpgme_error_t> result = std::async(std::launch::async, operation, m_ctx);
        if (result.wait_for(m_limit) == std::future_status::ready)
            return ToolkitCode(result.get());
        gpgme_cancel_async(m_ctx);
        // GPGME looks at the cancellation only when GnuPG writes something; a GnuPG that waits
        // in silence is ended, and would otherwise finish the operation whenever it woke.
        StopOwnGpgProcesses(m_home);
        result.get();
    } catch (const std::system_error& failure) {
        return ToolkitCode(gpg_error_from_errno(failure.code().value()));
    }
    return KeyRingLockHeld() ? ToolkitCode(GPG_ERR_LOCKED) : ToolkitCode(GPG_ERR_TIMEOUT);
}

// GnuPG waits for a lock for as long as its holder lives: a change to a locked key ring is
// refused at once instead.
int CGpgContext::RunChange(const std::function<gpgme_error_t(gpgme_ctx_t)>& operation)
{
    return KeyRingLockHeld() ? ToolkitCode(GPG_ERR_LOCKED) : Run(operation);
}

bool CGpgContext::KeyRingLockHeld() const
{
    for (const char* lock : {"pubring.kbx.lock", "trustdb.gpg.lock"}) {
        if (LockHeld(platform::JoinPath(m_home, lock)))
            return true;
    }
    return false;
}

int CGpgContext::ListKeys(const std::string& pattern, std::vector<CGpgKey>& keys)
{
    keys.clear();
    return Run([&](gpgme_ctx_t ctx) {
        const gpgme_error_t error = gpgme_op_keylist_start(ctx, pattern.empty() ? nullptr : pattern.c_str(), 0);
        return error ? error : CollectKeys(ctx, keys);
    });
}

int CGpgContext::ListKeysIn(const std::string& packets, std::vector<CGpgKey>& keys)
{
    keys.clear();
    gpgme_error_t error = 0;
    const DataHandle data = DataOver(packets, error);
    if (error)
        return ToolkitCode(error);
    return Run([&](gpgme_ctx_t ctx) {
        const gpgme_error_t started = gpgme_op_keylist_from_data_start(ctx, data.get(), 0);
        return started ? started : CollectKeys(ctx, keys);
    });
}

int CGpgContext::Import(const std::string& packets, std::vector<std::string>* refused, const std::string& source)
{
    if (refused)
        refused->clear();
    gpgme_error_t error = 0;
    const DataHandle data = DataOver(packets, error);
    if (error)
        return ToolkitCode(error);
    if (const int failed = RunChange([&](gpgme_ctx_t ctx) { return gpgme_op_import(ctx, data.get()); }))
        return failed;
    const gpgme_import_result_t result = gpgme_op_import_result(m_ctx);
    error = EveryKeyImported(result, packets);
    if (error && refused)
        *refused = Refusals(DiagnosticLines(m_ctx), result, m_home, source);
    return ToolkitCode(error);
}

int CGpgContext::Export(const std::string& fingerprint, bool armor, std::string& exported)
{
    exported.clear();
    gpgme_error_t error = 0;
    const DataHandle data = EmptyData(error);
    if (error)
        return ToolkitCode(error);
    gpgme_set_armor(m_ctx, armor);
    const auto exportKey = [&](gpgme_ctx_t ctx) { return gpgme_op_export(ctx, fingerprint.c_str(), 0, data.get()); };
    if (const int failed = Run(exportKey))
        return failed;
    exported = DataText(data.get());
    // GnuPG writes nothing, and reports nothing, for a key it does not have.
    return exported.empty() ? ToolkitCode(GPG_ERR_NOT_FOUND) : 0;
}

int CGpgContext::Delete(const std::string& fingerprint)
{
    return RunChange([&](gpgme_ctx_t ctx) {
        gpgme_key_t key = nullptr;
        gpgme_error_t error = gpgme_get_key(ctx, fingerprint.c_str(), &key, 0);
        if (!error) {
            error = gpgme_op_delete_ext(ctx, key, GPGME_DELETE_ALLOW_SECRET | GPGME_DELETE_FORCE);
            gpgme_key_release(key);
        }
        return error;
    });
}
