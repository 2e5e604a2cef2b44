#include "model/check/BidErrors.h"

#include <algorithm>

namespace {

struct BidErrorState {
    std::vector<CBidError> m_entries;
    // Texts of emptied entries, kept with their memory for the next check's messages: a check
    // runs on every edit and may give thousands.
    std::vector<std::string> m_spareTexts;
    int m_counts[3] = {0, 0, 0}; // notices, warnings, errors
    bool m_recording = false;
};

BidErrorState& State()
{
    static BidErrorState state;
    return state;
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

// Into a text of the last check's list where there is one, so that its memory serves again.
std::string EntryText(BidErrorState& state, int area, int severity, std::string_view format,
                      std::initializer_list<std::string_view> args)
{
    std::string text;
    if (!state.m_spareTexts.empty()) {
        text = std::move(state.m_spareTexts.back());
        state.m_spareTexts.pop_back();
        text.clear();
    }
    text += GetBidAreaName(area);
    text += ' ';
    text += GetBidSeverityName(severity);
    text += " : ";
    const std::size_t messageStart = text.size();
    AppendMessage(text, format, args);
    if (text.size() > messageStart + kMaxBidErrorMessage)
        text.resize(messageStart + kMaxBidErrorMessage);
    return text;
}

} // namespace

int CountedBidSeverity(int severity)
{
    return severity >= BID_NOTICE && severity <= BID_ERROR ? severity : int(BID_ERROR);
}

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
    severity = CountedBidSeverity(severity);
    ++state.m_counts[severity];
    const int count = static_cast<int>(state.m_entries.size());
    if (!state.m_recording || count > kMaxBidErrors)
        return;
    if (count == kMaxBidErrors) {
        state.m_entries.push_back({BID_NOTICE, 0, std::string(kMoreErrorsLine)});
        return;
    }
    state.m_entries.push_back({uint16_t(severity), uint16_t(area),
                               EntryText(state, area, severity, format, args)});
}

bool BidErrorListAccepts()
{
    const BidErrorState& state = State();
    return state.m_recording && static_cast<int>(state.m_entries.size()) <= kMaxBidErrors;
}

void CountBidErrors(int severity, long count)
{
    State().m_counts[CountedBidSeverity(severity)] += int(count);
}

void ResetBidErrors(bool record)
{
    BidErrorState& state = State();
    if (record) {
        for (CBidError& entry : state.m_entries)
            state.m_spareTexts.push_back(std::move(entry.m_strText));
        state.m_entries.clear();
    }
    state.m_recording = record;
    std::fill(std::begin(state.m_counts), std::end(state.m_counts), 0);
}

void FreeBidErrorList()
{
    BidErrorState& state = State();
    state.m_entries = {};
    state.m_spareTexts = {};
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
    return kNames[CountedBidSeverity(severity)];
}
