#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The bid error list that Check Zod fills: one program-wide list with its counters, read by the
// error dialog, the reports and the submission step. Main thread only.

enum BidErrorSeverity : int {
    BID_NOTICE = 0,
    BID_WARNING = 1,
    BID_ERROR = 2,
};

enum BidErrorArea : int {
    AREA_PROPOSAL = 1,
    AREA_MISC = 5,
    AREA_SECTION = 10,
    AREA_ITEM = 15,
    AREA_DBE = 20,
    AREA_BOND = 26,
    AREA_SITE = 27,
};

struct CBidError {
    uint16_t m_wSeverity = 0;
    uint16_t m_wArea = 0;
    std::string m_strText;
};

// Messages kept before the list is cut off; one more entry holds the cut-off line.
inline constexpr int kMaxBidErrors = 8998;
inline constexpr std::string_view kMoreErrorsLine = "       <******** MORE ERRORS ********>";
// A message is cut to this many characters before its area and severity words are put in front.
inline constexpr std::size_t kMaxBidErrorMessage = 120;

// Severities come from the agency's forms too: one stored as 0xFFFF reads as -1. Anything but the
// three known ones counts as an error, so that a form's odd value can never pass a bid.
int CountedBidSeverity(int severity);

// "%s" takes the next argument, "%%" gives one "%"; anything else is copied as it stands.
std::string FormatBidMessage(std::string_view format, std::initializer_list<std::string_view> args);

// Counts the severity and, while recording and below the cut-off, appends the entry
// "<area> <severity> : <message>", with the severity as CountedBidSeverity gives it.
void FormatBidErrorList(int area, int severity, std::string_view format,
                        std::initializer_list<std::string_view> args = {});

// Whether another message would still be kept; when not, callers with many messages to give may
// count them in one go.
bool BidErrorListAccepts();
void CountBidErrors(int severity, long count);

// While `record`, empties the list; always keeps the recording flag and zeroes the counters.
void ResetBidErrors(bool record);
void FreeBidErrorList();

const std::vector<CBidError>& GetBidErrorList(int* count = nullptr);
int GetBidErrorCounts(int* errors = nullptr, int* warnings = nullptr, int* notices = nullptr);

// Words that the entry texts are made of; "" for an unknown area.
std::string_view GetBidAreaName(int area);
std::string_view GetBidSeverityName(int severity);
