#include "controls/grid/GridDataSource.h"

namespace {
constexpr int kNotSupported = -1;
constexpr int kYes = 1;
}  // namespace

CGridDataSource::~CGridDataSource() = default;

int CGridDataSource::RowCount() { return kNotSupported; }
int CGridDataSource::ColumnCount() { return kNotSupported; }
int CGridDataSource::AppendRow() { return kNotSupported; }
int CGridDataSource::InsertRowAt(int) { return kNotSupported; }
int CGridDataSource::AppendColumn() { return kNotSupported; }
int CGridDataSource::InsertColumnAt(int) { return kNotSupported; }
int CGridDataSource::DeleteRowAt(int) { return kNotSupported; }
int CGridDataSource::DeleteColumnAt(int) { return kNotSupported; }
int CGridDataSource::ClearCell(int, int) { return kNotSupported; }
int CGridDataSource::RemoveAllData() { return kNotSupported; }
int CGridDataSource::ReadCell(int, int, CGridCell*) { return kNotSupported; }
int CGridDataSource::WriteCell(int, int, CGridCell*) { return kNotSupported; }
int CGridDataSource::FindFirst(const std::string&, int*, int*, int) { return kNotSupported; }
int CGridDataSource::FindNext(const std::string&, int*, int*, int) { return kNotSupported; }
int CGridDataSource::SortByColumns(const int*, int, int) { return kNotSupported; }
int CGridDataSource::SortByColumn(int, int) { return kNotSupported; }
int CGridDataSource::OnPastLastRow(int, int, int*) { return kNotSupported; }
void CGridDataSource::OnCurrentRowChanged(int, int) {}
void CGridDataSource::OnCurrentColumnChanged(int, int) {}
int CGridDataSource::OnCanMoveCell(int, int, int, int) { return kYes; }
int CGridDataSource::OnEditBegin(int, int, CWnd**) { return kYes; }
int CGridDataSource::OnEditEnd(int, int, CWnd*, const std::string&, int) { return kYes; }
int CGridDataSource::OnEditNextCell(int, int, int*, int*) { return kYes; }
int CGridDataSource::FindPreviousFilledCell(int*, int) { return kNotSupported; }
