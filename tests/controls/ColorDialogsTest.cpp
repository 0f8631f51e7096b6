// The colour dialogs: the colour dialog keeps its sixteen custom colours
// in the profile, and the colour settings dialog shows each row's colour,
// remembers the rows' other colours however it ends and gives the chosen
// colours only on OK.
#ifdef _WIN32
#include "ListTestHost.h"
#include "ListTestResources.h"
#include "app/ProfileTestUtil.h"
#include "app/TestAppComm.h"
#include "controls/ColorPickDialog.h"
#include "controls/ColorSettingDialog.h"
#include "controls/ListControlResourceIds.h"

namespace
{
class ColorDialogsTest : public ::testing::Test
{
protected:
    ColorDialogsTest()
    {
        // Not the client's own key: other test programs running beside
        // this one empty that whole key.
        m_app.SetRegistryKey("Tanzo Color Dialogs Test");
        m_app.InitProfileName();
        Cleanup();
    }
    ~ColorDialogsTest() override { Cleanup(); }
    void Cleanup()
    {
        for (UINT id : {(UINT)IDD_COLOR_PICK_SETTINGS, (UINT)IDD_TEST_COLOR_SETTING})
            AfxProfileDelete(m_app.GetProfileSectionKey(GetDialogProfileSection(id)), nullptr);
    }
    std::string Stored(UINT id, const char* key)
    {
        return StoredProfileValue(m_app, GetDialogProfileSection(id), key);
    }

    CTestAppComm m_app;
};

// Three rows; the second in the light shade, the third without a key.
class CTestColorDialog : public CColorSettingDialog
{
public:
    CTestColorDialog() : CColorSettingDialog(IDD_TEST_COLOR_SETTING) { SetRowCount(3); }

    UINT GetComboId(int nRow) override { return IDC_TEST_COLOR_ROW0 + nRow; }
    CString GetProfileKey(int nRow) override
    {
        CString strKey;
        if (nRow < 2)
            strKey.Format("OtherColorRow%d", nRow);
        return strKey;
    }
    BOOL UseLightShade(int nRow) override { return nRow == 1; }
    void OnResetColors() override
    {
        for (int nRow = 0; nRow < GetRowCount(); ++nRow)
            SetColor(nRow, RGB(0, 0, 0));
    }
};

// Presses OK in the colour dialog that the settings dialog opens, from
// inside its loop, as soon as it shows.
void PressOkInColorDialogSoon(HWND hSettings, int nTries = 250)
{
    CallSoon(
        [=]
        {
            HWND hActive = ::GetActiveWindow();
            if (hActive != nullptr && hActive != hSettings && ::GetWindow(hActive, GW_OWNER) == hSettings)
                ::PostMessageA(hActive, WM_COMMAND, IDOK, 0);
            else if (nTries > 0)
                PressOkInColorDialogSoon(hSettings, nTries - 1);
        },
        20);
}
} // namespace

TEST_F(ColorDialogsTest, CustomColoursLiveInTheColourDialogsSection)
{
    COLORREF values[COLOR_PICK_CUSTOM_COUNT];
    for (int i = 0; i < COLOR_PICK_CUSTOM_COUNT; ++i)
        values[i] = RGB(i, 2 * i, 3 * i);
    {
        CColorPickDialog dialog(0x123456, 0, nullptr, values);
        EXPECT_EQ(RGB(5, 10, 15), dialog.GetCustomColor(5));
        EXPECT_EQ(dialog.GetCustomColor(0), dialog.m_cc.lpCustColors[0]);
        dialog.SetCustomColor(3, 0xABCDEF);
    }
    EXPECT_EQ(std::to_string(0xABCDEF), Stored(IDD_COLOR_PICK_SETTINGS, "UserColor04"));
    EXPECT_EQ(std::to_string(RGB(15, 30, 45)), Stored(IDD_COLOR_PICK_SETTINGS, "UserColor16"));
    EXPECT_EQ("(none)", Stored(IDD_COLOR_PICK_SETTINGS, "UserColor17"));
    CColorPickDialog again;
    EXPECT_EQ(0xABCDEFu, again.GetCustomColor(3));
    EXPECT_EQ(RGB(0, 0, 0), again.GetCustomColor(0));
}

TEST_F(ColorDialogsTest, SettingsShowTheRowsAndRememberOtherColoursAlsoOnCancel)
{
    WriteDialogProfileInt(IDD_TEST_COLOR_SETTING, "OtherColorRow0", 0x123456);
    CTestColorDialog dialog;
    dialog.SetColor(0, 0x808080); // a fixed colour: its entry, the saved colour in the other entry
    dialog.SetColor(1, 0xB0B0FF); // a light colour
    dialog.SetColor(2, 0x654321); // no fixed colour: the other entry
    CTestColorDialog* p = &dialog;
    CallWhenShown(&dialog.m_hWnd,
                  [p]
                  {
                      CColorCombo* pRow0 = p->GetCombo(0);
                      EXPECT_EQ(12, pRow0->GetCurSel());
                      EXPECT_EQ(0x123456u, pRow0->GetOtherColor());
                      EXPECT_EQ(COLOR_SHADE_LIGHT, p->GetCombo(1)->GetShade());
                      EXPECT_EQ(0, p->GetCombo(1)->GetCurSel());
                      EXPECT_TRUE(p->GetCombo(2)->IsOtherSelected());
                      EXPECT_EQ(0x654321u, p->GetCombo(2)->GetOtherColor());
                      pRow0->SelectColor(0x0A0B0C);
                      p->GetCombo(1)->SelectColor(0xE0E0E0);
                      p->PostMessage(WM_COMMAND, IDCANCEL);
                  });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(std::to_string(0x0A0B0C), Stored(IDD_TEST_COLOR_SETTING, "OtherColorRow0"));
    EXPECT_EQ(std::to_string(0xFFFFFF), Stored(IDD_TEST_COLOR_SETTING, "OtherColorRow1"));
    // Cancelled: the rows keep the caller's colours.
    EXPECT_EQ(0x808080u, dialog.GetColor(0));
    EXPECT_EQ(0xB0B0FFu, dialog.GetColor(1));
}

TEST_F(ColorDialogsTest, OkGivesTheChosenColoursAndResetTheDefaults)
{
    CTestColorDialog dialog;
    for (int nRow = 0; nRow < 3; ++nRow)
        dialog.SetColor(nRow, 0x0000FF);
    CTestColorDialog* p = &dialog;
    CallWhenShown(&dialog.m_hWnd,
                  [p]
                  {
                      // The colour dialog opens with the row's colour; OK keeps it as the
                      // other colour.
                      p->GetCombo(0)->SelectColor(0x345678);
                      PressOkInColorDialogSoon(p->m_hWnd);
                      EXPECT_TRUE(p->ChooseOtherColor(0));
                      EXPECT_TRUE(p->GetCombo(0)->IsOtherSelected());
                      EXPECT_EQ(0x345678u, p->GetCombo(0)->GetOtherColor());
                      p->GetCombo(1)->SelectColor(0xFFFFC0);
                      p->ResetColors();
                      EXPECT_EQ(13, p->GetCombo(2)->GetCurSel()); // black
                      EXPECT_TRUE(p->GetCombo(1)->IsOtherSelected());
                      p->GetCombo(2)->SelectColor(0x008000);
                      p->PostMessage(WM_COMMAND, IDOK);
                  });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(0x000000u, dialog.GetColor(0)); // reset to black, then kept
    EXPECT_EQ(0x000000u, dialog.GetColor(1)); // the light shade has no black: the other entry holds it
    EXPECT_EQ(0x008000u, dialog.GetColor(2));
    EXPECT_EQ(std::to_string(0x345678), Stored(IDD_TEST_COLOR_SETTING, "OtherColorRow0"));
    EXPECT_EQ((COLORREF)-1, dialog.GetColor(3));
}
#endif // _WIN32
