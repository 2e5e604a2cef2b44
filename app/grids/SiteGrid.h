#pragma once

// The proposal's sites as a grid: each site in two rows (site number, type, cost per day,
// number of days and total; under them the description). The bidder enters the number of days
// of the sites whose days are the bidder's to give.
#include "app/grids/ProposalEditCtl.h"
#include "app/grids/ProposalGrid.h"
#include "app/grids/SiteDataSource.h"

class CSite;

// The site grid's editor: Tab, Enter, Up and Down go on to the days of the nearest site before
// or after whose days are the bidder's.
class CSiteEditCtl : public CProposalEditCtl {
protected:
    bool FindNextEntry(bool backwards, int* column, int* row) override;
};

class CSiteGrid : public CProposalGrid {
public:
    CSiteGrid();
    ~CSiteGrid() override;

    // The site of a grid row; null outside the sites.
    CSite* GetSiteOfRow(int row) const;
    // The days cell of the site before or after the current one.
    bool FindNextDaysCell(int* column, int* row, bool backwards);

protected:
    bool FindNextEntryCell(int* column, int* row, bool backwards) override
    {
        return FindNextDaysCell(column, row, backwards);
    }

private:
    CSiteDataSource m_dataSource;
    CSiteEditCtl m_editCtl;
};
