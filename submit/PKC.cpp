#include "submit/PKC.h"

namespace {

struct ToolkitError {
    int code;
    const char* text;
};

constexpr ToolkitError kToolkitErrors[] = {
    {CPKC::kErrBadPassword, "Bad passphrase"},
    {CPKC::kErrKeyRingLocked, "Key ring is locked"},
    {CPKC::kErrDigitalIdsUnavailable, "Digital IDs are not available in this build."},
};

} // namespace

std::string CPKC::ToolkitErrorText(int code)
{
    for (const ToolkitError& error : kToolkitErrors) {
        if (error.code == code)
            return error.text;
    }
    return "Unknown error " + std::to_string(code);
}

int CPKC::ListKeysById(const std::string& /*identity*/, std::vector<std::string>& identities)
{
    identities.clear();
    return StoreError(kErrDigitalIdsUnavailable);
}

int CPKC::DeleteKey(const std::string& identity)
{
    if (identity.empty())
        return StoreError(3);
    if (!m_keyRingsOpen)
        return StoreError(1);
    return StoreError(kErrDigitalIdsUnavailable);
}

int CPKC::ExportKey(const std::string& /*identity*/, const std::string& /*fileName*/, int /*armor*/,
                    int /*flags*/)
{
    return StoreError(kErrDigitalIdsUnavailable);
}

int CPKC::ImportKeyFile(const std::string& /*fileName*/, int /*flags1*/, int /*flags2*/,
                        int /*flags3*/)
{
    return StoreError(kErrDigitalIdsUnavailable);
}
