#pragma once

// The sample open in tree mode, with the section, alternate and option nodes of its schedule.
#include "app/tree/BidView.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "tests/app/ShellTestSupport.h"

class SectionViewTest : public ShellTest {
protected:
    void OpenSample() { OpenSampleInWindow(360, false); }

    // The first row of the schedule with the flag bit, from `from` on; -1 when none.
    int FirstRowWith(int bit, int from = 0) const
    {
        for (int row = from; row < Prop()->m_items.GetSize(); ++row)
            if (TestFlagBit(Prop()->m_items[row]->m_wFlags, bit))
                return row;
        return -1;
    }

    // The form shown for the node, chosen in the tree; null when the tree has no such node.
    CView* Show(NodeRef node)
    {
        if (!Tree().SelectNode(node))
            return nullptr;
        Settle();
        return Frame().GetSplitter().GetRightView();
    }

    static std::string TextOf(CView& view, UINT id)
    {
        CWnd* control = view.GetDlgItem(id);
        return control ? control->GetWindowText() : "<none>";
    }
};
