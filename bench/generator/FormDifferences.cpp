#include "bench/generator/DifferenceList.h"

namespace proposal_differences {
namespace {

void CompareField(Differences d, const CFieldInfo& a, const CFieldInfo& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("x", a.m_iX, b.m_iX);
    d.Field("y", a.m_iY, b.m_iY);
    d.Field("width", a.m_iWidth, b.m_iWidth);
    d.Field("height", a.m_iHeight, b.m_iHeight);
    d.Field("kind", a.m_iKind, b.m_iKind);
    d.Field("alignment", a.m_iAlignment, b.m_iAlignment);
    d.Field("last column", a.m_iLastColumn, b.m_iLastColumn);
    d.Field("requirement", a.m_iRequirement, b.m_iRequirement);
    d.Field("name", a.m_strName, b.m_strName);
    d.Field("text", a.m_strText, b.m_strText);
    d.Field("help", a.m_strHelp, b.m_strHelp);
    d.Field("data", a.m_data, b.m_data);
}

void CompareCell(Differences d, const CCellData& a, const CCellData& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("text", a.m_strText, b.m_strText);
    d.Field("data", a.m_data, b.m_data);
    d.Field("selection", a.m_iSelection, b.m_iSelection);
    d.Field("text 2", a.m_strText2, b.m_strText2);
}

void CompareFirmItem(Differences d, const CDBEItem& a, const CDBEItem& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("item index", a.m_iNumber, b.m_iNumber);
    d.Field("quantity", a.m_dQuantity, b.m_dQuantity);
    d.Field("unit price", a.m_dUnitPrice, b.m_dUnitPrice);
    d.Field("extension", a.m_dExtension, b.m_dExtension);
    d.Field("note", a.m_strNote, b.m_strNote);
    d.Field("entry flags", a.m_wEntryFlags, b.m_wEntryFlags);
}

void CompareRow(Differences d, const CRowData& a, const CRowData& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.List("cells", a.m_cells, b.m_cells, CompareCell);
    d.List("firm items", a.m_dbeItems, b.m_dbeItems, CompareFirmItem);
    for (const auto& [line, index] : a.GetDbeItemLines()) {
        const auto& other = b.GetDbeItemLines();
        const auto found = other.find(line);
        d.Field(("firm item of line " + Show(line)).c_str(), index, found == other.end() ? -1 : found->second);
    }
    d.Field("firm item lines", a.GetDbeItemLines().size(), b.GetDbeItemLines().size());
}

void CompareDatabaseField(Differences d, const CDBField& a, const CDBField& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("text", a.m_strText, b.m_strText);
}

void CompareFilter(Differences d, const CDataFilter& a, const CDataFilter& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("start", a.m_iStartColumn, b.m_iStartColumn);
    d.Field("end", a.m_iEndColumn, b.m_iEndColumn);
    d.Field("patterns", a.m_strPatterns, b.m_strPatterns);
}

} // namespace

void CompareForm(Differences d, const CWinMeta& a, const CWinMeta& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("goal", a.m_dGoal, b.m_dGoal);
    d.Field("second number", a.m_dSecondNumber, b.m_dSecondNumber);
    d.Field("byte pair", a.m_bytePair, b.m_bytePair);
    d.Field("geometry", a.m_iGeometry, b.m_iGeometry);
    d.Field("first text", a.m_strFirstText, b.m_strFirstText);
    d.Field("font size", a.m_iFontSize, b.m_iFontSize);
    d.Field("font face", a.m_strFontFace, b.m_strFontFace);
    d.Field("further texts", a.m_strFurtherTexts, b.m_strFurtherTexts);
    d.Field("column of id", a.m_wColumnOfId, b.m_wColumnOfId);
    d.Field("second word", a.m_wSecondWord, b.m_wSecondWord);
    d.List("fields", a.m_fields, b.m_fields, CompareField);
    d.List("rows", a.m_rows, b.m_rows, CompareRow);
    d.Field("texts", a.m_texts, b.m_texts);
    d.Map("database fields", a.m_dbFields, b.m_dbFields, CompareDatabaseField);
    d.Map("filters", a.m_filters, b.m_filters, CompareFilter);
}

} // namespace proposal_differences
