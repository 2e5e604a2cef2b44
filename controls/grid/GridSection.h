#pragma once
// What every section window of a grid knows: its control and the current sheet's settings.
// The sections that paint themselves paint every pixel, and often.
#include "platform/ui/window/Wnd.h"

class CDC;

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
    int OnCreate(CREATESTRUCT* create) override
    {
        if (Base::OnCreate(create) == -1)
            return -1;
        if (this->PaintsItself())
            this->SetOpaquePaint();
        return 0;
    }
    bool OnEraseBkgnd(CDC*) override { return true; }  // the paint covers every pixel

    CGridCtrl* m_grid = nullptr;
    CGridInfo* m_info = nullptr;
};
