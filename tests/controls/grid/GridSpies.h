#pragma once
// Spy data sources and a spy grid whose hooks record what the control asks.
#include <gmock/gmock.h>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"

class SpyDataSource : public CGridDataSource {
public:
    MOCK_METHOD(int, RowCount, (), (override));
    MOCK_METHOD(int, ColumnCount, (), (override));
    MOCK_METHOD(int, InsertRowAt, (int), (override));
    MOCK_METHOD(int, DeleteRowAt, (int), (override));
    MOCK_METHOD(int, ReadCell, (int, int, CGridCell*), (override));
    MOCK_METHOD(int, WriteCell, (int, int, CGridCell*), (override));
    MOCK_METHOD(void, OnCurrentRowChanged, (int, int), (override));
    MOCK_METHOD(void, OnCurrentColumnChanged, (int, int), (override));
};

class SpyGrid : public CGridCtrl {
public:
    MOCK_METHOD(void, OnGridSetup, (), (override));
    MOCK_METHOD(void, OnSetupSheet, (int), (override));
    MOCK_METHOD(void, OnBeforeGetCell, (int, int, CGridCell*), (override));
    MOCK_METHOD(void, OnBeforeSetCell, (int, int, CGridCell*), (override));
    MOCK_METHOD(void, OnCurrentRowChanged, (int, int), (override));
    MOCK_METHOD(void, OnTopRowChanged, (int, int), (override));
    MOCK_METHOD(void, OnLayoutComponents, (RECT*, RECT*, RECT*, RECT*, RECT*, RECT*, RECT*), (override));
};

// A source that stores only texts, by mapped column and row.
class TextSource : public CGridDataSource {
public:
    int ReadCell(int column, int row, CGridCell* cell) override
    {
        auto it = m_texts.find({column, row});
        if (it == m_texts.end())
            return 1;
        cell->SetText(it->second);
        return 0;
    }
    int WriteCell(int column, int row, CGridCell* cell) override
    {
        m_texts[{column, row}] = cell->GetText() ? cell->GetText() : "";
        return 0;
    }
    std::map<std::pair<int, int>, std::string> m_texts;
};
