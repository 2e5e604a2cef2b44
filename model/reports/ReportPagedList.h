#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CReportState;

// One part of a paged list: its template and what the report's fields read while it prints.
struct CReportPart {
    std::string_view m_name;
    int m_iSection = -1;
    int m_iItem = -1;
    int m_iSectionOrdinal = 0;
    int m_iItemOrdinal = 0;
    int m_iSite = -1;
    int m_iRow = -1;
    int m_iFirmItem = -1;
    int m_iIndex = 0;
    bool m_bCounts = false;   // counts against the items-per-page limit
    bool m_bNewPage = false;  // starts a page of its own
};

// The templates around the parts of each page; the start template prints on the first page only.
struct CListFrame {
    std::string m_strHeader;
    std::string m_strStart;
    std::string m_strLabels;
    std::string m_strFooter;
};

// Per page: header, (start,) labels, then the parts while each fits (the first of a page always),
// then the footer; a part that did not fit opens the next page. A page takes at most
// `partsPerPage` counted parts (0: no limit). A list without any part template prints nothing.
void RunPagedList(CReportState& state, const CListFrame& frame, const std::vector<CReportPart>& parts,
                  int partsPerPage);
