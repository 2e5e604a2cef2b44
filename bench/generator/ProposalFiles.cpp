#include "bench/generator/ProposalFiles.h"

#include "bench/generator/AmendmentGenerator.h"
#include "bench/generator/PickListFiles.h"
#include "bench/generator/TvlWriter.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"
#include "platform/core/ScratchFolder.h"


namespace {

constexpr const char* kAmendmentExtensions[] = {".001", ".002"};

bool Save(CProp& prop, const std::string& path, std::string& error)
{
    const int result = SaveTvbFile(prop, path);
    if (result != kTvbNoError)
        error = path + ": " + GetTvbFileErrorText(result, false);
    return result == kTvbNoError;
}

bool AddMember(TvlLibraryContents& library, const std::string& path, std::string description, int32_t time,
               std::string& error)
{
    std::optional<std::string> bytes = platform::ReadWholeFile(path, &error);
    if (!bytes)
        return false;
    library.m_members.push_back({platform::FileNameOf(path), std::move(description), std::move(*bytes), uint32_t(time)});
    return true;
}

bool SaveLetting(const AmendedProposal& letting, const std::string& base, std::string& error)
{
    if (!Save(*letting.m_pProposal, base + ".tvb", error))
        return false;
    for (std::size_t n = 0; n < std::size(kAmendmentExtensions); ++n) {
        if (!letting.m_amendments[n]) {
            error = base + kAmendmentExtensions[n] + ": the edition changes nothing to amend";
            return false;
        }
        if (!Save(*letting.m_amendments[n], base + kAmendmentExtensions[n], error))
            return false;
    }
    return true;
}

// One proposal of the letting and its amendments, saved as `base` and added to the library.
bool AddProposal(TvlLibraryContents& library, const AmendedProposal& letting, const std::string& base,
                 std::string& error)
{
    const CProp& prop = *letting.m_pProposal;
    if (!SaveLetting(letting, base, error) ||
        !AddMember(library, base + ".tvb", "Call " + prop.m_strCallOrder + " " + prop.m_strContractId + " " +
                   prop.m_strShortDescription, prop.m_iDateGenerated, error))
        return false;
    for (std::size_t n = 0; n < std::size(kAmendmentExtensions); ++n) {
        const std::string description = "Addendum " + std::to_string(n + 1) + " to " + prop.m_strContractId;
        if (!AddMember(library, base + kAmendmentExtensions[n], description, letting.m_editions[n]->m_iDateRevised, error))
            return false;
    }
    return true;
}

// The list files the miscellaneous forms name go where the proposals are opened: beside them, and
// beside the library whose members are extracted there.
bool WriteListsBeside(const ProposalShape& shape, const std::string& base, std::string& error)
{
    return shape.m_miscForms == 0 || WritePickListFiles(platform::FolderOf(base), error);
}

} // namespace

ProposalShape SampleShape()
{
    ProposalShape shape;
    shape.m_seed = 7;
    shape.m_items = 40;
    shape.m_itemsPerSection = 10;
    shape.m_firms = 3;
    shape.m_firmItemsPerFirm = 3;
    shape.m_bidCapEvery = 10;
    return shape;
}

bool WriteAmendedProposalFiles(const ProposalShape& shape, const std::string& base, std::string& error)
{
    return SaveLetting(GenerateAmendedProposal(shape), base, error) && WriteListsBeside(shape, base, error);
}

bool WriteLettingLibrary(const ProposalShape& shape, int proposals, const std::string& base, std::string& error)
{
    const platform::ScratchFolder scratch;
    if (scratch.Path().empty()) {
        error = "cannot make a temporary folder";
        return false;
    }
    const std::string name = platform::FileNameOf(base);
    TvlLibraryContents library;
    for (int k = 0; k < proposals; ++k) {
        ProposalShape member = shape;
        member.m_seed = shape.m_seed + uint32_t(k) * kLettingsPerYear;
        const AmendedProposal letting = GenerateAmendedProposal(member);
        const std::string memberName = k == 0 ? name : name + "-" + std::to_string(k + 1);
        if (!AddProposal(library, letting, platform::JoinPath(scratch.Path(), memberName), error))
            return false;
        if (k == 0)
            library.m_strTitle = "Letting " + letting.m_pProposal->m_strLettingId;
    }
    return platform::WriteFileAtomically(base + ".tvl", MakeTvlLibrary(library), &error) &&
           WriteListsBeside(shape, base, error);
}
