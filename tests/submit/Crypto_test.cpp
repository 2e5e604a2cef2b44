// The cryptographic wrapper on a GnuPG home of the test's own: opening the key rings, the error
// texts and user messages, the working folder, the shared rings taken in once, and the agency key.
#include "submit/Crypto.h"

#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "submit/SessionLog.h"
#include "tests/platform/armor/ArmorBuilder.h"
#include "tests/submit/KeyTestWorld.h"

#include <filesystem>
#include <gpg-error.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::ReadTextFile;
using testsupport::ScopedEnvironment;
using testsupport::WriteTextFile;

namespace {

class CryptoTest : public testing::Test {
protected:
    std::vector<std::string> Listed(CCrypto& crypto)
    {
        std::vector<std::string> identities;
        EXPECT_EQ(crypto.ListKeysById("", identities), 0);
        return identities;
    }

    testsupport::KeyTestWorld m_world;
};

// Sets any stored code, as a failed operation would.
struct CryptoWithCode : CCrypto {
    explicit CryptoWithCode(int code) { StoreError(code); }
};

constexpr const char* kAgency = "Department of Transportation Bid Key <bids@dot.example.gov>";

} // namespace

TEST_F(CryptoTest, OpensAGnuPGHomeOfItsOwnForTheOwnerAndStopsItsAgentWhenClosed)
{
    const std::string home = m_world.ProgramHome();
    {
        CCrypto crypto(0);
        EXPECT_EQ(crypto.GetError(), 0);
        EXPECT_TRUE(crypto.KeyRingsOpen());
        EXPECT_EQ(crypto.GetKeyFolder(), home);
        EXPECT_TRUE(Listed(crypto).empty());
        EXPECT_TRUE(std::filesystem::exists(home + "/S.gpg-agent"));
    }
    struct stat info{};
    ASSERT_EQ(stat(home.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_FALSE(std::filesystem::exists(home + "/S.gpg-agent")) << "the agent is still running";
    EXPECT_FALSE(std::filesystem::exists(m_world.Folder("home/.gnupg")));
}

TEST_F(CryptoTest, AKeyFolderThatCannotBeMadeIsStoredNotThrown)
{
    std::filesystem::create_directories(m_world.Folder("data/Tarvello"));
    WriteTextFile(m_world.Folder("data/Tarvello/KeyData"), "a file where the folder belongs");
    CCrypto crypto(0);
    std::string text;
    EXPECT_EQ(crypto.GetError(&text), CCrypto::kErrCannotCreateFile);
    EXPECT_EQ(text, "Cannot create File");
    EXPECT_FALSE(crypto.KeyRingsOpen());
    EXPECT_EQ(crypto.GetUserErrorMessage(), "Cannot create File [16]");
    std::vector<std::string> identities{"stale"};
    EXPECT_EQ(crypto.ListKeysById("", identities), CPKC::kErrKeyRingsClosed);
    EXPECT_TRUE(identities.empty());
    EXPECT_EQ(crypto.DeleteKey("someone"), CPKC::kErrKeyRingsClosed);
    EXPECT_EQ(crypto.ExportKey("someone", m_world.Folder("out.asc"), 1, 0), CPKC::kErrKeyRingsClosed);
    EXPECT_EQ(crypto.ImportKeyFile(m_world.Folder("in.asc"), 0, 0, 0), CPKC::kErrKeyRingsClosed);
    EXPECT_EQ(crypto.LoadAgencyKeyText(nullptr, 0), CCrypto::kErrNoAgencyKey);
    const std::string sound = testsupport::ArmoredKey(testsupport::SamplePackets());
    EXPECT_EQ(crypto.LoadAgencyKeyText(&sound, 0), CCrypto::kErrCorruptAgencyKey);
}

// GnuPG's agent listens on a socket in the home, and a socket's path has a length limit: a
// home too deep for it leaves the toolkit without its agent, which is said at once.
TEST_F(CryptoTest, AnAgentThatCannotStartIsAClearErrorNotAHang)
{
    const std::string deep = m_world.Folder(std::string(100, 'd'));
    ScopedEnvironment data("XDG_DATA_HOME", deep.c_str());
    CCrypto crypto(0);
    EXPECT_EQ(crypto.GetError(), -GPG_ERR_NO_AGENT);
    EXPECT_FALSE(crypto.KeyRingsOpen());
    EXPECT_EQ(crypto.GetUserErrorMessage(), "No agent running [-77]");
}

TEST_F(CryptoTest, ErrorTextsAreTheProgramsOwnOrTheToolkitsAndTwoUserMessagesAreFixed)
{
    const std::pair<int, const char*> texts[] = {
        {0, "No Error"},
        {12, "Invalid Parameter"},
        {13, "Bad User Key"},
        {14, "No Agency Key is present in this TVB file"},
        {15, "Corrupt Agency Key"},
        {16, "Cannot create File"},
        {17, "Cannot Save Proposal"},
        {18, "Zod Package is Corrupt"},
        {19, "Zod Package is out of date"},
        {20, "Invalid or Missing public key"},
        {1, "Unknown error 1"},
        {21, "Unknown error 21"},
        {CPKC::kErrKeyRingLocked, "Locked"},
        {CPKC::kErrBadPassword, "Bad passphrase"},
        {-GPG_ERR_CHECKSUM, "Checksum error"},
        {-GPG_ERR_NO_DATA, "No data"},
    };
    for (const auto& [code, text] : texts) {
        CryptoWithCode crypto(code);
        int stored = 1;
        EXPECT_EQ(crypto.GetErrorCode(&stored), text);
        EXPECT_EQ(stored, code);
        std::string viaError;
        EXPECT_EQ(crypto.GetError(&viaError), code);
        EXPECT_EQ(viaError, text);
        crypto.ClearError();
        EXPECT_EQ(crypto.GetError(), 0);
    }
    EXPECT_EQ(CryptoWithCode(CPKC::kErrKeyRingLocked).GetUserErrorMessage(),
              "Your Digital ID Keyring is locked.  You most likeley have another program running "
              "that is using the keyrings.");
    EXPECT_EQ(CryptoWithCode(CPKC::kErrBadPassword).GetUserErrorMessage(),
              "Your password is incorrect.  Choose 'Back' and re-enter the password for your "
              "digital ID.");
    EXPECT_EQ(CryptoWithCode(-GPG_ERR_NO_DATA).GetUserErrorMessage(), "No data [-58]");
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

// The shared folder holds the rings as binary key packets: public keys in one, secret keys in
// the other.
TEST_F(CryptoTest, TheSharedFoldersRingsAreTakenInOnceWhileTheKeyRingsHoldNoKeys)
{
    const std::string maker = m_world.MakerHome();
    const std::string first = m_world.MakeKey(maker, "Pat Doe <pat@acme.example>");
    const std::string second = m_world.MakeKey(maker, "Ace Paving <bids@acme.example>");
    const std::string shared = m_world.Folder("common/DigitalIds");
    std::filesystem::create_directories(shared);
    WriteTextFile(shared + "/pubring.pkr", m_world.Gpg(maker, "--export"));
    WriteTextFile(shared + "/secring.skr", m_world.Gpg(maker, "--export-secret-keys"));
    {
        CCrypto crypto(0);
        ASSERT_EQ(crypto.GetError(), 0);
        EXPECT_EQ(Listed(crypto),
                  (std::vector<std::string>{"Pat Doe <pat@acme.example>", "Ace Paving <bids@acme.example>"}));
        EXPECT_EQ(m_world.Fingerprints(m_world.ProgramHome(), "--list-secret-keys"),
                  (std::vector<std::string>{first, second}));
        ASSERT_EQ(crypto.DeleteKey("Pat Doe <pat@acme.example>"), 0);
        ASSERT_EQ(crypto.DeleteKey("Ace Paving <bids@acme.example>"), 0);
    }
    CCrypto again(0);
    EXPECT_EQ(again.GetError(), 0);
    EXPECT_TRUE(Listed(again).empty()) << "the shared rings came in a second time";
}

TEST_F(CryptoTest, KeyRingsWithKeysOfTheirOwnDoNotTakeTheSharedRings)
{
    const std::string shared = m_world.Folder("common/DigitalIds");
    std::filesystem::create_directories(shared);
    const std::string maker = m_world.MakerHome();
    m_world.MakeKey(maker, "Shared <shared@acme.example>");
    WriteTextFile(shared + "/pubring.pkr", m_world.Gpg(maker, "--export"));
    WriteTextFile(shared + "/secring.skr", m_world.Gpg(maker, "--export-secret-keys"));
    std::filesystem::create_directories(m_world.ProgramHome());
    chmod(m_world.ProgramHome().c_str(), 0700);
    m_world.MakeKey(m_world.ProgramHome(), "Own <own@acme.example>");
    CCrypto crypto(0);
    EXPECT_EQ(crypto.GetError(), 0);
    EXPECT_EQ(Listed(crypto), std::vector<std::string>{"Own <own@acme.example>"});
}

TEST_F(CryptoTest, DamagedSharedRingsLeaveTheKeyRingsUnopenedUntilMended)
{
    const std::string shared = m_world.Folder("common/DigitalIds");
    std::filesystem::create_directories(shared);
    WriteTextFile(shared + "/pubring.pkr", "not a key ring");
    WriteTextFile(shared + "/secring.skr", "");
    EXPECT_EQ(CCrypto(0).GetError(), -GPG_ERR_NO_DATA);
    const std::string maker = m_world.MakerHome();
    m_world.MakeKey(maker, "Shared <shared@acme.example>");
    WriteTextFile(shared + "/pubring.pkr", m_world.Gpg(maker, "--export"));
    CCrypto mended(0);
    EXPECT_EQ(mended.GetError(), 0);
    EXPECT_EQ(Listed(mended), std::vector<std::string>{"Shared <shared@acme.example>"});
}

TEST_F(CryptoTest, TheSamplesAgencyKeyIsImportedIntoTheKeyRings)
{
    std::unique_ptr<CProp> sample;
    ASSERT_EQ(LoadTvbFile(sample, std::string(ZOD_SAMPLES) + "/sample.tvb", false), 0);
    CCrypto crypto(0);
    EXPECT_EQ(crypto.LoadAgencyKey(sample.get(), 0), 0);
    EXPECT_EQ(crypto.GetError(), 0);
    EXPECT_EQ(Listed(crypto), std::vector<std::string>{kAgency});
    EXPECT_TRUE(m_world.Fingerprints(m_world.ProgramHome(), "--list-secret-keys").empty());
    EXPECT_EQ(crypto.LoadAgencyKey(sample.get(), 0), 0) << "the same key again";
    EXPECT_EQ(Listed(crypto), std::vector<std::string>{kAgency});
}

// An opening skips the import only while the key rings are as the import of that very key left them.
TEST_F(CryptoTest, AnAgencyKeyIsHeldOnlyWhileTheKeyRingsStayAsItsImportLeftThem)
{
    const std::string maker = m_world.MakerHome();
    const std::string agency = m_world.ExportArmored(maker, m_world.MakeKey(maker, kAgency));
    const std::string other = m_world.ExportArmored(maker, m_world.MakeKey(maker, "Other <o@other.example.gov>"));
    std::string agencyCrLf;
    for (char c : agency)
        agencyCrLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency)) << "nothing imported yet";
    CCrypto crypto(0);
    ASSERT_EQ(crypto.LoadAgencyKeyText(&agency, 0), 0);
    EXPECT_TRUE(CCrypto::HoldsAgencyKey(agency));
    EXPECT_TRUE(CCrypto::HoldsAgencyKey(agencyCrLf)) << "the same key in other line ends";
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(other));
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency.substr(0, agency.size() / 2)));
    ASSERT_EQ(crypto.LoadAgencyKeyText(&agency, 0), 0) << "again, as a second opening without the record";
    EXPECT_TRUE(CCrypto::HoldsAgencyKey(agency)) << "an unchanged key leaves the rings as they were";

    const std::string record = m_world.ProgramHome() + "/AgencyKeyImported";
    const std::string kept = ReadTextFile(record);
    for (const std::string& damaged : {kept + "x", kept.substr(0, kept.size() - 1), std::string()}) {
        WriteTextFile(record, damaged);
        EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency)) << damaged.size();
    }
    // The key never expires; the record's line for it, rewritten.
    const std::size_t until = kept.find("until never\n");
    ASSERT_NE(until, std::string::npos);
    const auto withUntil = [&](const std::string& line) { return kept.substr(0, until) + line + kept.substr(until + 12); };
    for (const char* line : {"until 1\n", "until 0\n", "until -4102444800\n", "until 04102444800\n",
                             "until 4102444800x\n", "until 99999999999999999999999\n", "until  never\n",
                             "until never", "until\n", "", "until 4102444800\nuntil never\n"}) {
        WriteTextFile(record, withUntil(line));
        EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency)) << line;
    }
    WriteTextFile(record, withUntil("until 4102444800\n"));
    EXPECT_TRUE(CCrypto::HoldsAgencyKey(agency)) << "a key that expires in 2100";
    WriteTextFile(record, kept);
    ASSERT_EQ(crypto.LoadAgencyKeyText(&other, 0), 0);
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency)) << "the record names the last key taken";
    ASSERT_EQ(crypto.LoadAgencyKeyText(&agency, 0), 0);
    ASSERT_TRUE(CCrypto::HoldsAgencyKey(agency));
    ASSERT_EQ(crypto.DeleteKey(kAgency), 0);
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency)) << "deleted since";
}

TEST_F(CryptoTest, AnAgencyPlateIsRefusedWithItsCodeAndNothingOfItReachesTheKeyRings)
{
    const std::string maker = m_world.MakerHome();
    const std::string agency = m_world.MakeKey(maker, kAgency);
    const std::string other = m_world.MakeKey(maker, "Other Agency <keys@other.example.gov>");
    m_world.Gpg(maker, "--quick-gen-key 'Signing Only <sign@dot.example.gov>' ed25519 sign never");
    const std::string sound = m_world.ExportArmored(maker, agency);
    std::string wrongChecksum = sound;
    wrongChecksum.replace(wrongChecksum.find("\n=") + 2, 4, "AAAA");
    // A secret key under public key lines: the armour is sound, the key is not the agency's to give.
    std::string secret = m_world.ExportArmored(maker, agency, true);
    for (int line = 0; line < 2; ++line)
        secret.replace(secret.find("PRIVATE KEY BLOCK"), 17, "PUBLIC KEY BLOCK");
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
        {"sound armour, no key in it", testsupport::ArmoredKey(testsupport::SamplePackets()),
         CCrypto::kErrCorruptAgencyKey},
        {"a secret key", secret, CCrypto::kErrCorruptAgencyKey},
        {"two keys", m_world.ExportArmored(maker, agency + " " + other), CCrypto::kErrCorruptAgencyKey},
        {"a key that cannot encrypt", m_world.ExportArmored(maker, "sign@dot.example.gov"),
         CCrypto::kErrCorruptAgencyKey},
    };
    CCrypto crypto(0);
    for (const auto& c : cases) {
        EXPECT_EQ(crypto.LoadAgencyKeyText(&c.text, 0), c.expected) << c.name;
        EXPECT_EQ(crypto.GetError(), c.expected) << c.name;
    }
    EXPECT_TRUE(Listed(crypto).empty());
    EXPECT_EQ(crypto.LoadAgencyKeyText(nullptr, 0), CCrypto::kErrNoAgencyKey);
    EXPECT_EQ(crypto.LoadAgencyKey(nullptr, 0), CCrypto::kErrInvalidParameter);
    CProp proposal;
    EXPECT_EQ(crypto.LoadAgencyKey(&proposal, 0), CCrypto::kErrNoAgencyKey);
    proposal.SetPlate(kAgencyPublicKeyPlate, sound);
    EXPECT_EQ(crypto.LoadAgencyKey(&proposal, 0), 0);
    EXPECT_EQ(Listed(crypto), std::vector<std::string>{kAgency});
}

// The plate's key is sound at the first opening; its only encryption subkey expires after it.
TEST_F(CryptoTest, AnAgencyKeyIsHeldOnlyUntilItsEncryptionSubkeyExpires)
{
    CCrypto crypto(0);
    const std::string maker = m_world.MakerHome();
    m_world.Gpg(maker, "--quick-gen-key " + testsupport::Quoted(kAgency) + " ed25519 sign never");
    const std::string key = m_world.Fingerprints(maker).front();
    m_world.Gpg(maker, "--quick-add-key " + key + " cv25519 encr seconds=8");
    const std::string agency = m_world.ExportArmored(maker, key);
    ASSERT_EQ(crypto.LoadAgencyKeyText(&agency, 0), 0);
    ASSERT_TRUE(CCrypto::HoldsAgencyKey(agency));
    m_world.WaitForExpiry(maker, key);
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency));
    EXPECT_EQ(crypto.LoadAgencyKeyText(&agency, 0), CCrypto::kErrCorruptAgencyKey) << "as a fresh check finds it";
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency));
}

// GnuPG keeps public keys where its configuration says: a newer GnuPG in public-keys.d, or any
// keyring named in gpg.conf. Without a ring file of the home to stamp, nothing tells a record
// that the key was deleted since.
TEST_F(CryptoTest, AnAgencyKeyIsHeldOnlyWhileARingFileOfTheHomeStandsForIt)
{
    const std::string maker = m_world.MakerHome();
    const std::string agency = m_world.ExportArmored(maker, m_world.MakeKey(maker, kAgency));
    const std::string home = m_world.Home("data/Tarvello/KeyData");
    std::filesystem::create_directories(home + "/public-keys.d");
    WriteTextFile(home + "/gpg.conf", "no-default-keyring\nkeyring " + m_world.Folder("elsewhere.kbx") + "\n");
    CCrypto crypto(0);
    ASSERT_EQ(crypto.LoadAgencyKeyText(&agency, 0), 0);
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency)) << "no ring file in the home";

    WriteTextFile(home + "/gpg.conf", "no-default-keyring\nkeyring " + home + "/public-keys.d/pubring.db\n");
    ASSERT_EQ(crypto.LoadAgencyKeyText(&agency, 0), 0);
    ASSERT_FALSE(std::filesystem::exists(home + "/pubring.kbx"));
    EXPECT_TRUE(CCrypto::HoldsAgencyKey(agency));
    ASSERT_EQ(crypto.DeleteKey(kAgency), 0);
    EXPECT_FALSE(CCrypto::HoldsAgencyKey(agency)) << "deleted from public-keys.d";
}
