// Prices exported to flat files and imported back through the Tools menu, in the file type the
// bidder picks, and what an import does with files it cannot use: it names the line and changes
// no price.
#include "model/eval/Evaluator.h"
#include "model/flat/FlatFileFormats.h"
#include "model/settings/IOFormatSettings.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/MenuKeys.h"
#include "tests/support/ModalSteps.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <filesystem>

class FlatTransfer : public CommandTest {
protected:
    void SetUp() override
    {
        StartOnSample();
        int line = 0;
        for (const auto& item : Prop()->m_items)
            if (!item->IsSection())
                item->m_fUnitPrice = 10 + ++line;
    }

    std::string Path(const std::string& name) const { return m_folder / name; }

    void Export(const std::string& path)
    {
        m_script.AnswerFile(path);
        AnswerOk();
        Choose(ID_EXPORT_PROPOSAL);
    }

    void Import(const std::string& path)
    {
        m_script.AnswerFile(path);
        AnswerOk();
        Choose(ID_IMPORT_PROPOSAL);
    }

    std::vector<double> Prices() const
    {
        std::vector<double> prices;
        for (const auto& item : Prop()->m_items)
            prices.push_back(item->m_fUnitPrice);
        return prices;
    }

    void ClearPrices()
    {
        // The agency gives fixed prices: an import leaves them alone.
        for (const auto& item : Prop()->m_items)
            if (!item->IsSection() && !TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE))
                item->m_fUnitPrice = 1;
    }

    // The first row of the export of the sample (the line of the first item) and its number.
    std::string FirstLine() const
    {
        for (const auto& item : Prop()->m_items)
            if (!item->IsSection())
                return item->m_strLineNum;
        return {};
    }

    CIOFormatSettings& Settings() { return *GetIOFormatSettings(); }

    // Tools > Import Proposal (I) or Export Proposal (E) by the keyboard, on the file given.
    void TransferByKeys(Qt::Key entry, const std::string& path)
    {
        ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
        m_script.AnswerFile(path);
        AnswerOk();
        ChooseByKeys(Qt::Key_T, {entry});
    }
};

TEST_F(FlatTransfer, EveryFormatCarriesThePricesThereAndBack)
{
    const std::vector<double> priced = Prices();
    for (const FlatFileFormat& format : GetFlatFileFormatTable()) {
        if (format.m_code == "DAT")
            continue;
        const std::string file = Path("bid." + std::string(format.m_code));
        Export(file);
        ASSERT_NE(LastMessage(), nullptr);
        EXPECT_EQ(LastMessage()->caption, "Export Complete") << format.m_code << LastMessage()->text;
        EXPECT_EQ(LastMessage()->text, "Export completed successfully");
        ClearPrices();
        Doc().SetModifiedFlag(false);
        Import(file);
        EXPECT_EQ(LastMessage()->caption, "Import Complete") << format.m_code << LastMessage()->text;
        EXPECT_EQ(Prices(), priced) << format.m_code;
        EXPECT_TRUE(Doc().IsModified());
    }
    // Each export was written whole before it took the file's name: nothing is left beside.
    for (const auto& entry : std::filesystem::directory_iterator(Path("")))
        EXPECT_EQ(entry.path().filename().string().find(".saving-"), std::string::npos);
    const platform::FileDialogRequest& asked = m_script.FileDialogs().back();
    EXPECT_EQ(asked.title, "Import Proposal");
    EXPECT_EQ(asked.defaultExtension, "CSV");
    EXPECT_EQ(asked.initialName, "sample.CSV");
    EXPECT_EQ(asked.filterIndex, 1);
    EXPECT_EQ(asked.filter.substr(0, 42), "Comma Delimited (*.CSV)|*.CSV|Simplified C");
    EXPECT_TRUE(asked.filter.ends_with("|*.DAT||"));
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(FlatTransfer, AFileWhoseExtensionIsNoFormatIsReadInTheChosenImportFormat)
{
    Settings().m_import.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
    const std::string file = Path("prices.txt");
    testsupport::WriteTextFile(file, FirstLine() + ",99.5\n");
    Import(file);
    EXPECT_EQ(LastMessage()->caption, "Import Complete");
    EXPECT_EQ(LastMessage()->text, " 1 Total Lines Loaded.\n 1 Item Prices Loaded.");
    EXPECT_DOUBLE_EQ(Prop()->FindItemByLine(FirstLine())->m_fUnitPrice, 99.5);
}

// A spreadsheet's copy of an export, as CSV and as TAB: line numbers without their leading zeros,
// numbers unquoted, prices with thousands separators (in quotes where the comma would split a CSV
// field). Every row finds its item as a typed line number does; the agency's fixed prices stay,
// are not counted as loaded, and their lines are named.
TEST_F(FlatTransfer, ASpreadsheetsCopyOfAnExportLoadsEveryPriceTheBidderGives)
{
    Settings().m_import.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
    for (const char* type : {"CSV", "TAB"}) {
        const char separator = std::string_view(type) == "CSV" ? ',' : '\t';
        std::string sheet = std::string("LineNumber") + separator + "UnitPrice\n";
        std::vector<double> expected;
        std::vector<std::string> fixedLines;
        int rows = 0;
        for (const auto& item : Prop()->m_items) {
            expected.push_back(item->m_fUnitPrice);
            if (item->IsSection())
                continue;
            const double price = 1000 + ++rows + 0.25;
            if (TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE))
                fixedLines.push_back(item->m_strLineNum);
            else
                expected.back() = price;
            const std::string amount = FormatAmount(price, 0, 2, true, "");
            const std::string& line = item->m_strLineNum;
            sheet += line.substr(line.find_first_not_of('0')) + separator +
                     (separator == ',' ? '"' + amount + '"' : amount) + "\n";
        }
        const std::string file = Path(std::string("sheet.") + type);
        testsupport::WriteTextFile(file, sheet);
        Import(file);
        ASSERT_NE(LastMessage(), nullptr);
        EXPECT_EQ(LastMessage()->caption, "Import Complete") << type;
        ASSERT_EQ(fixedLines.size(), 1u) << "the sample has one item at the agency's price";
        EXPECT_EQ(LastMessage()->text, " " + std::to_string(rows) + " Total Lines Loaded.\n " +
                                           std::to_string(rows - 1) + " Item Prices Loaded.\n" +
                                           " 1 Fixed Price Left As The Agency Set It: " + fixedLines[0]);
        EXPECT_EQ(Prices(), expected) << type;
    }
}

// The line numbers of the first items whose prices the bidder gives.
std::vector<std::string> BiddersLines(const CProp& prop, std::size_t count)
{
    std::vector<std::string> lines;
    for (const auto& item : prop.m_items)
        if (lines.size() < count && !item->IsSection() && !TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE))
            lines.push_back(item->m_strLineNum);
    return lines;
}

// A spreadsheet saved as "CSV UTF-8" in a decimal-comma locale, from Tools > Import Proposal by
// the keyboard: the byte order mark leaves the row of names a row of names, a decimal comma
// refuses its row instead of loading a price a hundred times larger, and the report names the
// prices that were cleared and the line given twice.
TEST_F(FlatTransfer, ASpreadsheetsDecimalCommaClearedPricesAndRepeatedLinesAreReported)
{
    Settings().m_import.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
    const std::vector<std::string> line = BiddersLines(*Prop(), 4);
    ASSERT_EQ(line.size(), 4u);
    const double before = Prop()->FindItemByLine(line[0])->m_fUnitPrice;
    const std::string file = Path("sheet.csv");
    testsupport::WriteTextFile(file, "\xEF\xBB\xBFLineNumber,UnitPrice\n" + line[0] + ",\"190,50\"\n" + line[1] +
                                         ",0\n" + line[2] + ",\n" + line[3] + ",(190.50)\n" + line[1] + ",12.5\n");
    Doc().SetModifiedFlag(false);
    TransferByKeys(Qt::Key_I, file);
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Import Complete");
    EXPECT_EQ(LastMessage()->text, " 5 Total Lines Loaded.\n 4 Item Prices Loaded.\n"
                                   " 2 Item Prices Cleared (Empty, Zero Or Negative): " + line[2] + ", " + line[3] +
                                   "\n 1 Line Given More Than Once, The Last Row Taken: " + line[1] +
                                   "\n\n1 lines were not used:\nline 2: item " + line[0] +
                                   ": the unit price \"190,50\" cannot be evaluated (a comma may only separate "
                                   "groups of three digits before the decimal point)");
    EXPECT_DOUBLE_EQ(Prop()->FindItemByLine(line[0])->m_fUnitPrice, before);
    EXPECT_DOUBLE_EQ(Prop()->FindItemByLine(line[1])->m_fUnitPrice, 12.5);
    EXPECT_FALSE(IsEvalValueValid(Prop()->FindItemByLine(line[2])->m_fUnitPrice));
    EXPECT_FALSE(IsEvalValueValid(Prop()->FindItemByLine(line[3])->m_fUnitPrice));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// Fixed columns too narrow for a price, from Tools > Export Proposal by the keyboard: the export
// is refused with the lines and fields that do not fit, and the file there stays as it was.
TEST_F(FlatTransfer, AnExportThatWouldCutANumberIsRefusedAndWritesNothing)
{
    const std::vector<std::string> line = BiddersLines(*Prop(), 2);
    Prop()->FindItemByLine(line[1])->m_fUnitPrice = 161640.28;
    Settings().m_export.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
    Settings().m_export.m_iSizes = {6, 7};
    const std::string file = Path("bid.COL");
    testsupport::WriteTextFile(file, "old export\n");
    TransferByKeys(Qt::Key_E, file);
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Export Error");
    EXPECT_EQ(LastMessage()->text, "Could not export to " + file + ": Numbers do not fit their columns and would be "
                                   "cut:\nline " + line[1] + ": UnitPrice 161640.28 needs 9 characters, its column 7"
                                   "\n\nNo file was written.");
    EXPECT_EQ(testsupport::ReadTextFile(file), "old export\n");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// A line number cut to its column would name another item on the way back: refused as well.
TEST_F(FlatTransfer, AnExportThatWouldCutALineNumberIsRefused)
{
    Settings().m_export.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
    Settings().m_export.m_iSizes = {3, 12};
    const std::string file = Path("bid.COL");
    TransferByKeys(Qt::Key_E, file);
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Export Error");
    EXPECT_NE(LastMessage()->text.find("line 0010: LineNumber 0010 needs 4 characters, its column 3"), std::string::npos)
        << LastMessage()->text;
    EXPECT_FALSE(std::filesystem::exists(file));
}

// Hostile files: each is refused as a whole, or its unusable lines are named, and no price is lost.
struct BrokenImport {
    const char* what;
    const char* name;
    std::string content;
    const char* caption;
    const char* says;
    bool pricesKept;
};

class FlatImportRefusals : public FlatTransfer, public ::testing::WithParamInterface<BrokenImport> {};

TEST_P(FlatImportRefusals, NameWhatIsWrongAndKeepThePrices)
{
    const BrokenImport& broken = GetParam();
    Settings().m_import.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
    Settings().m_import.m_iSizes = {10, 10};
    const std::string file = Path(std::string("broken.") + broken.name);
    testsupport::WriteTextFile(file, broken.content);
    const std::vector<double> before = Prices();
    Import(file);
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, broken.caption);
    EXPECT_NE(LastMessage()->text.find(broken.says), std::string::npos) << LastMessage()->text;
    if (broken.pricesKept) {
        EXPECT_EQ(Prices(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, FlatImportRefusals,
    ::testing::Values(
        // The rows that can be used are, the others are named with their line.
        BrokenImport{"unknown item", "CSV", "0010,12\n9999,5\n", "Import Complete",
                     "line 2: no item has the line number \"9999\"", false},
        BrokenImport{"price no number", "csv", "0010,12\n0020,twelve\n", "Import Complete", "line 2: item 0020", false},
        // The file is refused as a whole.
        BrokenImport{"line too long", "TAB", "0010\t12\n" + std::string((1 << 20) + 10, '7') + "\n", "Import Error",
                     "line 2 is longer than", true},
        BrokenImport{"fixed line too long", "COL", "0010      12\n" + std::string((1 << 20) + 10, '7') + "\n", "Import Error",
                     "line 2", true},
        BrokenImport{"row cut short", "DIF", "BOT\n1,0\n\"0010\"\n", "Import Error", "row that begins at line", true},
        BrokenImport{"worksheet cut short", "WK1", std::string("\x00\x00\x02\x00\x06\x04\x0F\x00\x40", 9),
                     "Import Error", "No prices were changed", true},
        BrokenImport{"pass file", "DAT", "anything", "Import Error", "File format (DAT) not supported for importing",
                     true}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::ranges::replace(name, ' ', '_');
        return name;
    });

// An export to a link, or a link to a link, replaces the file at the end of the links; they stay.
TEST_F(FlatTransfer, AnExportThroughLinksWritesTheFileTheyPointTo)
{
    namespace fs = std::filesystem;
    fs::create_directory(Path("exports"));
    testsupport::WriteTextFile(Path("exports/bid.csv"), "old export\n");
    fs::create_symlink("exports/bid.csv", Path("bid.csv"));
    fs::create_symlink("bid.csv", Path("latest.csv"));
    for (const char* link : {"bid.csv", "latest.csv"}) {
        testsupport::WriteTextFile(Path("exports/bid.csv"), "old export\n");
        Export(Path(link));
        EXPECT_EQ(LastMessage()->text, "Export completed successfully") << link;
        EXPECT_NE(testsupport::ReadTextFile(Path("exports/bid.csv")).find(FirstLine()), std::string::npos) << link;
    }
    EXPECT_EQ(fs::read_symlink(Path("bid.csv")), "exports/bid.csv");
    EXPECT_EQ(fs::read_symlink(Path("latest.csv")), "bid.csv");

    fs::create_symlink("exports/gone.csv", Path("gone.csv"));
    Export(Path("gone.csv"));
    EXPECT_EQ(LastMessage()->caption, "Export Error");
    EXPECT_FALSE(fs::exists(Path("exports/gone.csv")));
}

TEST_F(FlatTransfer, AFileThatCannotBeOpenedIsNamed)
{
    Import(Path("missing.csv"));
    EXPECT_EQ(LastMessage()->caption, "Import Error");
    EXPECT_EQ(LastMessage()->text, "Cannot open file for reading: " + Path("missing.csv"));
    Export(Path("no such folder/bid.csv"));
    EXPECT_EQ(LastMessage()->caption, "Export Error");
    EXPECT_EQ(LastMessage()->text, "Cannot open file for writing: " + Path("no such folder/bid.csv"));
}

TEST_F(FlatTransfer, TheFieldListsMustHoldWhatAnImportNeeds)
{
    Settings().m_import.m_iFields = {};
    AnswerOk(3);
    Choose(ID_IMPORT_PROPOSAL);
    EXPECT_EQ(LastMessage()->caption, "Import Error");
    EXPECT_TRUE(LastMessage()->text.starts_with("The import file definition does not include any import fields."));
    Settings().m_import.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_QUANTITY};
    Choose(ID_IMPORT_PROPOSAL);
    EXPECT_EQ(LastMessage()->text, "The import file definition must include both 'Line Number' and 'Unit Price' "
                                   "fields.  Go to Tools->options->Import Format to fix this");

    Settings().m_export.m_iFields = {};
    Choose(ID_EXPORT_PROPOSAL);
    EXPECT_EQ(LastMessage()->caption, "Export Error");
    // Without a unit price the export warns and still runs.
    Settings().m_export.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_SHORT_DESC};
    AnswerOk();
    Export(Path("descriptions.csv"));
    const auto& boxes = m_script.MessageBoxes();
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes[boxes.size() - 2].caption, "Export Warning");
    EXPECT_EQ(boxes.back().caption, "Export Complete");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(FlatTransfer, AnExportFormatOutsideTheTableIsNotSupported)
{
    Settings().m_export.m_iFormat = 99;
    AnswerOk();
    Doc().ExportFile(Path("bid.xyz"));
    EXPECT_EQ(LastMessage()->caption, "Export Error");
    EXPECT_EQ(LastMessage()->text, "Export format (xyz) not supported");
}

// The type picked in the file dialog decides: the name follows it and so does the format, chosen
// from the Tools menu with the keyboard.
class FlatFileType : public FlatTransfer {
protected:
    static constexpr int kTabType = 3; // the third in the dialog's list of types

    void SetUp() override
    {
        FlatTransfer::SetUp();
        Settings().m_import.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
        ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    }
    void ExportByKeys()
    {
        ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_T, Qt::Key_E));
        testsupport::RunPending();
    }
    void ImportByKeys()
    {
        ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_T, Qt::Key_I));
        testsupport::RunPending();
    }
};

TEST_F(FlatFileType, ExportAsTabWritesATabFileNamedForIt)
{
    // The name the dialog offered, then TAB picked; then a name typed without an extension.
    for (const char* typed : {"sample.CSV", "prices"}) {
        m_script.AnswerFile(Path(typed), kTabType);
        AnswerOk();
        ExportByKeys();
        ASSERT_NE(LastMessage(), nullptr);
        EXPECT_EQ(LastMessage()->caption, "Export Complete") << LastMessage()->text;
    }
    EXPECT_EQ(m_script.FileDialogs().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(Path("sample.CSV")));
    for (const char* written : {"sample.TAB", "prices.TAB"}) {
        const std::string text = testsupport::ReadTextFile(Path(written));
        EXPECT_TRUE(text.starts_with("LineNumber\tAltCode\tItemNumber")) << written << ": " << text.substr(0, 40);
    }
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(FlatFileType, ImportAsTabReadsTheTabFileNamedForIt)
{
    testsupport::WriteTextFile(Path("prices.TAB"), FirstLine() + "\t77.25\n");
    m_script.AnswerFile(Path("prices.CSV"), kTabType);
    AnswerOk();
    ImportByKeys();
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Import Complete") << LastMessage()->text;
    EXPECT_DOUBLE_EQ(Prop()->FindItemByLine(FirstLine())->m_fUnitPrice, 77.25);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// In Qt's own dialog: TAB picked from the types, then a file chosen whose extension names no
// format. The type picked is the format it is read in.
TEST_F(FlatFileType, AFileChosenUnderTheTabTypeIsReadAsTabWhateverItsExtension)
{
    const std::string file = Path("prices.txt");
    testsupport::WriteTextFile(file, FirstLine() + "\t31.5\n");
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    testsupport::ModalSteps user(
        {{testsupport::OfClass<QFileDialog>(),
          [&](QWidget* dialog) {
              auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
              auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
              ASSERT_TRUE(types && name);
              for (int step = 1; step < kTabType; ++step)
                  QTest::keyClick(types, Qt::Key_Down);
              name->setText(QString::fromStdString(file));
              QTest::keyClick(name, Qt::Key_Return);
          }},
         {testsupport::Titled("Import Complete"), [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }}});
    ImportByKeys();
    Settle();
    EXPECT_TRUE(user.AllDone());
    EXPECT_EQ(user.Strays(), 0);
    EXPECT_DOUBLE_EQ(Prop()->FindItemByLine(FirstLine())->m_fUnitPrice, 31.5);
}
