// The Digital IDs dialog on the bidder's real key rings (a GnuPG home of the test's own, with keys
// made by GnuPG's command line), worked with clicks on its list and buttons; and the sample's
// agency key as the opening brings it, seen through the Digital IDs command of the menu.
#include "app/dialogs/Signatures.h"
#include "app/startup/BidApp.h"
#include "model/files/TvbFile.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/dialogs/DialogTestSupport.h"
#include "tests/platform/armor/ArmorBuilder.h"
#include "tests/submit/KeyTestWorld.h"
#include "tests/support/ModalSteps.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <filesystem>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

using dialogtest::ClickLine;
using dialogtest::Lines;

constexpr const char* kPat = "Pat Doe <pat@acme.example>";
constexpr const char* kAce = "Ace Paving <bids@acme.example>";
constexpr const char* kNew = "New Bidder <new@acme.example>";
constexpr const char* kOther = "Other Bidder <other@acme.example>";
constexpr const char* kAgency = "Department of Transportation Bid Key <bids@dot.example.gov>";

// A message's paragraphs, split at its empty lines.
std::vector<std::string> Paragraphs(const std::string& message)
{
    std::vector<std::string> paragraphs;
    std::size_t at = 0;
    for (std::size_t end; (end = message.find("\n\n", at)) != std::string::npos; at = end + 2)
        paragraphs.push_back(message.substr(at, end - at));
    paragraphs.push_back(message.substr(at));
    return paragraphs;
}

// The process works in the folder while this lives: Qt's file dialogs open there.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : m_was(std::filesystem::current_path())
    {
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(m_was); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path m_was;
};

QLineEdit* NameBox(QWidget* fileDialog)
{
    return fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// Qt's file dialog once it has listed its folder: the files it shows under the chosen type, each
// clicked in turn (the last one stays chosen).
std::vector<std::string> ClickEveryFileListed(QWidget* fileDialog)
{
    auto* files = fileDialog->findChild<QListView*>(QStringLiteral("listView"));
    if (!files || !QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) > 0; }))
        return {};
    QApplication::processEvents();
    std::vector<std::string> names;
    for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row) {
        const QModelIndex file = files->model()->index(row, 0, files->rootIndex());
        names.push_back(file.data().toString().toStdString());
        QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, files->visualRect(file).center());
    }
    return names;
}

// A message box's text, read and answered with Enter.
testsupport::ModalStep ReadMessage(std::vector<std::string>& told)
{
    return {testsupport::OfClass<QMessageBox>(), [&told](QWidget* box) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(box));
                told.push_back(qobject_cast<QMessageBox*>(box)->text().toStdString());
                QTest::keyClick(box, Qt::Key_Return);
            }};
}

class RealDigitalIds : public dialogtest::DialogTest {
protected:
    CWnd* Item(UINT id) { return m_dialog.GetDlgItem(id); }
    // The program's key rings with Pat's and Ace's keys made in them.
    std::string HomeWithTwoKeys()
    {
        const std::string home = m_world.Home("data/Tarvello/KeyData");
        m_pat = m_world.MakeKey(home, kPat);
        m_ace = m_world.MakeKey(home, kAce);
        return home;
    }

    testsupport::KeyTestWorld m_world; // after the base: its data folder is the one used
    CBidApp m_app;
    CSignatures m_dialog;
    std::string m_pat;
    std::string m_ace;
};

} // namespace

TEST_F(RealDigitalIds, ListDeleteExportAndImportWorkOnTheKeyRings)
{
    const std::string home = HomeWithTwoKeys();
    const std::string maker = m_world.MakerHome();
    const std::string made = m_world.MakeKey(maker, kNew);
    const std::string good = m_world.Folder("new.asc");
    testsupport::WriteTextFile(good, m_world.ExportArmored(maker, made, true));
    const std::string damaged = m_world.Folder("damaged.asc");
    std::string armor = m_world.ExportArmored(maker, made);
    char& letter = armor[armor.find("\n\n") + 12];
    letter = letter == 'A' ? 'B' : 'A'; // still armour, but the checksum no longer fits
    testsupport::WriteTextFile(damaged, armor);
    const std::string exported = m_world.Folder("ace.asc");

    std::vector<std::string> listed, afterDelete, afterImport, afterDamaged;
    Run(m_dialog, [&] {
        CWnd* list = Item(CSignatures::IDC_LIST);
        listed = Lines(list);
        ClickLine(list, 0);
        m_script.AnswerMessageBox(IDYES);
        dialogtest::Click(Item(CSignatures::IDC_DELETE_ID));
        afterDelete = Lines(list);
        ClickLine(list, 0);
        m_script.AnswerFile(exported);
        dialogtest::Click(Item(CSignatures::IDC_EXPORT_ID));
        m_script.AnswerFile(good);
        dialogtest::Click(Item(CSignatures::IDC_IMPORT_ID));
        afterImport = Lines(list);
        m_script.AnswerFile(damaged);
        dialogtest::Click(Item(CSignatures::IDC_IMPORT_ID));
        afterDamaged = Lines(list);
        ClickLine(list, 0);
        m_script.AnswerFile(m_world.Folder("no such folder/ace.asc"));
        dialogtest::Click(Item(CSignatures::IDC_EXPORT_ID));
    });
    EXPECT_EQ(listed, (std::vector<std::string>{kPat, kAce}));
    EXPECT_EQ(afterDelete, std::vector<std::string>{kAce});
    EXPECT_EQ(afterImport, (std::vector<std::string>{kAce, kNew}));
    EXPECT_EQ(afterDamaged, afterImport);
    EXPECT_EQ(m_world.Fingerprints(home), (std::vector<std::string>{m_ace, made}));
    EXPECT_EQ(m_world.Fingerprints(home, "--list-secret-keys"), (std::vector<std::string>{m_ace, made}));
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{std::string("Are you sure you want to delete this ID\n") + kPat + " ?",
                                                 "Key Successfully exported to file:\n" + exported,
                                                 "Key Successfully imported from file:\n" + good,
                                                 "Could not import key:\nChecksum error",
                                                 "Could not export key:\nCannot create File"}));
    EXPECT_EQ(m_script.FileDialogs()[0].initialName, "Ace Paving (bids@acme.example).asc");
    const std::string written = testsupport::ReadTextFile(exported);
    EXPECT_EQ(written.substr(0, written.find("\n", written.find("\n") + 1)),
              "-----BEGIN PGP PUBLIC KEY BLOCK-----\nComment: Exported by Tarvello Zod");
}

// GnuPG takes a file's keys one by one: one it skips fails the import after those before it got
// in; packets it cannot read fail it with the keys in their block. Either way GnuPG's reason.
TEST_F(RealDigitalIds, AFailedImportSaysWhyAndNamesTheKeysItLeftInTheKeyRings)
{
    const std::string home = HomeWithTwoKeys();
    const std::string maker = m_world.MakerHome();
    const std::string made = m_world.MakeKey(maker, kNew);
    const std::string nameless = m_world.MakeKey(maker, "Nameless <nameless@acme.example>");
    const std::string badPacket = m_world.Folder("bad packet.asc");
    testsupport::WriteTextFile(badPacket, m_world.ExportArmoredWithBadPacket(maker, made));
    const std::string partly = m_world.Folder("partly.asc");
    testsupport::WriteTextFile(partly, m_world.ExportArmored(maker, made)
                                           + m_world.ExportArmoredWithoutUserIds(maker, nameless));
    const std::string large = m_world.Folder("large.asc");
    testsupport::WriteTextFile(large, "");
    std::filesystem::resize_file(large, 17 << 20);

    std::vector<std::string> afterBadPacket, afterPartly;
    Run(m_dialog, [&] {
        m_script.AnswerFile(badPacket);
        dialogtest::Click(Item(CSignatures::IDC_IMPORT_ID));
        afterBadPacket = Lines(Item(CSignatures::IDC_LIST));
        m_script.AnswerFile(partly);
        dialogtest::Click(Item(CSignatures::IDC_IMPORT_ID));
        afterPartly = Lines(Item(CSignatures::IDC_LIST));
        m_script.AnswerFile(large);
        dialogtest::Click(Item(CSignatures::IDC_IMPORT_ID));
    });
    EXPECT_EQ(afterBadPacket, (std::vector<std::string>{kPat, kAce}));
    EXPECT_EQ(afterPartly, (std::vector<std::string>{kPat, kAce, kNew}));
    EXPECT_EQ(m_world.Fingerprints(home), (std::vector<std::string>{m_pat, m_ace, made}));
    const std::vector<std::string> messages = MessageTexts();
    ASSERT_EQ(messages.size(), 3u);
    const std::vector<std::string> refusedPacket = Paragraphs(messages[0]);
    ASSERT_EQ(refusedPacket.size(), 2u) << messages[0];
    EXPECT_EQ(refusedPacket[0], "Could not import key:\nData not processed");
    EXPECT_EQ(refusedPacket[1].rfind("Refused by GnuPG:\n", 0), 0u) << messages[0];
    EXPECT_NE(refusedPacket[1].find("invalid packet"), std::string::npos) << messages[0];
    const std::vector<std::string> refusedKey = Paragraphs(messages[1]);
    ASSERT_EQ(refusedKey.size(), 3u) << messages[1];
    EXPECT_EQ(refusedKey[0], "Could not import key:\nData not processed");
    EXPECT_EQ(refusedKey[1].rfind("Refused by GnuPG:\nkey " + nameless.substr(nameless.size() - 16) + ": ", 0), 0u)
        << messages[1];
    EXPECT_NE(refusedKey[1].find("no user ID"), std::string::npos) << messages[1];
    EXPECT_EQ(refusedKey[2], std::string("Imported before the failure:\n") + kNew);
    EXPECT_EQ(messages[2], "Could not import key:\nFile too large");
}

// GnuPG passes over a key packet of a version it cannot read, and drops a key that damaged bytes
// cut short, without a word in its counts: each file held a key more than the key rings took.
TEST_F(RealDigitalIds, AFileWithAKeyGnuPGLeftOutIsNoSuccess)
{
    const std::string home = HomeWithTwoKeys();
    const std::string maker = m_world.MakerHome();
    const std::string taken[] = {m_world.MakeKey(maker, kNew), m_world.MakeKey(maker, kOther)};
    const std::string lost = m_world.MakeKey(maker, "Lost <lost@acme.example>"); // exported last
    const std::string files[] = {m_world.Folder("unknown version.asc"), m_world.Folder("bad packet.asc")};
    testsupport::WriteTextFile(files[0], m_world.ExportArmoredWithUnknownVersion(maker, taken[0], lost));
    testsupport::WriteTextFile(files[1], m_world.ExportArmoredWithBadPacket(maker, taken[1] + " " + lost));

    std::vector<std::string> listed;
    Run(m_dialog, [&] {
        for (const std::string& file : files) {
            m_script.AnswerFile(file);
            dialogtest::Click(Item(CSignatures::IDC_IMPORT_ID));
        }
        listed = Lines(Item(CSignatures::IDC_LIST));
    });
    EXPECT_EQ(listed, (std::vector<std::string>{kPat, kAce, kNew, kOther}));
    EXPECT_EQ(m_world.Fingerprints(home), (std::vector<std::string>{m_pat, m_ace, taken[0], taken[1]}));
    const std::vector<std::string> messages = MessageTexts();
    ASSERT_EQ(messages.size(), 2u);
    // GPGME's name for the data ("-&20") gives way to the file's path.
    const std::string reasons[] = {"packet(6) with unknown version 9", "import from '" + files[1] + "' failed"};
    const char* identities[] = {kNew, kOther};
    for (int file = 0; file < 2; ++file) {
        const std::vector<std::string> paragraphs = Paragraphs(messages[file]);
        ASSERT_EQ(paragraphs.size(), 3u) << messages[file];
        EXPECT_EQ(paragraphs[0], "Could not import key:\nData not processed");
        EXPECT_EQ(paragraphs[1].rfind("Refused by GnuPG:\n", 0), 0u) << messages[file];
        EXPECT_NE(paragraphs[1].find(reasons[file]), std::string::npos) << messages[file];
        EXPECT_EQ(paragraphs[2], std::string("Imported before the failure:\n") + identities[file]);
    }
}

// Qt's own file dialogs: Export's offered name kept with Enter, then Import under "ID Files (*.asc)".
// The identity's e-mail has a dot, which the offered name must not leave as its extension.
TEST_F(RealDigitalIds, AnIdExportedUnderTheOfferedNameIsListedByImport)
{
    HomeWithTwoKeys();
    const std::string folder = m_world.Folder("ids");
    const CurrentFolder here(folder);
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    std::string offered;
    std::vector<std::string> listed, told;
    testsupport::ModalSteps user({
        {testsupport::Titled("Digital IDs"),
         [&](QWidget*) {
             ClickLine(Item(CSignatures::IDC_LIST), 1);
             dialogtest::Click(Item(CSignatures::IDC_EXPORT_ID));
             dialogtest::Click(Item(CSignatures::IDC_IMPORT_ID));
             dialogtest::Click(Item(IDOK));
         }},
        {testsupport::OfClass<QFileDialog>(),
         [&](QWidget* dialog) {
             ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
             ASSERT_NE(NameBox(dialog), nullptr);
             offered = NameBox(dialog)->text().toStdString();
             QTest::keyClick(NameBox(dialog), Qt::Key_Return);
         }},
        ReadMessage(told),
        {testsupport::OfClass<QFileDialog>(),
         [&](QWidget* dialog) {
             ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
             listed = ClickEveryFileListed(dialog);
             ASSERT_NE(NameBox(dialog), nullptr);
             QTest::keyClick(NameBox(dialog), Qt::Key_Return);
         }},
        ReadMessage(told),
    });
    EXPECT_EQ(m_dialog.DoModal(), IDOK);
    EXPECT_TRUE(user.AllDone());
    EXPECT_EQ(user.Strays(), 0);
    const std::string name = "Ace Paving (bids@acme.example).asc";
    EXPECT_EQ(offered, name);
    EXPECT_EQ(listed, std::vector<std::string>{name});
    const std::string path = std::filesystem::canonical(folder) / name;
    EXPECT_EQ(told, (std::vector<std::string>{"Key Successfully exported to file:\n" + path,
                                              "Key Successfully imported from file:\n" + path}));
}

// GnuPG's lock file names the holder's process and host: another program is at work on the rings.
TEST_F(RealDigitalIds, ADeleteThatTheLockedKeyRingsRefuseSaysNothingAndKeepsTheLine)
{
    const std::string home = HomeWithTwoKeys();
    utsname self{};
    ASSERT_EQ(uname(&self), 0);
    testsupport::WriteTextFile(home + "/pubring.kbx.lock",
                               std::to_string(getpid()) + "\n" + self.nodename + "\n");
    m_app.m_bDeleteWarn = 0;
    std::vector<std::string> lines;
    Run(m_dialog, [&] {
        ClickLine(Item(CSignatures::IDC_LIST), 1);
        dialogtest::Click(Item(CSignatures::IDC_DELETE_ID));
        lines = Lines(Item(CSignatures::IDC_LIST));
    });
    EXPECT_EQ(lines, (std::vector<std::string>{kPat, kAce}));
    EXPECT_TRUE(m_script.MessageBoxes().empty());
    EXPECT_EQ(m_world.Fingerprints(home), (std::vector<std::string>{m_pat, m_ace}));
}

// The agent's socket lies in the key rings' folder, and a socket path has a length limit.
TEST_F(RealDigitalIds, KeyRingsWithoutTheirAgentCloseTheDialogWithTheToolkitsWord)
{
    const std::string deep = m_world.Folder(std::string(100, 'd'));
    testsupport::ScopedEnvironment data("XDG_DATA_HOME", deep.c_str());
    m_script.AnswerDialogWith(IDOK);
    EXPECT_EQ(m_dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Cannot Initialize Digital ID module: \n\nNo agent running [-77]"});
}

namespace {

class AgencyKeyOfTheSample : public CommandTest {
protected:
    // The sample written again with another text on its agency key plate.
    std::string SampleWithPlate(const std::string& text)
    {
        std::unique_ptr<CProp> prop;
        LoadTvbFile(prop, InLetting("sample.tvb"), false);
        prop->SetPlate(kAgencyPublicKeyPlate, text);
        const std::string path = InLetting("other.tvb");
        SaveTvbFile(*prop, path);
        return path;
    }
    std::vector<std::string> DigitalIdsListed()
    {
        std::vector<std::string> lines;
        m_script.AnswerDialog([&lines](platform::ModalDialog& modal) {
            lines = Lines(dynamic_cast<CDialog&>(modal).GetDlgItem(CSignatures::IDC_LIST));
            modal.EndModal(IDOK);
        });
        Choose(ID_DIGITAL_IDS);
        return lines;
    }

    testsupport::KeyTestWorld m_world;
};

} // namespace

TEST_F(AgencyKeyOfTheSample, OpeningTheSampleBringsItsAgencysKeyIntoTheKeyRings)
{
    Store("Misc", "AutoLoad", "0");
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    EXPECT_TRUE(m_script.MessageBoxes().empty()) << Unanswered();
    EXPECT_EQ(DigitalIdsListed(), std::vector<std::string>{kAgency});
}

// An opening that finds the key already taken in imports nothing; one deleted since is taken again.
TEST_F(AgencyKeyOfTheSample, AKeyDeletedInDigitalIdsIsTakenInAgainByTheNextOpening)
{
    Store("Misc", "AutoLoad", "0");
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    m_script.AnswerDialog([this](platform::ModalDialog& modal) {
        auto& dialog = dynamic_cast<CDialog&>(modal);
        ClickLine(dialog.GetDlgItem(CSignatures::IDC_LIST), 0);
        m_script.AnswerMessageBox(IDYES);
        dialogtest::Click(dialog.GetDlgItem(CSignatures::IDC_DELETE_ID));
        modal.EndModal(IDOK);
    });
    Choose(ID_DIGITAL_IDS);
    ASSERT_TRUE(DigitalIdsListed().empty());
    for (int opening = 0; opening < 2; ++opening) {
        m_script.AnswerFile(InLetting("sample.tvb"));
        Choose(ID_FILE_OPEN);
        ASSERT_NE(Prop(), nullptr);
        EXPECT_EQ(DigitalIdsListed(), std::vector<std::string>{kAgency}) << opening;
    }
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(AgencyKeyOfTheSample, SoundArmourWithoutAUsableKeyWarnsAndOpensWithoutIt)
{
    Store("Misc", "AutoLoad", "0");
    m_script.AnswerMessageBox(IDOK); // the warning
    AnswerBidderId();
    StartOn(SampleWithPlate(testsupport::ArmoredKey(testsupport::SamplePackets())));
    ASSERT_NE(Prop(), nullptr);
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_NE(m_script.MessageBoxes()[0].text.find("Corrupted Agency Digital ID"), std::string::npos);
    EXPECT_TRUE(DigitalIdsListed().empty());
}

// The first opening takes the key in; by the next one it has expired, and a fresh check says so.
TEST_F(AgencyKeyOfTheSample, AKeyThatExpiredSinceTheLastOpeningWarnsAgain)
{
    Store("Misc", "AutoLoad", "0");
    StartEmpty();
    const std::string maker = m_world.MakerHome();
    m_world.Gpg(maker, "--quick-gen-key " + testsupport::Quoted(kAgency) + " future-default default seconds=10");
    const std::string key = m_world.Fingerprints(maker).front();
    const std::string proposal = SampleWithPlate(m_world.ExportArmored(maker, key));
    m_script.AnswerFile(proposal);
    AnswerBidderId();
    ChooseByKeys(Qt::Key_F, {Qt::Key_O});
    ASSERT_NE(Prop(), nullptr) << Unanswered();
    ASSERT_TRUE(m_script.MessageBoxes().empty()) << Unanswered();
    m_world.WaitForExpiry(maker, key);
    m_script.AnswerFile(proposal);
    m_script.AnswerMessageBox(IDOK);
    ChooseByKeys(Qt::Key_F, {Qt::Key_O});
    ASSERT_NE(Prop(), nullptr);
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u) << Unanswered();
    EXPECT_NE(m_script.MessageBoxes()[0].text.find("Corrupted Agency Digital ID"), std::string::npos);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}
