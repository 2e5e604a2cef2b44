#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CParsedTemplate;
class CPlate;
class CProp;
class CWinMeta;

// Report kinds: an other report of the proposal is its index, 0 and up.
enum : int {
    REPORT_PROPOSAL = -1,
    REPORT_QUOTE = -2,
};

// Report flag bits.
enum : unsigned {
    REPORT_IS_QUOTE = 1,
};

// What the report writes to, beyond the line printer's page size.
struct CReportOutput {
    int m_iTargetPage = 0;
    bool m_bPageCounting = false; // stop once the output is past the target page
    bool m_bNotPaged = false;     // DROP drops nothing
};

// The program-wide state of the report being built; cleared by BeginReport. Main thread only.
struct CReportState {
    CProp* m_pProp = nullptr;
    int m_iKind = REPORT_PROPOSAL;
    unsigned m_uFlags = 0;
    CReportOutput m_output;
    int m_iHeaderSize = 0; // lines
    int m_iFooterSize = 0;
    // The rows, records and pass the fields read; -1 where there is none.
    int m_iSection = -1;     // row index of the current section row
    int m_iItem = -1;        // row index of the current item row
    int m_iSectionOrdinal = 0; // the current section among the sections, from 1
    int m_iItemOrdinal = 0;    // the current item among the items, from 1
    int m_iIndex = 0;          // the current record of the list being printed
    int m_iLineIndex = 0;      // the pass of the template line being evaluated
    int m_iSite = -1;
    int m_iDbeType = 0;
    CWinMeta* m_pDbeForm = nullptr;
    int m_iRow = -1;
    int m_iFirmItem = -1;
    bool m_bRecordedErrors = false;
    std::string m_strSigner; // the configured signer's name, given by the caller

    // Parsed templates by name, for the rest of the report.
    std::map<std::string, std::shared_ptr<const CParsedTemplate>, std::less<>> m_parsed;
    // The templates being run, innermost last: a template that appears again includes itself.
    std::vector<std::string_view> m_running;
    mutable int m_iSectionCount = -1; // counted on first use
    mutable int m_iItemCount = -1;

    // A part is measured before it is printed: what the measurement wrote is printed again
    // instead of running the template a second time, unless it held a DROP (which drops nothing
    // while measuring). Tests turn the replay off to compare.
    bool m_bReplayMeasured = true;
    std::string* m_pCapture = nullptr;  // while measuring
    bool m_bCaptureReplayable = false;
    std::string m_strMeasuredName;      // the last part measured, while it can be replayed
    std::string m_strMeasuredText;

    // Sets every current row and record back to none.
    void ClearPosition();
};

CReportState& GetReportState();

// Clears the state and records proposal, kind and target (null: paged, no target page). The bid
// and the quote measure their footer and run Check Zod recording messages, so that the error
// fields have something to print.
void BeginReport(CProp* prop, int kind, const CReportOutput* target = nullptr);
// Drops the parsed templates and, when the report recorded Check Zod messages, the message list.
void FreeReportTemplates();

// The report format of that name: the agency's plate, else the built-in default; null for none.
const CPlate* FindReportTemplate(const CProp& prop, std::string_view name);
// True when the format is missing or has no text.
bool IsPlateEmpty(const CPlate* plate);
// Plain text to the clipboard: `length` characters, or the whole text for 0. False without a
// clipboard or when it could not take the text.
bool CopyTextToClipboard(std::string_view text, std::size_t length = 0);

// The page the next output lands on, and its line.
int GetReportPage();
int GetReportLine();
