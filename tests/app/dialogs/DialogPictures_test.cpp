// Each dialog as the user sees it, filled as in use, compared with its reference picture: labels
// aligned, nothing clipped. ZOD_WRITE_PICTURES=<folder> keeps the pictures drawn, to look at or
// to take as references.
#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/AmendmentChangesDialog.h"
#include "app/dialogs/BidErrors.h"
#include "app/dialogs/BidderID.h"
#include "app/dialogs/FloppySaveDlg.h"
#include "app/dialogs/LetLoad.h"
#include "app/dialogs/NewInstallation.h"
#include "app/dialogs/ShowCrd.h"
#include "app/dialogs/Signatures.h"
#include "app/dialogs/TVLLoad.h"
#include "model/amend/ChangeLog.h"
#include "model/settings/BidderSettings.h"
#include "tests/app/dialogs/DialogTestSupport.h"
#include "tests/support/PictureMatch.h"
#include "tests/app/dialogs/FakeDigitalIdKeys.h"

#include <QDir>
#include <QImage>
#include <cstdlib>

namespace {

using namespace dialogtest;

// A dialog made and filled for its picture; `shown` works it once it is up.
struct Scene {
    std::unique_ptr<CDialog> dialog;
    std::function<void()> shown;
};

struct PictureCase {
    const char* name;
    Scene (*make)(const std::string& folder);
};

const std::vector<CBidError> kErrors{
    {BID_ERROR, AREA_ITEM, "Item     Error   : Line 0010 (Item 202-0001) has no unit price"},
    {BID_WARNING, AREA_DBE, "DBE      Warning : The DBE goal of 12.00% is not met: 9.35% committed"},
    {BID_NOTICE, AREA_BOND, "Bond     Notice  : No bid bond number is given"},
};

Scene AmendmentChanges(const std::string&)
{
    CreateAmendmentLog();
    LogAmendmentChange("Addendum 2: the bid opening moves to 10:00 AM", LOG_ADDENDUM_NOTES);
    LogAmendmentChange("Letting Date", LOG_PROPOSAL_DATA);
    LogAmendmentChange("Line 0020 Item 202-0105 RIPRAP (STONE PROTECTION)", LOG_ITEMS_DELETED);
    LogAmendmentChange("Line 0045 Item 540-6001 METAL BEAM GUARD FENCE", LOG_ITEMS_ADDED);
    LogAmendmentChange("Line 0010 Item 202-0001 Quantity 1,200.000 -> 1,450.000", LOG_ITEMS_CHANGED);
    return {std::make_unique<CAmendmentChangesDialog>(nullptr), DestroyAmendmentLog};
}

// An amendment that took prices and firms the bidder had entered.
Scene AmendmentRemovals(const std::string&)
{
    CreateAmendmentLog();
    LogAmendmentChange("Changed DBE Information", LOG_PROPOSAL_DATA);
    LogAmendmentChange("0010  202-0001  CLEARING AND GRUBBING", LOG_ITEMS_CHANGED);
    LogAmendmentChange("0010  202-0001  CLEARING AND GRUBBING: unit price 1,250.00", LOG_ENTRIES_REMOVED);
    LogAmendmentChange("DBE Information: firm D0012 BLUESTEM TRUCKING LLC, with 3 committed items", LOG_ENTRIES_REMOVED);
    return {std::make_unique<CAmendmentChangesDialog>(nullptr), DestroyAmendmentLog};
}

Scene BidderId(bool details)
{
    auto bidder = std::make_unique<CBidderInfo>();
    bidder->m_texts = {"", "", "Ace Paving & Grading, Inc.", "1200 Quarry Road", "", "Round Rock", "TX",
                       "78664", "512-555-0142", "", "", "bids@acepaving.example"};
    SetBidderInfo(std::move(bidder));
    auto dialog = std::make_unique<CBidderID>(details);
    dialog->m_strAgency = "TXDOT";
    dialog->m_strBidderID = details ? "V0042917" : "";
    CBidderID* made = dialog.get();
    return {std::move(dialog), [made, details] {
                if (details)
                    Click(made->GetDlgItem(CBidderID::IDC_MORE_DETAILS));
            }};
}

Scene SelectProposal(const std::string& folder)
{
    const std::string library = folder + "/letting.tvl";
    testsupport::WriteTextFile(library, testsupport::ReadTextFile(std::string(ZOD_SAMPLES) + "/sample.tvl"));
    auto dialog = std::make_unique<CTVLLoad>();
    dialog->m_strLibraryPath = library;
    dialog->m_strPattern = "*.tvb";
    dialog->m_strTitle = "Select Proposal";
    CTVLLoad* made = dialog.get();
    return {std::move(dialog), [made] { ClickLine(made->GetDlgItem(CTVLLoad::IDC_LIST), 1); }};
}

Scene SelectLetting(const std::string&)
{
    auto dialog = std::make_unique<CLetLoad>();
    dialog->m_lettings = {"24051", "24062", "24117"};
    return {std::move(dialog), {}};
}

Scene DigitalIds(const std::string&)
{
    static FakeKeys::Log keys{{"Pat Doe <pat@acepaving.example>", "Ace Paving Bids <bids@acepaving.example>"}, 0, 0, {}};
    return {std::make_unique<CSignatures>(nullptr, [] { return std::make_unique<FakeKeys>(keys); }), {}};
}

Scene About(const std::string&)
{
    auto dialog = std::make_unique<CAboutDlg>();
    dialog->m_strVersion = "1.0a";
    return {std::move(dialog), {}};
}

Scene Credits(const std::string&)
{
    auto dialog = std::make_unique<CShowCrd>();
    CShowCrd* made = dialog.get();
    return {std::move(dialog), [made] {
                made->KillTimer(CShowCrd::kTimerId);
                while (made->GetOffset() < 150)
                    made->OnTimer(CShowCrd::kTimerId);
            }};
}

const PictureCase kPictures[] = {
    {"amendment-changes", AmendmentChanges},
    {"amendment-removals", AmendmentRemovals},
    {"bid-errors", [](const std::string&) { return Scene{std::make_unique<CBidErrors>(kErrors, nullptr), {}}; }},
    {"bidder-id", [](const std::string&) { return BidderId(false); }},
    {"bidder-id-details", [](const std::string&) { return BidderId(true); }},
    {"select-proposal", SelectProposal},
    {"select-letting", SelectLetting},
    {"removable-drive",
     [](const std::string&) {
         return Scene{std::make_unique<CFloppySaveDlg>(std::vector<std::string>{"/media/pat/BIDS", "/run/media/pat/SD CARD"}), {}};
     }},
    {"removable-drive-none",
     [](const std::string&) { return Scene{std::make_unique<CFloppySaveDlg>(std::vector<std::string>{}), {}}; }},
    {"new-installation", [](const std::string&) { return Scene{std::make_unique<CNewInstallation>(), {}}; }},
    {"about", About},
    {"digital-ids", DigitalIds},
    {"credits", Credits},
};

class DialogPicture : public DialogTest, public ::testing::WithParamInterface<PictureCase> {
protected:
    ~DialogPicture() override { SetBidderInfo(nullptr); }
};

} // namespace

TEST_P(DialogPicture, LooksAsItsReference)
{
    Scene scene = GetParam().make(m_folder.Path());
    QImage picture;
    Run(*scene.dialog, [&] {
        if (scene.shown)
            scene.shown();
        picture = scene.dialog->ModalWindow()->grab().toImage();
    });
    ASSERT_FALSE(picture.isNull());
    const QString name = QString("dialog-%1.png").arg(GetParam().name);
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        picture.save(QDir(folder).filePath(name));
    EXPECT_TRUE(testsupport::MatchesPicture(picture, QImage(QString(ZOD_FIXTURES) + "/pictures/" + name)));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogPicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });
