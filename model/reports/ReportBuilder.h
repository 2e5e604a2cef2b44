#pragma once

#include "model/reports/ReportState.h"

#include <string>
#include <string_view>

// Builds the printed bid, the quote, the agency's other reports and the quick listing from the
// proposal's named templates, at the line printer that the caller opened. Every function that
// runs templates throws CTemplateError for a template that cannot be parsed or evaluated; the
// proposal is left as it was (see BuildReportPages for printing nothing in that case).

// Front matter, the schedule of items, the site list, the DBE, MBE and WBE lists and the back
// matter; a quote leaves out the middle, the firm lists and the items that are not priced.
void PrintProposalReport(CReportState& state);
// An other report of the proposal by its name: "#1" the schedule of items, "#2" the DBE list,
// "#3" the quick listing, any other name the template of that name.
void PrintOtherReport(CReportState& state, int index);

// Runs the report of the state's kind counting pages until page `page`, closes a pending page,
// and tells whether that page exists. The printer decides what is rendered (single-page mode
// renders that page only).
bool ReportReachesPage(int page);
// Counting pages and the output is beyond the target page: every part stops.
bool IsReportPastTargetPage(const CReportState& state);

// The lines the template would print here, measured with the output switched off.
int MeasureTemplate(CReportState& state, std::string_view name);
// The footer (when there is one) and the template fit in the lines left on the page.
bool TemplateFits(CReportState& state, std::string_view name);
// Prints the template just measured by TemplateFits, without running it again when its output
// can be replayed; otherwise runs it.
int PrintMeasuredTemplate(CReportState& state, std::string_view name);

// "Report Item" for the bid, "Report Quote Item" for the quote.
std::string ReportTemplateName(const CReportState& state, std::string_view bidName);
// Ends the page being filled, so that what follows starts a new one.
void EndPendingPage();

// The parts of the report (ReportLists.cpp).
void PrintProposalList(CReportState& state);
void PrintSiteList(CReportState& state);
void PrintDbeList(CReportState& state, int type);
void PrintQuickListing(CReportState& state);
