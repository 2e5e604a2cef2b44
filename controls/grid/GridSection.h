#pragma once
// What every section window of a grid knows: its control and the current sheet's settings.
class CGridCtrl;
struct CGridInfo;

template <class Base>
class CGridSection : public Base {
public:
    void SetGrid(CGridCtrl* grid, CGridInfo* info)
    {
        m_grid = grid;
        m_info = info;
    }
    CGridCtrl* GetGrid() const { return m_grid; }
    CGridInfo* GetGridInfo() const { return m_info; }

protected:
    CGridCtrl* m_grid = nullptr;
    CGridInfo* m_info = nullptr;
};
