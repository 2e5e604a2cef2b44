// The numbered amendment files applied as a proposal is opened.
#include "app/doc/BidDoc.h"

#include "app/doc/DocDialogs.h"
#include "app/doc/DocPaths.h"
#include "model/amend/ChangeLog.h"
#include "model/amend/StagedChange.h"
#include "model/files/TvbFile.h"
#include "model/files/TvlExtract.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/core/Files.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/PathText.h"

#include <cstdio>

namespace {

// Amendments are numbered in three digits.
constexpr int kLastAmendment = 999;
// Item flags that only mean something within one amendment.
constexpr int kItemAmendmentBits[] = {8, 9};

std::string ThreeDigits(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%3.3d", number);
    return text;
}

} // namespace

// The proposal path with the number for its extension; only the file name's extension counts.
std::string AmendmentPathOf(const std::string& proposalPath, int number)
{
    const std::size_t slash = proposalPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : proposalPath.substr(0, slash + 1);
    return folder + BaseNameOf(proposalPath) + "." + ThreeDigits(number);
}

int CBidDoc::ApplyAmendmentFiles(CProp& prop, const std::string& path, bool fromLibrary,
                                 const std::string& libraryPath)
{
    int handled = 0;
    for (int n = prop.m_iAmendmentCount + 1; n <= kLastAmendment && CheckAgencyKey(prop); ++n) {
        const std::string amendmentPath = AmendmentPathOf(path, n);
        if (fromLibrary)
            ExtractTvlMember(libraryPath, platform::PathForDisplay(BaseNameOf(path)) + "." + ThreeDigits(n),
                             TvlExisting::Replace);
        if (!platform::FileExists(amendmentPath))
            break;
        if (handled == 0)
            CreateAmendmentLog();
        ApplyAmendmentFile(prop, amendmentPath);
        ++handled;
    }
    if (handled == 0)
        return 0;
    // The opening that reads them clears the modified flag when it shows the proposal, and one
    // that is abandoned must not leave it set: the flag is not touched here.
    ShowAmendmentChanges(prop);
    DestroyAmendmentLog();
    ReportBidderCertification(prop);
    return handled;
}

bool CBidDoc::ApplyAmendmentFile(CProp& prop, const std::string& path)
{
    const std::string shownPath = platform::PathForDisplay(path);
    std::unique_ptr<CProp> amendment;
    const int read = LoadTvbFile(amendment, path, true);
    std::string failure;
    std::string caption;
    if (read != kTvbNoError) {
        failure = GetTvbFileErrorText(read, false);
        caption = "Error Opening Amendment File " + shownPath;
    } else {
        failure = ExchangeAmendment(prop, *amendment);
        caption = "Error Applying Amendment File " + shownPath;
    }
    if (!failure.empty()) {
        ZodMessageBox(failure, caption, MB_ICONEXCLAMATION);
        // The change report keeps what the others changed and says which one was not applied.
        LogAmendmentChange("Amendment " + shownPath + " was not applied: " + failure, LOG_ADDENDUM_NOTES);
        return false;
    }
    return true;
}

std::string CBidDoc::ExchangeAmendment(CProp& prop, CProp& amendment)
{
    unsigned applied = AMEND_NO_ERROR;
    try {
        applied = prop.ExchangeWithLog(amendment);
    } catch (const CAmendmentError& error) {
        return error.what();
    }
    if (applied != AMEND_NO_ERROR)
        return GetAmendmentErrorText(int(applied), false);
    for (const auto& item : prop.m_items)
        for (const int bit : kItemAmendmentBits)
            if (item)
                ChangeFlagBit(&item->m_wFlags, bit, 0);
    return {};
}
