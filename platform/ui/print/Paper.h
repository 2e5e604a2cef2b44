#pragma once

// The papers a text report can be printed on, and the one the system is set up for.
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <string>
#include <vector>

namespace platform {

// A whole page of the line printer (80 columns, 60 lines), upright, fits inside the margins.
bool HoldsTextPage(const QPageSize& size, const QMarginsF& margins, QPageLayout::Unit marginUnit);

// The paper of a libpaper name ("a4", "letter", "11x17"); invalid when the name is unknown.
QPageSize PaperNamed(const std::string& name);

// The default paper: the system's setting (PAPERSIZE, /etc/papersize), else the default
// printer's, else the locale's; the first of them that holds a text page, else A4.
QPageSize SystemPaper(const QMarginsF& margins, QPageLayout::Unit marginUnit);

// What Print Setup offers for a printer (empty name: a PDF file): its papers that hold a text
// page, in its own order.
std::vector<QPageSize> PaperChoices(const QString& printerName, const QMarginsF& margins,
                                    QPageLayout::Unit marginUnit);

} // namespace platform
