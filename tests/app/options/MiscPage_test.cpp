// The switches and colours: shown from the application, changed with real clicks and the
// colour dialog, painted in their swatches, handed back on OK; on a display of 256 colours the
// custom colours cannot be had.
#include "tests/app/options/OptionsTestSupport.h"

#include "app/views/ViewBackgrounds.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/draw/DC.h"

namespace {

using namespace optionstest;

constexpr ColorRef kOrange = MakeColorRef(230, 120, 20);

class MiscPage : public OptionsTest {
protected:
    MiscPage()
    {
        app.m_iBackgroundType = BACKGROUND_GRADIENT;
        app.m_crTopColor = MakeColorRef(0, 0, 128);
        app.m_crBottomColor = MakeColorRef(0, 0, 255);
    }
    ~MiscPage() override { platform::SetScreenBitsPerPixel(0); }

    CWnd* Item(UINT id) { return sheet.m_miscPage.GetDlgItem(id); }
    int Check(UINT id) { return dynamic_cast<CButton*>(Item(id))->GetCheck(); }
    // Whether the page shows the colour at the centre of a control (within the screen's rounding).
    bool Shows(UINT id, ColorRef color)
    {
        CRect rect;
        Item(id)->GetWindowRect(&rect);
        sheet.m_miscPage.ScreenToClient(&rect);
        const QImage page = sheet.m_miscPage.ModalWindow()->grab().toImage();
        const QColor shown = page.pixelColor(rect.CenterPoint().x, rect.CenterPoint().y);
        return std::abs(shown.red() - int(color & 0xFF)) <= 4 && std::abs(shown.green() - int(color >> 8 & 0xFF)) <= 4 &&
               std::abs(shown.blue() - int(color >> 16 & 0xFF)) <= 4;
    }
};

} // namespace

TEST_F(MiscPage, ShowsTheSwitchesAndHandsTheChangedOnesBackOnOk)
{
    app.m_bFloppySave = 0;
    RunOn(5, [&] {
        EXPECT_EQ(Check(1064), BST_CHECKED);
        EXPECT_EQ(Check(1082), BST_UNCHECKED);
        EXPECT_EQ(Check(COptionsMiscPage::IDC_CUSTOM_COLORS), BST_CHECKED);
        EXPECT_FALSE(Item(COptionsMiscPage::IDC_HICOLOR_NOTE)->IsWindowVisible());
        Click(Item(1064));
        Click(Item(1082));
        EXPECT_TRUE(ApplyEnabled(sheet));
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(app.m_bPrintSave, 0);
    EXPECT_EQ(app.m_bFloppySave, 1);
    EXPECT_EQ(app.m_bAutoLoad, 1);
    EXPECT_EQ(app.m_iBackgroundType, BACKGROUND_GRADIENT);
}

TEST_F(MiscPage, AColourChosenInTheDialogIsPaintedInItsSwatchAndKeptOnOk)
{
    RunOn(5, [&] {
        EXPECT_TRUE(Shows(1122, MakeColorRef(0, 0, 128)));
        m_script.AnswerColor(kOrange);
        Click(Item(1122)); // the swatch acts as its button
        EXPECT_TRUE(Shows(1122, kOrange));
        m_script.AnswerCancel();
        Click(Item(1129));
        EXPECT_EQ(sheet.m_miscPage.m_colors[3], app.m_crGridBottomColor);
        Click(Item(COptionsMiscPage::IDC_CUSTOM_COLORS));
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(m_script.AllAnswered());
    EXPECT_EQ(app.m_crTopColor, kOrange);
    EXPECT_EQ(app.m_iBackgroundType, BACKGROUND_PLAIN);
}

TEST_F(MiscPage, CancelLeavesTheApplicationsColoursAlone)
{
    RunOn(5, [&] {
        m_script.AnswerColor(kOrange);
        Click(Item(1124));
        Press(sheet, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(app.m_crTopColor, MakeColorRef(0, 0, 128));
}

TEST_F(MiscPage, ABitmapBackgroundStaysWhileCustomColoursStayOn)
{
    app.m_iBackgroundType = BACKGROUND_BITMAP;
    RunOn(5, [&] { Press(sheet, QDialogButtonBox::Ok); });
    EXPECT_EQ(app.m_iBackgroundType, BACKGROUND_BITMAP);
}

TEST_F(MiscPage, OnA256ColourDisplayTheCustomColoursCannotBeEnabled)
{
    platform::SetScreenBitsPerPixel(8);
    RunOn(5, [&] {
        CWnd* box = Item(COptionsMiscPage::IDC_CUSTOM_COLORS);
        EXPECT_FALSE(box->IsWindowVisible());
        EXPECT_FALSE(box->IsWindowEnabled());
        EXPECT_EQ(Check(COptionsMiscPage::IDC_CUSTOM_COLORS), BST_UNCHECKED);
        EXPECT_TRUE(Item(COptionsMiscPage::IDC_HICOLOR_NOTE)->IsWindowVisible());
        for (UINT button : {1124, 1125, 1128, 1129, 1132, 1133})
            EXPECT_FALSE(Item(button)->IsWindowEnabled()) << button;
        Click(Item(1122)); // no colour dialog
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(m_script.AllAnswered());
    EXPECT_EQ(app.m_iBackgroundType, BACKGROUND_PLAIN);
}
