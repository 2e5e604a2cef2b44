#pragma once

// Drives a view's print protocol onto a printer (or a PDF chosen in the print dialog) and into
// the preview window.
#include <functional>

class CDC;
class CPrintInfo;
class CView;
class QPainter;

namespace platform {

// Sets up the job's printer: the default printer for direct jobs, a measuring device for the
// preview, the print dialog otherwise. False when the user cancelled or there is no printer.
bool ChoosePrinter(CPrintInfo& info);

// Runs OnPreparePrinting, OnBeginPrinting, per page OnPrepareDC and OnPrint, and
// OnEndPrinting. True only when every page reached the device.
bool PrintView(CView& view, bool direct);

// Prepares the job and opens the preview window on its first page; false when cancelled.
bool PreviewView(CView& view);

// Draws one page of a job: sets the page number and drawing area, asks OnPrepareDC whether the
// page exists, starts it on the device (startPage, may be empty) and prints it. False when the
// view has no such page or the device could not start it.
bool PrintOnePage(CView& view, CDC& dc, CPrintInfo& info, unsigned page,
                  const std::function<bool()>& startPage = {});

// A view that goes away takes its preview with it.
void ForgetPreviewOf(CView* view);

} // namespace platform
