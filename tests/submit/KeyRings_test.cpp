// The key ring operations on the program's own GnuPG home, with keys made there and elsewhere by
// GnuPG's command line: listing, deleting, exporting and importing, and key rings that another
// program has locked or whose agent stops answering.
#include "submit/Crypto.h"

#include "tests/platform/armor/ArmorBuilder.h"
#include "tests/submit/KeyTestWorld.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gpg-error.h>
#include <gtest/gtest.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::ReadTextFile;
using testsupport::WriteTextFile;

namespace {

constexpr const char* kPat = "Pat Doe <pat@acme.example>";
constexpr const char* kAce = "Ace Paving <bids@acme.example>";

struct CryptoWithTimeLimit : CCrypto {
    explicit CryptoWithTimeLimit(std::chrono::milliseconds limit) { SetTimeLimit(limit); }
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// One character of the armour's body changed for another of the alphabet: the text still looks
// like armour, the checksum no longer fits. `fromEnd` counts body lines back from the checksum.
std::string Damaged(std::string armor, int fromEnd = 1)
{
    std::size_t line = armor.find("\n=");
    for (int i = 0; i <= fromEnd; ++i)
        line = armor.rfind('\n', line - 1);
    char& c = armor[line + 10];
    c = c == 'A' ? 'B' : 'A';
    return armor;
}

// The program's key rings, opened, with Pat's and Ace's keys made in them.
class KeyRings : public testing::Test {
protected:
    void SetUp() override
    {
        m_crypto = std::make_unique<CryptoWithTimeLimit>(std::chrono::seconds(20));
        ASSERT_EQ(m_crypto->GetError(), 0);
        m_pat = m_world.MakeKey(Home(), kPat);
        m_ace = m_world.MakeKey(Home(), kAce);
        ASSERT_FALSE(m_pat.empty());
        ASSERT_FALSE(m_ace.empty());
    }

    std::string Home() { return m_world.ProgramHome(); }
    std::vector<std::string> Public() { return m_world.Fingerprints(Home()); }
    std::vector<std::string> Secret() { return m_world.Fingerprints(Home(), "--list-secret-keys"); }
    std::vector<std::string> Listed(const std::string& identity = "")
    {
        std::vector<std::string> identities;
        EXPECT_EQ(m_crypto->ListKeysById(identity, identities), 0);
        return identities;
    }
    // A key made elsewhere, exported with its secret key into a file: the file's path.
    std::string ForeignKeyFile(const std::string& userId, const std::string& name)
    {
        const std::string fingerprint = m_world.MakeKey(m_world.MakerHome(), userId);
        const std::string file = m_world.Folder(name);
        WriteTextFile(file, m_world.ExportArmored(m_world.MakerHome(), fingerprint, true));
        return file;
    }
    int Import(const std::string& file) { return m_crypto->ImportKeyFile(file, 0, 0, 0); }

    testsupport::KeyTestWorld m_world;
    std::unique_ptr<CryptoWithTimeLimit> m_crypto;
    std::string m_pat;
    std::string m_ace;
};

} // namespace

TEST_F(KeyRings, ListTheIdentityOfEveryKeyOrOfTheMatchingOnes)
{
    EXPECT_EQ(Listed(), (std::vector<std::string>{kPat, kAce}));
    EXPECT_EQ(Listed("pat@"), std::vector<std::string>{kPat});
    EXPECT_TRUE(Listed("nobody").empty());
    // GnuPG keeps user IDs in UTF-8; the program shows Windows-1252 text.
    m_world.MakeKey(Home(), "Zo\xC3\xAB Brandt <zoe@acme.example>");
    EXPECT_EQ(Listed("Zo\xEB"), std::vector<std::string>{"Zo\xEB Brandt <zoe@acme.example>"});
}

TEST_F(KeyRings, DeleteRemovesThePublicAndTheSecretKeyOfExactlyThatIdentityWithoutAsking)
{
    EXPECT_EQ(m_crypto->DeleteKey(kPat), 0);
    EXPECT_EQ(m_crypto->GetError(), 0);
    EXPECT_EQ(Public(), std::vector<std::string>{m_ace});
    EXPECT_EQ(Secret(), std::vector<std::string>{m_ace});

    EXPECT_EQ(m_crypto->DeleteKey("Ace Paving"), -GPG_ERR_NOT_FOUND);
    EXPECT_EQ(m_crypto->GetErrorText(), "Not found");
    EXPECT_EQ(m_crypto->DeleteKey(""), CPKC::kErrNoIdentity);
    EXPECT_EQ(Public(), std::vector<std::string>{m_ace});

    m_world.MakeKey(Home(), "Zo\xC3\xAB Brandt <zoe@acme.example>");
    EXPECT_EQ(m_crypto->DeleteKey("Zo\xEB Brandt <zoe@acme.example>"), 0);
    EXPECT_EQ(Public(), std::vector<std::string>{m_ace});
}

TEST_F(KeyRings, OfTwoKeysWithOneIdentityDeleteTakesTheFirstListed)
{
    const std::string second = m_world.MakeKey(Home(), kPat);
    ASSERT_EQ(Listed(), (std::vector<std::string>{kPat, kAce, kPat}));
    EXPECT_EQ(m_crypto->DeleteKey(kPat), 0);
    EXPECT_EQ(Public(), (std::vector<std::string>{m_ace, second}));
}

TEST_F(KeyRings, ExportWritesThePublicKeyInArmourWithTheProgramsCommentLines)
{
    const std::string file = m_world.Folder("pat.asc");
    ASSERT_EQ(m_crypto->ExportKey(kPat, file, 1, 0), 0);
    const std::string exported = ReadTextFile(file);
    const std::vector<std::string> lines = Lines(exported);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "-----BEGIN PGP PUBLIC KEY BLOCK-----");
    EXPECT_EQ(lines[1], "Comment: Exported by Tarvello Zod");
    const std::string head = std::string("Comment: ") + kPat + " - Fingerprint: ";
    ASSERT_EQ(lines[2].substr(0, head.size()), head);
    std::string fingerprint = lines[2].substr(head.size());
    EXPECT_NE(fingerprint.find("  "), std::string::npos) << "the halves stand apart";
    fingerprint.erase(std::remove(fingerprint.begin(), fingerprint.end(), ' '), fingerprint.end());
    EXPECT_EQ(fingerprint, m_pat);
    EXPECT_EQ(exported.find("PRIVATE"), std::string::npos);

    const std::string elsewhere = m_world.Home("elsewhere");
    m_world.Gpg(elsewhere, "--import " + testsupport::Quoted(file));
    EXPECT_EQ(m_world.Fingerprints(elsewhere), std::vector<std::string>{m_pat});

    // Back into the program's own key rings after it was deleted there: the same key.
    ASSERT_EQ(m_crypto->DeleteKey(kPat), 0);
    EXPECT_EQ(Import(file), 0);
    EXPECT_EQ(Public(), (std::vector<std::string>{m_ace, m_pat}));
    EXPECT_EQ(Secret(), std::vector<std::string>{m_ace});
}

TEST_F(KeyRings, ExportWithoutArmourAndExportsThatFail)
{
    const std::string binary = m_world.Folder("pat.gpg");
    ASSERT_EQ(m_crypto->ExportKey(kPat, binary, 0, 0), 0);
    const std::string packets = ReadTextFile(binary);
    ASSERT_FALSE(packets.empty());
    EXPECT_EQ(uint8_t(packets[0]), 0x98) << "a public key packet";

    EXPECT_EQ(m_crypto->ExportKey(kPat, m_world.Folder("no such folder/pat.asc"), 1, 0), CPKC::kErrCannotCreateFile);
    EXPECT_EQ(m_crypto->GetErrorText(), "Cannot create File");
    EXPECT_EQ(m_crypto->ExportKey("Nobody <nobody@acme.example>", m_world.Folder("nobody.asc"), 1, 0),
              -GPG_ERR_NOT_FOUND);
    EXPECT_FALSE(std::filesystem::exists(m_world.Folder("nobody.asc")));
}

TEST_F(KeyRings, ImportTakesEveryKeyOfAGoodFile)
{
    EXPECT_EQ(Import(ForeignKeyFile("New Bidder <new@acme.example>", "new.asc")), 0);
    EXPECT_EQ(m_crypto->GetError(), 0);
    EXPECT_EQ(Listed(), (std::vector<std::string>{kPat, kAce, "New Bidder <new@acme.example>"}));
    EXPECT_EQ(Secret().size(), 3u);

    // Two keys in one armoured block, and two blocks, public and private, in one file.
    const std::string maker = m_world.MakerHome();
    const std::string first = m_world.MakeKey(maker, "First <first@acme.example>");
    const std::string second = m_world.MakeKey(maker, "Second <second@acme.example>");
    const std::string third = m_world.MakeKey(maker, "Third <third@acme.example>");
    WriteTextFile(m_world.Folder("two.asc"), m_world.ExportArmored(maker, first + " " + second));
    EXPECT_EQ(Import(m_world.Folder("two.asc")), 0);
    WriteTextFile(m_world.Folder("blocks.asc"), "Keys of Ace Paving\n\n" + m_world.ExportArmored(maker, first)
                                                    + "\n" + m_world.ExportArmored(maker, third, true));
    EXPECT_EQ(Import(m_world.Folder("blocks.asc")), 0);
    EXPECT_EQ(Listed().size(), 6u);
    // The keys already there, one of them in both its blocks: each key packet has its key.
    WriteTextFile(m_world.Folder("again.asc"),
                  m_world.ExportArmored(maker, second) + m_world.ExportArmored(maker, second, true));
    EXPECT_EQ(Import(m_world.Folder("again.asc")), 0);
    EXPECT_EQ(Import(m_world.Folder("blocks.asc")), 0);
    const std::vector<std::string> secret = Secret();
    EXPECT_EQ(std::count(secret.begin(), secret.end(), third), 1);
    EXPECT_EQ(std::count(secret.begin(), secret.end(), first), 0);
}

TEST_F(KeyRings, ADamagedFileIsRefusedWithTheToolkitsTextAndTheKeyRingsStayAsTheyWere)
{
    const std::string maker = m_world.MakerHome();
    const std::string key = m_world.MakeKey(maker, "New Bidder <new@acme.example>");
    const std::string armor = m_world.ExportArmored(maker, key, true);
    // GnuPG reads armour as it goes: without a check first, the keys before the damage in a
    // long file would be imported before the checksum is compared.
    std::string packets;
    for (int copy = 0; copy < 60; ++copy)
        packets += m_world.Gpg(maker, "--export " + key);
    const struct {
        const char* name;
        std::string text;
        int expected;
        const char* message;
    } cases[] = {
        {"a changed character", Damaged(armor), -GPG_ERR_CHECKSUM, "Checksum error"},
        {"damage late in a long file", Damaged(testsupport::ArmoredKey(packets)), -GPG_ERR_CHECKSUM, "Checksum error"},
        {"cut short", armor.substr(0, armor.size() / 2), -GPG_ERR_INV_ARMOR, "Invalid armor"},
        {"no checksum line", armor.substr(0, armor.find("\n=") + 1) + armor.substr(armor.find("-----END")),
         -GPG_ERR_INV_ARMOR, "Invalid armor"},
        {"a message, not a key", "-----BEGIN PGP MESSAGE-----\n\nAAAA\n=AAAA\n-----END PGP MESSAGE-----\n",
         -GPG_ERR_INV_ARMOR, "Invalid armor"},
        {"plain text", "Pat's digital ID\n", -GPG_ERR_NO_DATA, "No data"},
        {"empty", "", -GPG_ERR_NO_DATA, "No data"},
    };
    const std::vector<std::string> publicBefore = Public();
    const std::vector<std::string> secretBefore = Secret();
    for (const auto& c : cases) {
        const std::string file = m_world.Folder("damaged.asc");
        WriteTextFile(file, c.text);
        EXPECT_EQ(Import(file), c.expected) << c.name;
        EXPECT_EQ(m_crypto->GetErrorText(), c.message) << c.name;
        EXPECT_EQ(Public(), publicBefore) << c.name;
    }
    EXPECT_EQ(Import(m_world.Folder("missing.asc")), -GPG_ERR_ENOENT);
    EXPECT_EQ(m_crypto->GetErrorText(), "No such file or directory");
    EXPECT_EQ(Secret(), secretBefore);
}

// GnuPG's lock file names the holder's process and host; GnuPG would wait for as long as the
// holder lives.
TEST_F(KeyRings, AKeyRingLockedByAnotherProgramIsReportedAtOnce)
{
    const std::string lock = Home() + "/pubring.kbx.lock";
    utsname self{};
    ASSERT_EQ(uname(&self), 0);
    const auto lockBy = [&](pid_t holder) {
        char text[64];
        std::snprintf(text, sizeof text, "%10d\n", int(holder));
        WriteTextFile(lock, text + std::string(self.nodename) + "\n");
    };
    lockBy(getpid());
    EXPECT_EQ(m_crypto->DeleteKey(kPat), CPKC::kErrKeyRingLocked);
    EXPECT_EQ(m_crypto->GetUserErrorMessage(),
              "Your Digital ID Keyring is locked.  You most likeley have another program running "
              "that is using the keyrings.");
    const std::string file = ForeignKeyFile("New Bidder <new@acme.example>", "new.asc");
    EXPECT_EQ(Import(file), CPKC::kErrKeyRingLocked);
    EXPECT_EQ(Listed(), (std::vector<std::string>{kPat, kAce})) << "reading needs no lock";

    // A holder that has ended left a stale lock, which GnuPG takes over.
    const pid_t ended = fork();
    if (ended == 0)
        _exit(0);
    waitpid(ended, nullptr, 0);
    lockBy(ended);
    EXPECT_EQ(Import(file), 0);
    EXPECT_EQ(Listed(), (std::vector<std::string>{kPat, kAce, "New Bidder <new@acme.example>"}));
}

// A public key goes in without the agent; the secret key after it waits for the agent.
TEST_F(KeyRings, AnAgentThatStopsAnsweringIsGivenUpWhenTheTimeLimitPasses)
{
    const std::string maker = m_world.MakerHome();
    const std::string file = m_world.Folder("two.asc");
    const std::string first = m_world.ExportArmored(maker, m_world.MakeKey(maker, "First <first@acme.example>"));
    WriteTextFile(file, first + ReadTextFile(ForeignKeyFile("New Bidder <new@acme.example>", "new.asc")));
    const std::string reply = testsupport::Output("gpg-connect-agent --homedir " + testsupport::Quoted(Home())
                                                  + " 'getinfo pid' /bye");
    ASSERT_EQ(reply.substr(0, 2), "D ");
    const pid_t agent = pid_t(std::stol(reply.substr(2)));
    CryptoWithTimeLimit crypto(std::chrono::seconds(2));
    ASSERT_EQ(crypto.GetError(), 0);
    ASSERT_EQ(kill(agent, SIGSTOP), 0);
    const int result = crypto.ImportKeyFile(file, 0, 0, 0);
    // The pattern's bracket keeps the shell that runs pgrep from matching itself.
    const std::string pattern = "[-]-homedir " + Home() + " --status-fd";
    const std::string waiting = testsupport::Output("pgrep -f -- " + testsupport::Quoted(pattern));
    kill(agent, SIGCONT);
    EXPECT_EQ(result, -GPG_ERR_TIMEOUT);
    EXPECT_EQ(crypto.GetUserErrorMessage(), "Timeout [-62]");
    EXPECT_EQ(waiting, "") << "GnuPG still waits, and would import the key once the agent answers";
    const std::vector<std::string> named = crypto.KeysImportedBeforeFailure();
    ASSERT_FALSE(named.empty());
    EXPECT_EQ(named.front(), "First <first@acme.example>");
    std::vector<std::string> listed = Listed();
    listed.erase(listed.begin(), listed.begin() + 2);
    EXPECT_EQ(named, listed) << "every key the key rings took, and only those";
}

// GnuPG skips a key without a user ID and stops at packets it cannot read, and says which and why
// only in its own lines. Both fail alike: GnuPG's reason, and the keys it took named.
TEST_F(KeyRings, AFailedImportGivesGnuPGsReasonForWhatItRefusedAndNamesTheKeysItTook)
{
    const std::string maker = m_world.MakerHome();
    const std::string taken = m_world.MakeKey(maker, "New Bidder <new@acme.example>");
    const std::string nameless = m_world.MakeKey(maker, "Nameless <nameless@acme.example>");
    const std::string keyId = nameless.substr(nameless.size() - 16);
    const struct {
        const char* name;
        std::string text;
        std::string refused; // the key ID GnuPG names, if any
        const char* reason;
    } cases[] = {
        {"bytes that are no packet after a key", m_world.ExportArmoredWithBadPacket(maker, taken), "", "invalid packet"},
        {"a key without a user ID after a key",
         m_world.ExportArmored(maker, taken) + m_world.ExportArmoredWithoutUserIds(maker, nameless), keyId,
         "no user ID"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> before = Listed();
        const std::string file = m_world.Folder("refused.asc");
        WriteTextFile(file, c.text);
        EXPECT_EQ(Import(file), -GPG_ERR_NOT_PROCESSED) << c.name;
        EXPECT_EQ(m_crypto->GetErrorText(), "Data not processed") << c.name;
        const std::vector<std::string> refusals = m_crypto->ImportRefusals();
        const auto saysWhy = [&](const std::string& line) {
            return line.find(c.refused) != std::string::npos && line.find(c.reason) != std::string::npos;
        };
        EXPECT_TRUE(std::any_of(refusals.begin(), refusals.end(), saysWhy)) << c.name;
        for (const std::string& line : refusals) {
            EXPECT_EQ(line.find(taken.substr(taken.size() - 16)), std::string::npos) << line;
            EXPECT_EQ(line.find(Home()), std::string::npos) << line;
            EXPECT_EQ(line.find("processed"), std::string::npos) << "no counts: " << line;
        }
        std::vector<std::string> added = Listed();
        added.erase(added.begin(), added.begin() + std::ptrdiff_t(before.size()));
        EXPECT_EQ(m_crypto->KeysImportedBeforeFailure(), added) << c.name;
    }
    EXPECT_EQ(m_crypto->KeysImportedBeforeFailure(), std::vector<std::string>{"New Bidder <new@acme.example>"});

    EXPECT_EQ(Import(ForeignKeyFile("Third <third@acme.example>", "third.asc")), 0);
    EXPECT_TRUE(m_crypto->ImportRefusals().empty());
}
