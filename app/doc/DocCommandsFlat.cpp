// Import and export of the proposal's prices through the flat-file formats.
#include "app/dialogs/ExFileDialog.h"
#include "app/doc/BidDoc.h"
#include "app/doc/DocPaths.h"
#include "app/frame/MainFrame.h"
#include "app/views/ViewHints.h"
#include "model/check/Recalc.h"
#include "model/flat/FlatExport.h"
#include "model/flat/FlatFileFormats.h"
#include "model/flat/FlatImport.h"
#include "model/records/Prop.h"
#include "model/settings/IOFormatSettings.h"
#include "platform/core/Files.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/PathText.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace {

// Rows named in the import report, of each kind; the rest are counted.
constexpr std::size_t kRowsNamed = 10;

// Every message of the transfers: a caption, a text with %s for its argument, and the icon.
void TransferMessage(const std::string& caption, const std::string& format, const std::string& argument,
                     unsigned icon = MB_ICONEXCLAMATION)
{
    std::string text = format;
    if (const std::size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, argument);
    ZodMessageBox(text, caption, icon);
}

bool HasField(const CIOFormatSide& side, int field)
{
    const auto used = std::span(side.m_iFields).first(side.FieldCount());
    return std::ranges::find(used, field) != used.end();
}

bool HasLineAndPrice(const CIOFormatSide& side)
{
    return HasField(side, ITEM_COL_LINE_NUMBER) && HasField(side, ITEM_COL_UNIT_PRICE);
}

struct ChosenFile {
    std::string path;
    int format = -1; // the type chosen, an index of the format table
};

// The file dialog of every format of the table, the side's own shown first; picking another
// type renames the file for it.
std::optional<ChosenFile> AskForFile(bool open, const char* title, unsigned flags, const CIOFormatSide& side,
                                     const std::string& proposalPath)
{
    std::string filter;
    for (const FlatFileFormat& format : GetFlatFileFormatTable()) {
        const std::string code(format.m_code);
        filter += std::string(format.m_description) + " (*." + code + ")|*." + code + "|";
    }
    filter += "|";
    const FlatFileFormat* current = GetFlatFileFormatAt(side.m_iFormat);
    if (!current)
        current = GetFlatFileFormatAt(kCsvFormatIndex);
    const std::string code(current->m_code);
    CExFileDialog dialog(open, code, BaseNameOf(proposalPath) + "." + code, flags, filter);
    dialog.m_ofn.title = title;
    dialog.m_ofn.initialFolder = FolderOf(proposalPath);
    dialog.m_ofn.filterIndex = int(current - GetFlatFileFormatTable().data()) + 1;
    if (dialog.DoModal() != IDOK || dialog.GetPathName().empty())
        return std::nullopt;
    return ChosenFile{dialog.GetPathName(), dialog.GetFilterIndex() - 1};
}

// The format of the file's extension, else the type chosen for it, else the side's.
const FlatFileFormat* FormatForFile(const std::string& path, int chosenFormat, const CIOFormatSide& side)
{
    if (const FlatFileFormat* format = GetFlatFileFormat(ExtensionOf(path)))
        return format;
    if (const FlatFileFormat* format = GetFlatFileFormatAt(chosenFormat))
        return format;
    return GetFlatFileFormatAt(side.m_iFormat);
}

// What each item had before an import, so that one that fails can be undone.
std::vector<std::pair<double, double>> PricesOf(const CProp& prop)
{
    std::vector<std::pair<double, double>> prices;
    for (const auto& item : prop.m_items)
        prices.emplace_back(item ? item->m_fUnitPrice : 0, item ? item->m_fQuan : 0);
    return prices;
}

void RestorePrices(CProp& prop, const std::vector<std::pair<double, double>>& prices)
{
    // The import changes values only, never the list, so the rows still match by place.
    std::size_t row = 0;
    for (const auto& item : prop.m_items) {
        if (item && row < prices.size())
            std::tie(item->m_fUnitPrice, item->m_fQuan) = prices[row];
        ++row;
    }
}

// The first rows' names joined by `separator`, then "..." for the rest.
std::string NamedRows(const std::vector<std::string>& names, int count, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < kRowsNamed; ++i)
        text += (i == 0 ? "" : std::string(separator)) + names[i];
    if (count > int(kRowsNamed))
        text += std::string(separator) + "...";
    return text;
}

// A line of the summary naming the items of one kind, when there are any.
std::string NamedLines(int count, std::string_view one, std::string_view more, const std::vector<std::string>& lines)
{
    if (count == 0)
        return {};
    return "\n " + std::to_string(count) + " " + std::string(count == 1 ? one : more) + ": " +
           NamedRows(lines, count, ", ");
}

std::string ImportSummary(const CFlatImportReport& report)
{
    std::string text = " " + std::to_string(report.m_iLines) + " Total Lines Loaded.\n " +
                       std::to_string(report.m_iPricesLoaded) + " Item Prices Loaded.";
    // Rows of the agency's fixed prices are read but their prices are not the bidder's to load.
    text += NamedLines(report.m_iFixedPriceRows, "Fixed Price Left As The Agency Set It",
                       "Fixed Prices Left As The Agency Set Them", report.m_fixedPriceLines);
    // A loaded price that the proposal takes as "not entered" must not pass for a price.
    text += NamedLines(report.m_iClearedItems, "Item Price Cleared (Empty, Zero Or Negative)",
                       "Item Prices Cleared (Empty, Zero Or Negative)", report.m_clearedLines);
    text += NamedLines(report.m_iRepeatedItems, "Line Given More Than Once, The Last Row Taken",
                       "Lines Given More Than Once, The Last Row Taken", report.m_repeatedLines);
    if (report.m_iProblemRows > 0)
        text += "\n\n" + std::to_string(report.m_iProblemRows) + " lines were not used:\n" +
                NamedRows(report.m_problems, report.m_iProblemRows, "\n");
    return text;
}

std::string ExportFailure(int result, const FlatFileJob& job)
{
    std::string text = GetFlatExportResultText(result);
    const std::vector<std::string>& numbers = job.m_numbersTooWide;
    if (result == FLAT_EXPORT_NUMBER_TOO_WIDE)
        text += ":\n" + NamedRows(numbers, int(numbers.size()), "\n") + "\n\nNo file was written.";
    return text;
}

void FillJob(FlatFileJob& job, const CIOFormatSettings& settings, CProp* prop, std::FILE* file)
{
    std::ranges::copy(settings.m_import.m_iFields, job.m_importFields.begin());
    std::ranges::copy(settings.m_import.m_iSizes, job.m_importWidths.begin());
    std::ranges::copy(settings.m_export.m_iFields, job.m_exportFields.begin());
    std::ranges::copy(settings.m_export.m_iSizes, job.m_exportWidths.begin());
    job.m_bLabels = settings.m_export.m_bLabels;
    job.m_pProp = prop;
    job.m_pFile = file;
}

const CIOFormatSettings& CurrentSettings()
{
    static const CIOFormatSettings defaults = DefaultIOFormatSettings();
    const CIOFormatSettings* settings = GetIOFormatSettings();
    return settings ? *settings : defaults;
}

} // namespace

void CBidDoc::OnImportProposal()
{
    const CIOFormatSide& side = CurrentSettings().m_import;
    if (side.FieldCount() == 0) {
        TransferMessage("Import Error",
                        "The import file definition does not include any import fields.  Import fields may be "
                        "added from the Tools->Options->Export window.", "");
        return;
    }
    if (!HasLineAndPrice(side)) {
        TransferMessage("Import Error",
                        "The import file definition must include both 'Line Number' and 'Unit Price' fields.  "
                        "Go to Tools->options->Import Format to fix this", "");
        return;
    }
    const auto chosen = AskForFile(true, "Import Proposal", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, side, GetPathName());
    if (!chosen)
        return;
    ImportFile(chosen->path, chosen->format);
    UpdateAllViews(nullptr, HINT_REFRESH_FORMS);
}

void CBidDoc::ImportFile(const std::string& path, int chosenFormat)
{
    const std::string shown = platform::PathForDisplay(path);
    if (!m_pProp || path.empty()) {
        TransferMessage("Import Error", "Bad Filename %s", shown);
        return;
    }
    const CIOFormatSettings& settings = CurrentSettings();
    const FlatFileFormat* format = FormatForFile(path, chosenFormat, settings.m_import);
    if (format && format->m_code == "DAT") {
        TransferMessage("Import Error", "File format (%s) not supported for importing", std::string(format->m_code));
        return;
    }
    if (!format || !format->m_pImport) {
        TransferMessage("Import Error", "Import format (%s) not supported", ExtensionOf(path));
        return;
    }
    std::FILE* file = std::fopen(path.c_str(), format->m_bBinary ? "rb" : "r");
    if (!file) {
        TransferMessage("Import Error", "Cannot open file for reading: %s", shown);
        return;
    }
    const auto before = PricesOf(*m_pProp);
    FlatFileJob job;
    FillJob(job, settings, m_pProp.get(), file);
    const CFlatImportReport report = RunFlatImport(job, format->m_pImport);
    std::fclose(file);
    // Prices count only from a file read to its end: a broken one changes nothing.
    if (!report.m_strError.empty()) {
        RestorePrices(*m_pProp, before);
        TransferMessage("Import Error", "Cannot read %s", shown + ": " + report.m_strError + ".\nNo prices were changed.");
        return;
    }
    m_pProp->NormalizeUnitPrices();
    RecalcBidTotals(m_pProp.get());
    UpdateAllViews(nullptr, HINT_REFRESH_FORMS);
    if (CMainFrame* frame = GetMainFrame())
        frame->ShowTotal(*m_pProp, -1);
    // A fixed price stays, but its row may have taken the item's quantity.
    if (report.m_iPricesLoaded > 0 || report.m_iFixedPriceRows > 0)
        SetModifiedFlag();
    TransferMessage("Import Complete", "%s", ImportSummary(report), MB_ICONINFORMATION);
}

void CBidDoc::OnExportProposal()
{
    const CIOFormatSide& side = CurrentSettings().m_export;
    if (side.FieldCount() == 0) {
        TransferMessage("Export Error",
                        "The export file definition does not include any export fields.  Export fields may be "
                        "added from the Tools->Options->Export window.", "");
        return;
    }
    if (!HasLineAndPrice(side))
        TransferMessage("Export Warning",
                        "The export file definition must include both 'Line Number' and 'Unit Price' fields if you "
                        "want to import this data later.  Export fields may be added from the Tools->Options->Import "
                        "window.", "");
    if (const auto chosen = AskForFile(false, "Export Proposal", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, side, GetPathName()))
        ExportFile(chosen->path, chosen->format);
}

void CBidDoc::ExportFile(const std::string& path, int chosenFormat)
{
    const std::string shown = platform::PathForDisplay(path);
    if (!m_pProp || path.empty()) {
        TransferMessage("Export Error", "Bad Filename %s", shown);
        return;
    }
    const CIOFormatSettings& settings = CurrentSettings();
    const FlatFileFormat* format = FormatForFile(path, chosenFormat, settings.m_export);
    if (!format || !format->m_pExport) {
        TransferMessage("Export Error", "Export format (%s) not supported", ExtensionOf(path));
        return;
    }
    // Made whole in memory, then written through the atomic file: a failed export keeps the last
    // good file, and a file reached through a link stays where the link points.
    platform::AtomicFile file(path);
    if (!file.Open()) {
        TransferMessage("Export Error", "Cannot open file for writing: %s", shown);
        return;
    }
    FlatFileJob job;
    FillJob(job, settings, m_pProp.get(), nullptr);
    std::string bytes;
    int result = ExportFlatBytes(format->m_pExport, job, bytes);
    if (result == FLAT_EXPORT_DONE && !(file.Write(bytes) && file.Commit()))
        result = FLAT_EXPORT_WRITE_FAILED;
    // A file that did not take every row, or every number whole, is no export to report as done.
    if (result != FLAT_EXPORT_DONE) {
        TransferMessage("Export Error", "Could not export to %s", shown + ": " + ExportFailure(result, job));
        return;
    }
    TransferMessage("Export Complete", "Export completed successfully", "", MB_ICONINFORMATION);
}
