// The template managers opened from the main window's menu share the
// client's look: the tips of their buttons, the list in the font, row
// metrics and colours the options give the item lists; the rating
// templates' manager opens 700 x 400.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ActionControls.h"
#include "afx/TestText.h"
#include "app/BaseDialog.h"
#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/shared/ActionCommands.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"
#include "client/win32/ClientAppFixture.h"
#include "controls/CommListCtrl.h"

namespace
{
// What a manager showed before it was cancelled.
struct Shown
{
    std::vector<std::string> tips;
    COLORREF textColor = 0;
    int nPointSize = 0;
    int nRowHeight = 0;
    int cx = 0, cy = 0;
};

class TemplateManagersFromList : public ClientAppTest
{
protected:
    TemplateManagersFromList() { SetActionCommandTarget(&m_commands); }
    ~TemplateManagersFromList() override
    {
        Close();
        SetActionCommandTarget(nullptr);
    }

    CActionCommands m_commands;
    CMessageBoxRecorder m_boxes;
};
} // namespace

TEST_F(TemplateManagersFromList, EveryManagerHasTheClientsTipsAndListLook)
{
    ASSERT_TRUE(Start());
    // Options other than the defaults, as the user set them.
    COptionSettings& options = Frame()->GetOptionSettings();
    const COLORREF kText = RGB(10, 20, 30);
    const int kFontSizeType = COptionSettings::DefaultFontSize + 2;
    options.SetColor(COptionSettings::ColorItemText, kText);
    options.SetFontSizeType(kFontSizeType);
    int nFontSize = 0;
    ASSERT_TRUE(COptionSettings::GetFontSize(kFontSizeType, nFontSize));
    const COptionSettings::FontSizeRow* pRow = COptionSettings::GetFontSizeRow(kFontSizeType);
    ASSERT_NE(nullptr, pRow);

    const struct
    {
        UINT nCommand;
        int nList;
        std::vector<int> buttons; // add, edit, delete, up, down
        int cx, cy;               // the opening size; 0: the template's
    } cases[] = {
        {ID_TEMPLATES_DESCRIPTION,
         IDC_DESCRIPTION_TEMPLATE_LIST,
         {IDC_DESCRIPTION_TEMPLATE_ADD, IDC_DESCRIPTION_TEMPLATE_EDIT, IDC_DESCRIPTION_TEMPLATE_DELETE,
          IDC_DESCRIPTION_TEMPLATE_UP, IDC_DESCRIPTION_TEMPLATE_DOWN},
         0,
         0},
        {ID_TEMPLATES_RATE_AS_SELLER,
         IDC_RATE_TEMPLATE_LIST,
         {IDC_RATE_TEMPLATE_ADD, IDC_RATE_TEMPLATE_EDIT, IDC_RATE_TEMPLATE_DELETE, IDC_RATE_TEMPLATE_UP,
          IDC_RATE_TEMPLATE_DOWN},
         700,
         400},
        {ID_TEMPLATES_RATE_AS_BUYER,
         IDC_RATE_TEMPLATE_LIST,
         {IDC_RATE_TEMPLATE_ADD, IDC_RATE_TEMPLATE_EDIT, IDC_RATE_TEMPLATE_DELETE, IDC_RATE_TEMPLATE_UP,
          IDC_RATE_TEMPLATE_DOWN},
         700,
         400},
    };
    const std::vector<std::string> tips = {LoadText(IDS_TIP_TEMPLATE_ADD), LoadText(IDS_TIP_TEMPLATE_EDIT),
                                           LoadText(IDS_TIP_TEMPLATE_DELETE), LoadText(IDS_TIP_MOVE_UP),
                                           LoadText(IDS_TIP_MOVE_DOWN)};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nCommand);
        Shown shown;
        bool bShown = false;
        WhenDialogShows(c.nList,
                        [&](HWND hManager)
                        {
                            bShown = true;
                            auto* pManager = dynamic_cast<CBaseDialog*>(CWnd::FromHandlePermanent(hManager));
                            auto* pList = dynamic_cast<CCommListCtrl*>(
                                CWnd::FromHandlePermanent(::GetDlgItem(hManager, c.nList)));
                            if (pManager != nullptr && pList != nullptr)
                            {
                                for (int nID : c.buttons)
                                {
                                    CString tip;
                                    pManager->GetToolTip().GetCtrl().GetText(tip, pManager->GetDlgItem(nID));
                                    shown.tips.push_back((LPCTSTR)tip);
                                }
                                shown.textColor = (COLORREF)pList->SendMessage(LVM_GETTEXTCOLOR);
                                shown.nPointSize = pList->GetListFont().GetPointSize();
                                shown.nRowHeight = pList->GetRowHeight();
                            }
                            CRect rect;
                            ::GetWindowRect(hManager, &rect);
                            shown.cx = rect.Width();
                            shown.cy = rect.Height();
                            Click(hManager, IDCANCEL);
                        });
        Frame()->SendMessage(WM_COMMAND, c.nCommand, 0);
        ASSERT_TRUE(bShown);
        EXPECT_EQ(tips, shown.tips);
        EXPECT_EQ(kText, shown.textColor);
        EXPECT_EQ(nFontSize, shown.nPointSize);
        EXPECT_EQ(pRow->listValue1, shown.nRowHeight);
        if (c.cx != 0)
        {
            EXPECT_EQ(c.cx, shown.cx);
            EXPECT_EQ(c.cy, shown.cy);
        }
    }
    EXPECT_TRUE(m_boxes.texts.empty());
}
