#include "model/BidErrors.h"

#include <algorithm>

namespace {

struct BidErrorState {
    std::vector<CBidError> m_entries;
    int m_counts[3] = {0, 0, 0}; // notices, warnings, errors
    bool m_recording = false;
};

BidErrorState& State()
{
    static BidErrorState state;
    return state;
}

// Severities come from the agency's forms too; anything out of range counts as an error rather
// than indexing past the three words.
int ClampSeverity(int severity)
{
    return std::clamp(severity, int(BID_NOTICE), int(BID_ERROR));
}

void AppendMessage(std::string& out, std::string_view format, std::initializer_list<std::string_view> args)
{
    auto next = args.begin();
    for (std::size_t start = 0; start < format.size();) {
        const std::size_t percent = std::min(format.find('%', start), format.size());
        out.append(format, start, percent - start);
        if (percent + 1 >= format.size()) {
            out.append(format.substr(percent));
            return;
        }
        const char directive = format[percent + 1];
        if (directive == 's' && next != args.end())
            out += *next++;
        else if (directive == '%')
            out += '%';
        else if (directive != 's')
            out.append(format, percent, 2);
        start = percent + 2;
    }
}

// Formatted in a buffer kept from one message to the next, then copied at its exact size: a
// check gives a message for every unbid item, on every edit.
std::string EntryText(int area, int severity, std::string_view format, std::initializer_list<std::string_view> args)
{
    static std::string buffer;
    buffer.clear();
    buffer += GetBidAreaName(area);
    buffer += ' ';
    buffer += GetBidSeverityName(severity);
    buffer += " : ";
    const std::size_t messageStart = buffer.size();
    AppendMessage(buffer, format, args);
    return buffer.substr(0, messageStart + kMaxBidErrorMessage);
}

} // namespace

std::string FormatBidMessage(std::string_view format, std::initializer_list<std::string_view> args)
{
    std::string text;
    AppendMessage(text, format, args);
    return text;
}

void FormatBidErrorList(int area, int severity, std::string_view format,
                        std::initializer_list<std::string_view> args)
{
    BidErrorState& state = State();
    severity = ClampSeverity(severity);
    ++state.m_counts[severity];
    const int count = static_cast<int>(state.m_entries.size());
    if (!state.m_recording || count > kMaxBidErrors)
        return;
    if (count == kMaxBidErrors) {
        state.m_entries.push_back({BID_NOTICE, 0, std::string(kMoreErrorsLine)});
        return;
    }
    state.m_entries.push_back({uint16_t(severity), uint16_t(area),
                               EntryText(area, severity, format, args)});
}

bool BidErrorListAccepts()
{
    const BidErrorState& state = State();
    return state.m_recording && static_cast<int>(state.m_entries.size()) <= kMaxBidErrors;
}

void CountBidErrors(int severity, long count)
{
    State().m_counts[ClampSeverity(severity)] += int(count);
}

void ResetBidErrors(bool record)
{
    BidErrorState& state = State();
    if (record)
        FreeBidErrorList();
    state.m_recording = record;
    std::fill(std::begin(state.m_counts), std::end(state.m_counts), 0);
}

void FreeBidErrorList()
{
    State().m_entries.clear();
}

const std::vector<CBidError>& GetBidErrorList(int* count)
{
    const auto& entries = State().m_entries;
    if (count)
        *count = static_cast<int>(entries.size());
    return entries;
}

int GetBidErrorCounts(int* errors, int* warnings, int* notices)
{
    const BidErrorState& state = State();
    if (errors)
        *errors = state.m_counts[BID_ERROR];
    if (warnings)
        *warnings = state.m_counts[BID_WARNING];
    if (notices)
        *notices = state.m_counts[BID_NOTICE];
    return static_cast<int>(state.m_entries.size());
}

std::string_view GetBidAreaName(int area)
{
    switch (area) {
    case AREA_PROPOSAL: return "Proposal";
    case AREA_MISC: return "Misc";
    case AREA_SECTION: return "Section";
    case AREA_ITEM: return "Item";
    case AREA_DBE: return "DBE";
    case AREA_BOND: return "Bond";
    case AREA_SITE: return "Site";
    default: return "";
    }
}

std::string_view GetBidSeverityName(int severity)
{
    static constexpr std::string_view kNames[] = {"Notice", "Warning", "Error"};
    return kNames[ClampSeverity(severity)];
}
