#pragma once

// Files the bidder attaches to a form field: read only from the path the bidder gave, with the
// proposal's limits checked on the file's size before a byte of it is read.
#include <cstdint>
#include <string>
#include <vector>

class CCellData;
class CProp;

enum class AttachmentResult {
    Read,
    CannotOpen,  // missing, no regular file, or unreadable
    TooLarge,    // over the proposal's limit for one attachment
    TotalTooLarge, // over its limit for all attachments together
};

struct AttachmentRead {
    AttachmentResult result = AttachmentResult::CannotOpen;
    std::vector<uint8_t> bytes;
};

// Kilobytes as the limits count them: whole thousands of bytes.
inline int64_t AttachmentKilobytes(uint64_t bytes)
{
    return int64_t(bytes / 1000);
}

// What the proposal's forms hold in attachments, in kilobytes, leaving out one cell (the one
// whose attachment is being replaced); every attachment counted on its own.
int64_t HeldAttachmentKilobytes(const CProp& prop, const CCellData* except);

// Reads the file when its size keeps within maxKilobytes and, with the others held, within
// maxTotalKilobytes.
AttachmentRead ReadAttachment(const std::string& path, int64_t maxKilobytes, int64_t heldKilobytes,
                              int64_t maxTotalKilobytes);

// The messages of the refusals.
std::string AttachmentRefusal(AttachmentResult result, const CProp& prop);
