#include "app/dialogs/DigitalIdKeys.h"

#include "submit/Crypto.h"

namespace {

class CCryptoKeys : public CDigitalIdKeys {
public:
    int GetError() const override { return m_crypto.GetError(); }
    std::string GetUserErrorMessage() const override { return m_crypto.GetUserErrorMessage(); }
    std::string GetErrorText() const override { return m_crypto.GetErrorCode(); }
    void ClearError() override { m_crypto.ClearError(); }
    void UseCurrentFolder() override { m_crypto.SetLog(nullptr); }

    int ListKeysById(const std::string& identity, std::vector<std::string>& identities) override
    {
        return m_crypto.ListKeysById(identity, identities);
    }
    int DeleteKey(const std::string& identity) override { return m_crypto.DeleteKey(identity); }
    int ExportKey(const std::string& identity, const std::string& fileName) override
    {
        return m_crypto.ExportKey(identity, fileName, 1, 0);
    }
    int ImportKeyFile(const std::string& fileName) override { return m_crypto.ImportKeyFile(fileName, 0, 0, 0); }
    std::vector<std::string> KeysImportedBeforeFailure() const override
    {
        return m_crypto.KeysImportedBeforeFailure();
    }
    std::vector<std::string> ImportRefusals() const override { return m_crypto.ImportRefusals(); }

private:
    CCrypto m_crypto{0};
};

} // namespace

std::unique_ptr<CDigitalIdKeys> OpenDigitalIdKeys()
{
    return std::make_unique<CCryptoKeys>();
}
