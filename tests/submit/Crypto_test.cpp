#include "submit/Crypto.h"

#include "model/records/Prop.h"
#include "submit/SessionLog.h"
#include "tests/platform/armor/ArmorBuilder.h"
#include "tests/support/TestEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::ReadTextFile;
using testsupport::ScopedEnvironment;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

// The user's data folder and the shared folder live in a fresh temporary folder per test.
class CryptoTest : public testing::Test {
protected:
    std::string KeyFolder() const { return m_folder / "data/Tarvello/KeyData"; }
    std::string SharedIds() const { return m_folder / "common/DigitalIds"; }

    TempFolder m_folder;
    ScopedEnvironment m_dataHome{"XDG_DATA_HOME", (m_folder / "data").c_str()};
    ScopedEnvironment m_common{"ZOD_COMMON_DATA", (m_folder / "common").c_str()};
};

// Sets any stored code, as the toolkit would.
struct CryptoWithCode : CCrypto {
    explicit CryptoWithCode(int code) { StoreError(code); }
};

} // namespace

TEST_F(CryptoTest, CreatesEmptyKeyRingsWhenNoneAreShared)
{
    CCrypto crypto(0);
    EXPECT_EQ(crypto.GetError(), 0);
    EXPECT_TRUE(crypto.KeyRingsOpen());
    EXPECT_EQ(crypto.GetKeyFolder(), KeyFolder());
    EXPECT_EQ(ReadTextFile(KeyFolder() + "/pubring.pkr"), "");
    struct stat info{};
    ASSERT_EQ(stat((KeyFolder() + "/secring.skr").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(CryptoTest, CopiesMissingRingsFromTheSharedFolderAndKeepsExistingOnes)
{
    std::filesystem::create_directories(SharedIds());
    std::filesystem::create_directories(KeyFolder());
    WriteTextFile(SharedIds() + "/pubring.pkr", "shared public");
    WriteTextFile(SharedIds() + "/secring.skr", "shared secret");
    WriteTextFile(KeyFolder() + "/pubring.pkr", "own public");
    CCrypto crypto(0);
    EXPECT_EQ(crypto.GetError(), 0);
    EXPECT_EQ(ReadTextFile(KeyFolder() + "/pubring.pkr"), "own public");
    EXPECT_EQ(ReadTextFile(KeyFolder() + "/secring.skr"), "shared secret");
}

TEST_F(CryptoTest, AKeyFolderThatCannotBeMadeIsStoredNotThrown)
{
    std::filesystem::create_directories(m_folder / "data/Tarvello");
    WriteTextFile(KeyFolder(), "a file where the folder belongs");
    CCrypto crypto(0);
    std::string text;
    EXPECT_EQ(crypto.GetError(&text), CCrypto::kErrCannotCreateFile);
    EXPECT_EQ(text, "Cannot create File");
    EXPECT_FALSE(crypto.KeyRingsOpen());
    EXPECT_EQ(crypto.GetUserErrorMessage(), "Cannot create File [16]");
    EXPECT_EQ(crypto.DeleteKey("someone"), 1);
    EXPECT_EQ(crypto.LoadAgencyKeyText(nullptr, 0), CCrypto::kErrNoAgencyKey);
    const std::string sound = testsupport::ArmoredKey(testsupport::SamplePackets());
    EXPECT_EQ(crypto.LoadAgencyKeyText(&sound, 0), CCrypto::kErrCorruptAgencyKey);
}

TEST_F(CryptoTest, ErrorTextsAndUserMessages)
{
    const std::pair<int, const char*> texts[] = {
        {0, "No Error"},
        {12, "Invalid Parameter"},
        {13, "Bad User Key"},
        {14, "No Agency Key is present in this TVB file"},
        {15, "Corrupt Agency Key"},
        {17, "Cannot Save Proposal"},
        {18, "Zod Package is Corrupt"},
        {19, "Zod Package is out of date"},
        {20, "Invalid or Missing public key"},
        {21, "Unknown error 21"},
        {-11994, "Key ring is locked"},
        {-11500, "Bad passphrase"},
        {CPKC::kErrDigitalIdsUnavailable, "Digital IDs are not available in this build."},
    };
    for (const auto& [code, text] : texts) {
        CryptoWithCode crypto(code);
        int stored = 1;
        EXPECT_EQ(crypto.GetErrorCode(&stored), text);
        EXPECT_EQ(stored, code);
        crypto.ClearError();
        EXPECT_EQ(crypto.GetError(), 0);
    }
    EXPECT_EQ(CryptoWithCode(-11994).GetUserErrorMessage(),
              "Your Digital ID Keyring is locked.  You most likeley have another program running "
              "that is using the keyrings.");
    EXPECT_EQ(CryptoWithCode(-11500).GetUserErrorMessage(),
              "Your password is incorrect.  Choose 'Back' and re-enter the password for your "
              "digital ID.");
    EXPECT_EQ(CryptoWithCode(CPKC::kErrDigitalIdsUnavailable).GetUserErrorMessage(),
              "Digital IDs are not available in this build. [-11000]");
}

TEST_F(CryptoTest, AgencyKeyFromTheProposalsPlateOrRefusedWithItsCode)
{
    const std::string sound = testsupport::ArmoredKey(testsupport::SamplePackets());
    std::string wrongChecksum = sound;
    wrongChecksum.replace(wrongChecksum.find("\n=") + 2, 4, "AAAA");
    const struct {
        const char* name;
        std::string text;
        int expected;
    } cases[] = {
        {"no key words", "an agency note", CCrypto::kErrInvalidPublicKey},
        {"case counts", "-----BEGIN PGP public key BLOCK-----", CCrypto::kErrInvalidPublicKey},
        {"empty", "", CCrypto::kErrInvalidPublicKey},
        {"words only", "PUBLIC KEY", CCrypto::kErrCorruptAgencyKey},
        {"wrong checksum", wrongChecksum, CCrypto::kErrCorruptAgencyKey},
        {"truncated", sound.substr(0, sound.size() / 2), CCrypto::kErrCorruptAgencyKey},
    };
    CCrypto crypto(0);
    for (const auto& c : cases) {
        EXPECT_EQ(crypto.LoadAgencyKeyText(&c.text, 0), c.expected) << c.name;
        EXPECT_EQ(crypto.GetError(), c.expected) << c.name;
        EXPECT_FALSE(std::filesystem::exists(KeyFolder() + "/AgencyKey.asc")) << c.name;
    }
    EXPECT_EQ(crypto.LoadAgencyKeyText(nullptr, 0), CCrypto::kErrNoAgencyKey);
    EXPECT_EQ(crypto.LoadAgencyKey(nullptr, 0), CCrypto::kErrInvalidParameter);
    CProp proposal;
    EXPECT_EQ(crypto.LoadAgencyKey(&proposal, 0), CCrypto::kErrNoAgencyKey);
    proposal.SetPlate(kAgencyPublicKeyPlate, sound);
    EXPECT_EQ(crypto.LoadAgencyKey(&proposal, 0), 0);
    EXPECT_EQ(crypto.GetError(), 0);
    EXPECT_EQ(ReadTextFile(KeyFolder() + "/AgencyKey.asc"), sound);
}

// Each opening checks the key; the kept file is replaced only when it holds another text. A new
// file (the write goes through a rename) shows as a new inode.
TEST_F(CryptoTest, TheAgencyKeyIsWrittenOnlyWhenItChanged)
{
    const std::string key = testsupport::ArmoredKey(testsupport::SamplePackets());
    const std::string sameKeyOtherText = testsupport::ArmoredKey(testsupport::SamplePackets(), "\r\n");
    const std::string keyFile = KeyFolder() + "/AgencyKey.asc";
    const auto inode = [&] {
        struct stat info {};
        return stat(keyFile.c_str(), &info) == 0 ? info.st_ino : ino_t(0);
    };
    CCrypto crypto(0);
    ASSERT_EQ(crypto.LoadAgencyKeyText(&key, 0), 0);
    const ino_t written = inode();
    ASSERT_NE(written, ino_t(0));

    EXPECT_EQ(CCrypto(0).LoadAgencyKeyText(&key, 0), 0);
    EXPECT_EQ(inode(), written) << "the same key again";

    EXPECT_EQ(crypto.LoadAgencyKeyText(&sameKeyOtherText, 0), 0);
    EXPECT_EQ(ReadTextFile(keyFile), sameKeyOtherText);
    testsupport::WriteTextFile(keyFile, key + "tampered");
    EXPECT_EQ(crypto.LoadAgencyKeyText(&key, 0), 0);
    EXPECT_EQ(ReadTextFile(keyFile), key) << "a longer file is no match";
    testsupport::WriteTextFile(keyFile, key.substr(1));
    EXPECT_EQ(crypto.LoadAgencyKeyText(&key, 0), 0);
    EXPECT_EQ(ReadTextFile(keyFile), key) << "nor a shorter one";
}

TEST_F(CryptoTest, WorkingFolderFollowsTheLog)
{
    CCrypto crypto(0);
    EXPECT_EQ(crypto.GetWorkFolder(), ".");
    CSessionLog log("Submit");
    ASSERT_TRUE(log.IsOpen());
    EXPECT_EQ(crypto.SetLog(&log), 0);
    EXPECT_EQ(crypto.GetWorkFolder(), log.GetFolder());
    EXPECT_EQ(crypto.SetLog(nullptr), 0);
    EXPECT_EQ(crypto.GetWorkFolder(), ".");
}

TEST_F(CryptoTest, KeyRingOperationsStoreTheirCodes)
{
    CCrypto crypto(0);
    std::vector<std::string> identities{"stale"};
    EXPECT_EQ(crypto.ListKeysById("", identities), CPKC::kErrDigitalIdsUnavailable);
    EXPECT_TRUE(identities.empty());
    EXPECT_EQ(crypto.GetError(), CPKC::kErrDigitalIdsUnavailable);
    EXPECT_EQ(crypto.DeleteKey(""), 3);
    EXPECT_EQ(crypto.GetError(), 3);
    EXPECT_EQ(crypto.DeleteKey("Bidder <b@example.com>"), CPKC::kErrDigitalIdsUnavailable);
    crypto.ClearError();
    EXPECT_EQ(crypto.ExportKey("Bidder", m_folder / "out.asc", 1, 0), CPKC::kErrDigitalIdsUnavailable);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "out.asc"));
    crypto.ClearError();
    EXPECT_EQ(crypto.ImportKeyFile(m_folder / "in.asc", 0, 0, 0), CPKC::kErrDigitalIdsUnavailable);
    EXPECT_EQ(crypto.GetError(), CPKC::kErrDigitalIdsUnavailable);
    CPKC bare;
    EXPECT_EQ(bare.DeleteKey("Bidder"), 1);
}
