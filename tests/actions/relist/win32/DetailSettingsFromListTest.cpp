// The markdown of new re-listing settings confirmed through the main
// window's question, as the options ask for it: the settings dialog over
// the running client's window, its markdown on, and OK.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DetailSettingsWindows.h"
#include "afx/TestText.h"
#include "app/DialogProfile.h"
#include "app/DialogResourceIds.h"
#include "client/OptionSettings.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"
#include "client/win32/ClientAppFixture.h"

namespace
{
} // namespace

namespace
{
// The settings dialog over the running client's main window, whose options
// say which questions are asked.
class DetailSettingsFromList : public ClientAppTest
{
protected:
    CMessageBoxRecorder boxes;
};

// Answers each yes/no question of the main window's prompt that shows
// while it lives, keeping its text and the tab of the pane then current.
class CQuestionAnswerer
{
public:
    CQuestionAnswerer(int nAnswer, CResubmitDetailSettingDialog& pane) : m_nAnswer(nAnswer), m_pane(pane)
    {
        Poll();
    }
    ~CQuestionAnswerer() { *m_pStopped = true; }

    std::vector<std::string> asked;
    int nTabWhenAsked = -1;

private:
    void Poll()
    {
        std::shared_ptr<bool> stopped = m_pStopped;
        CallSoon(
            [this, stopped]
            {
                if (*stopped)
                    return;
                HWND hQuestion = FindDialogWith(IDC_MESSAGE_CHECKBOX);
                if (hQuestion != nullptr && hQuestion != m_hAnswered)
                {
                    m_hAnswered = hQuestion;
                    asked.push_back(ControlText(hQuestion, IDC_MESSAGE_TEXT));
                    nTabWhenAsked = m_pane.GetCurSel();
                    Click(hQuestion, m_nAnswer == IDYES ? IDC_MESSAGE_BUTTON_PAIR_FIRST
                                                        : IDC_MESSAGE_BUTTON_PAIR_SECOND);
                }
                Poll();
            },
            20);
    }

    int m_nAnswer;
    CResubmitDetailSettingDialog& m_pane;
    HWND m_hAnswered = nullptr;
    std::shared_ptr<bool> m_pStopped = std::make_shared<bool>(false);
};
} // namespace

TEST_F(DetailSettingsFromList, MarkdownOfNewSettingsIsConfirmedWhenTheOptionsAsk)
{
    ASSERT_TRUE(Start());
    COptionSettings& options = Frame()->GetOptionSettings();
    const struct
    {
        const char* name;
        bool ask;      // option bit 0x10
        int clickLast; // the way of re-listing clicked last
        int answer;    // to the question; 0: none asked
        bool closes;
    } cases[] = {
        {"asked, no", true, IDC_RESUBMIT_TYPE_NEW, IDNO, false},
        {"asked, yes", true, IDC_RESUBMIT_TYPE_NEW, IDYES, true},
        {"options ask not", false, IDC_RESUBMIT_TYPE_NEW, 0, true},
        {"the way kept from before", true, IDC_RESUBMIT_TYPE_KEEP, 0, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        if (c.ask)
            options.AddOptionBits(COptionSettings::OptionConfirmMarkdown);
        else
            options.RemoveOptionBits(COptionSettings::OptionConfirmMarkdown);
        WriteDialogProfileInt(IDD_DETAIL_MARKDOWN, "ToggleVal", 0);
        boxes.texts.clear();
        boxes.nAnswer = IDYES;

        CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings, Frame());
        ASSERT_TRUE(dlg.CreateModeless(Frame()));
        dlg.ShowWindow(SW_SHOW);
        ClickControl(dlg.m_hWnd, IDC_RESUBMIT_TYPE_NEW);
        CResubmitDetailSettingDialog* pPane = DetailPane(dlg);
        ASSERT_NE(nullptr, pPane);
        // Every tab opened, so that only the markdown may ask.
        for (int nTab = CResubmitDetailSettingDialog::TabReturnPolicy; nTab >= 0; --nTab)
            ClickDetailTab(*pPane, nTab);
        SetControlText(pPane->m_hWnd, IDC_DETAIL_NUM_RESUBMIT, "2");
        ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabMarkdown);
        ClickControl(pPane->m_hWnd, IDC_DETAIL_MARKDOWN_CHECK);
        ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabBasic);
        ClickControl(dlg.m_hWnd, c.clickLast);

        CQuestionAnswerer answerer(c.answer == IDYES ? IDYES : IDNO, *pPane);
        PressOK(dlg);
        EXPECT_EQ(c.answer != 0 ? std::vector<std::string>{LoadText(1097)} : std::vector<std::string>{},
                  answerer.asked);
        EXPECT_TRUE(boxes.texts.empty());
        if (c.answer != 0)
        {
            EXPECT_EQ(CResubmitDetailSettingDialog::TabMarkdown, answerer.nTabWhenAsked);
        }
        EXPECT_EQ(c.closes, !IsOpen(dlg));
        EXPECT_EQ(c.closes ? 1 : 0, GetDialogProfileInt(IDD_DETAIL_MARKDOWN, "ToggleVal", -1));
        if (::IsWindow(dlg.m_hWnd))
            dlg.DestroyWindow();
    }
}
