#include "platform/ui/print/Paper.h"

#include "platform/core/PaperSetting.h"
#include "platform/ui/print/PrintSinks.h"

#include <QPrinterInfo>

#include <algorithm>
#include <array>
#include <utility>

namespace platform {
namespace {

// libpaper's names of the papers a PDF can be made on.
constexpr std::array<std::pair<const char*, QPageSize::PageSizeId>, 13> kNamedPapers{{
    {"a3", QPageSize::A3},
    {"a4", QPageSize::A4},
    {"a5", QPageSize::A5},
    {"b4", QPageSize::B4},
    {"b5", QPageSize::B5},
    {"letter", QPageSize::Letter},
    {"legal", QPageSize::Legal},
    {"executive", QPageSize::ExecutiveStandard},
    {"tabloid", QPageSize::Tabloid},
    {"11x17", QPageSize::Tabloid},
    {"ledger", QPageSize::Ledger},
    {"statement", QPageSize::Statement},
    {"halfletter", QPageSize::Statement},
}};

// A PDF file offers these, the usual office papers first.
constexpr std::array kPdfPapers{QPageSize::Letter, QPageSize::Legal, QPageSize::A4,
                                QPageSize::A3,     QPageSize::B4,    QPageSize::Tabloid};

} // namespace

bool HoldsTextPage(const QPageSize& size, const QMarginsF& margins, QPageLayout::Unit marginUnit)
{
    if (!size.isValid())
        return false;
    const QRectF area = QPageLayout(size, QPageLayout::Portrait, margins, marginUnit).paintRect(QPageLayout::Inch);
    constexpr double kTwipsPerInch = 1440.0;
    return area.width() >= 80 * kTextCellWidthTwips / kTwipsPerInch &&
           area.height() >= 60 * kTextCellHeightTwips / kTwipsPerInch;
}

QPageSize PaperNamed(const std::string& name)
{
    for (const auto& [paperName, id] : kNamedPapers)
        if (name == paperName)
            return QPageSize(id);
    return QPageSize();
}

QPageSize SystemPaper(const QMarginsF& margins, QPageLayout::Unit marginUnit)
{
    std::vector<QPageSize> candidates{PaperNamed(ConfiguredPaperName())};
    if (const QPrinterInfo printer = QPrinterInfo::defaultPrinter(); !printer.isNull())
        candidates.push_back(printer.defaultPageSize());
    if (const std::optional<PaperMillimetres> paper = LocalePaper())
        candidates.emplace_back(QSizeF(paper->width, paper->height), QPageSize::Millimeter);
    for (const QPageSize& candidate : candidates)
        if (HoldsTextPage(candidate, margins, marginUnit))
            return candidate;
    return QPageSize(QPageSize::A4);
}

std::vector<QPageSize> PaperChoices(const QString& printerName, const QMarginsF& margins,
                                    QPageLayout::Unit marginUnit)
{
    std::vector<QPageSize> offered;
    if (printerName.isEmpty()) {
        for (QPageSize::PageSizeId id : kPdfPapers)
            offered.emplace_back(id);
        const QPageSize system = SystemPaper(margins, marginUnit);
        if (std::none_of(offered.begin(), offered.end(), [&](const QPageSize& size) { return size.isEquivalentTo(system); }))
            offered.insert(offered.begin(), system);
    } else {
        for (const QPageSize& size : QPrinterInfo::printerInfo(printerName).supportedPageSizes())
            offered.push_back(size);
    }
    std::erase_if(offered, [&](const QPageSize& size) { return !HoldsTextPage(size, margins, marginUnit); });
    return offered;
}

} // namespace platform
