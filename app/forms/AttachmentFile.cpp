#include "app/forms/AttachmentFile.h"

#include "model/records/Prop.h"
#include "platform/core/Files.h"

#include <filesystem>

namespace {

// Nothing bigger goes into a bid, whatever limits a proposal states.
constexpr uint64_t kMaxAttachmentBytes = uint64_t(1) << 30;

int64_t FormKilobytes(const CWinMeta* form, const CCellData* except)
{
    int64_t total = 0;
    if (!form)
        return total;
    for (const auto& row : form->m_rows)
        if (row)
            for (const auto& cell : row->m_cells)
                if (cell && cell.get() != except)
                    total += AttachmentKilobytes(cell->m_data.GetBytes().size());
    return total;
}

} // namespace

int64_t HeldAttachmentKilobytes(const CProp& prop, const CCellData* except)
{
    int64_t total = FormKilobytes(prop.m_pBondForm.get(), except);
    for (const int kind : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        total += FormKilobytes(prop.GetDbeForm(kind), except);
    for (const auto& form : prop.m_miscForms)
        total += FormKilobytes(form.get(), except);
    return total;
}

AttachmentRead ReadAttachment(const std::string& path, int64_t maxKilobytes, int64_t heldKilobytes,
                              int64_t maxTotalKilobytes)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return {AttachmentResult::CannotOpen, {}};
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return {AttachmentResult::CannotOpen, {}};
    const int64_t kilobytes = AttachmentKilobytes(size);
    if (kilobytes > maxKilobytes || size > kMaxAttachmentBytes)
        return {AttachmentResult::TooLarge, {}};
    if (heldKilobytes + kilobytes > maxTotalKilobytes)
        return {AttachmentResult::TotalTooLarge, {}};
    // A file that grew since its size was taken is refused rather than read past the limit.
    const std::optional<std::string> contents = platform::ReadWholeFile(path, nullptr, size_t(size));
    if (!contents)
        return {AttachmentResult::CannotOpen, {}};
    return {AttachmentResult::Read, std::vector<uint8_t>(contents->begin(), contents->end())};
}

std::string AttachmentRefusal(AttachmentResult result, const CProp& prop)
{
    switch (result) {
    case AttachmentResult::CannotOpen: return "The attachment could not be opened.";
    case AttachmentResult::TooLarge:
        return "Attachment size exceeds maximum specified size of " + std::to_string(prop.m_iMaxAttachmentSize) +
               " Kilobytes.";
    case AttachmentResult::TotalTooLarge:
        return "The maximum size for all attachments exceeds the specified size of " +
               std::to_string(prop.m_iMaxTotalAttachmentSize) + " Kilobytes.";
    case AttachmentResult::Read: break;
    }
    return {};
}
