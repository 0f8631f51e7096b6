// The dialogs of the two jobs on items on sale as a user drives them: the
// featured amount with its range and its question, the text added to the
// descriptions with its confirmation, its preview, its template modes and
// its template menu over the document's set.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "actions/shared/win32/ActionDialogTestSupport.h"
#include "afx/TestText.h"
#include "app/DialogTestUtil.h"
#include "auction/settings/AuctionListingForm.h"
#include "auction/templates/TemplateStringItem.h"
#include "client/DataFileTestSupport.h"
#include "client/DataSetFiles.h"
#include "client/ListResourceIds.h"
#include "client/TanzoDocData.h"
#include "client/actions/shared/TanzoTemplateMenu.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"
#include "client/actions/updates/AddDescriptionConfirmDialog.h"
#include "client/actions/updates/AddDescriptionDialog.h"
#include "client/actions/updates/AddDescriptionPages.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"
#include "client/actions/updates/DescriptionTemplateListDialog.h"
#include "client/actions/updates/FeaturedAmountDialog.h"
#include "client/actions/updates/FeaturedAmountResourceIds.h"
#include "text/Charset.h"

namespace
{
const char kRegistryKey[] = "Tanzo Item Update Dialogs Test";

std::string Formatted(UINT nID, int a)
{
    CString text;
    text.FormatMessage(nID, a);
    return (LPCTSTR)text;
}

std::string Formatted(UINT nID, int a, int b)
{
    CString text;
    text.FormatMessage(nID, a, b);
    return (LPCTSTR)text;
}

// What a confirmation of the addition showed.
struct Confirmation
{
    bool bShown = false;
    std::string caption;
    std::string html;
};

// Answers the next confirmation over the dialog with the button, from
// inside its modal loop, after noting what it showed.
void AnswerConfirmation(HWND hDialog, int nButton, Confirmation* pSeen, int nTries = 500)
{
    CallSoon(
        [=]
        {
            HWND hConfirm = FindOwnedWindow(hDialog);
            auto* pConfirm = dynamic_cast<CAddDescriptionConfirmDialog*>(CWnd::FromHandlePermanent(hConfirm));
            if (pConfirm == nullptr)
            {
                if (nTries > 0)
                    AnswerConfirmation(hDialog, nButton, pSeen, nTries - 1);
                return;
            }
            pSeen->bShown = true;
            char szCaption[256] = {};
            ::GetWindowTextA(hConfirm, szCaption, sizeof(szCaption));
            pSeen->caption = szCaption;
            pSeen->html = (LPCTSTR)pConfirm->GetHtml();
            ::SendMessageA(hConfirm, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                           (LPARAM)::GetDlgItem(hConfirm, nButton));
        },
        20);
}

// A shown dialog of this thread of that class, or null.
template <class TDialog> TDialog* FindShownDialog()
{
    struct Finder
    {
        TDialog* pFound = nullptr;
        static BOOL CALLBACK Check(HWND hWnd, LPARAM lParam)
        {
            auto* pDialog = dynamic_cast<TDialog*>(CWnd::FromHandlePermanent(hWnd));
            if (pDialog == nullptr || !::IsWindowVisible(hWnd))
                return TRUE;
            ((Finder*)lParam)->pFound = pDialog;
            return FALSE;
        }
    } finder;
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Check, (LPARAM)&finder);
    return finder.pFound;
}

// Runs fn with the dialog of that class from inside its modal loop once it
// shows; null when it never did (1000 tries, 20 ms apart).
template <class TDialog> void WhenShown(std::function<void(TDialog*)> fn, int nTries = 1000)
{
    CallSoon(
        [=]
        {
            TDialog* pDialog = FindShownDialog<TDialog>();
            if (pDialog != nullptr || nTries == 0)
                fn(pDialog);
            else
                WhenShown<TDialog>(fn, nTries - 1);
        },
        20);
}

// Types the text into the next addition dialog over the owner and clicks
// its OK, from inside its modal loop, after noting its caption and the
// text it started with.
void AnswerTextDialog(HWND hOwner, const char* text, std::string* pCaption, std::string* pShown = nullptr,
                      int nTries = 500)
{
    CallSoon(
        [=]
        {
            HWND hDialog = FindOwnedWindow(hOwner);
            auto* pDialog = dynamic_cast<CAddDescriptionDialog*>(CWnd::FromHandlePermanent(hDialog));
            if (pDialog == nullptr)
            {
                if (nTries > 0)
                    AnswerTextDialog(hOwner, text, pCaption, pShown, nTries - 1);
                return;
            }
            ClickTab(FindControl(hDialog, IDC_ADD_DESCRIPTION_TABS), 0);
            if (pCaption != nullptr)
            {
                CString caption;
                pDialog->GetWindowText(caption);
                *pCaption = (LPCTSTR)caption;
            }
            if (pShown != nullptr)
                *pShown = ControlText(hDialog, IDC_ADD_DESCRIPTION_EDIT);
            SetControlText(hDialog, IDC_ADD_DESCRIPTION_EDIT, text);
            ClickButton(*pDialog, IDOK);
        },
        20);
}

// The document without its files: its templates live for the test.
class CDocWithoutFiles : public CTanzoDocData
{
public:
protected:
    BOOL GetUserDataRoot(CString&) override { return FALSE; }
};

class ItemUpdateDialogs : public ::testing::Test
{
protected:
    CProfileScope profile{kRegistryKey};
    CMessageBoxRecorder boxes;
};
} // namespace

TEST_F(ItemUpdateDialogs, FeaturedAmountRefusesWhatLiesOutsideItsRangeAndAsksBeforeOk)
{
    CFeaturedAmountDialog dialog;
    const INT_PTR nResult = RunModal(
        dialog,
        [&]
        {
            EXPECT_EQ("20", ControlText(dialog.m_hWnd, IDC_FEATURED_AMOUNT));
            HWND hEdit = FindControl(dialog.m_hWnd, IDC_FEATURED_AMOUNT);
            for (const char* typed : {"19", "1000", ""})
            {
                SCOPED_TRACE(typed);
                boxes.texts.clear();
                SetControlText(dialog.m_hWnd, IDC_FEATURED_AMOUNT, typed);
                ClickButton(dialog, IDOK);
                ASSERT_TRUE(::IsWindow(dialog.m_hWnd));
                ASSERT_EQ(1u, boxes.texts.size());
                EXPECT_EQ(Formatted(IDS_NUMBER_OUT_OF_RANGE, 20, 999), boxes.texts[0]);
                EXPECT_EQ(hEdit, ::GetFocus());
                DWORD nStart = 1, nEnd = 0;
                ::SendMessageA(hEdit, EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd);
                EXPECT_EQ(0u, nStart);
                EXPECT_EQ((DWORD)::GetWindowTextLengthA(hEdit), nEnd);
            }
            // No keeps the dialog and stores nothing.
            boxes.texts.clear();
            boxes.types.clear();
            boxes.nAnswer = IDNO;
            SetControlText(dialog.m_hWnd, IDC_FEATURED_AMOUNT, "300");
            ClickButton(dialog, IDOK);
            ASSERT_TRUE(::IsWindow(dialog.m_hWnd));
            ASSERT_EQ(1u, boxes.texts.size());
            EXPECT_EQ(Formatted(IDS_CONFIRM_AMOUNT, 300), boxes.texts[0]);
            EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), boxes.types[0] & (MB_TYPEMASK | MB_ICONMASK));
            EXPECT_EQ("(none)", profile.Stored(IDD_FEATURED_AMOUNT, "FeaturedAmount"));
            boxes.nAnswer = IDYES;
            ClickButton(dialog, IDOK);
        });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(300, dialog.GetAmount());
    EXPECT_EQ("300", profile.Stored(IDD_FEATURED_AMOUNT, "FeaturedAmount"));
}

TEST_F(ItemUpdateDialogs, FeaturedAmountStartsWithTheStoredAmountWithinItsRange)
{
    const struct
    {
        int nStored;
        const char* shown;
    } cases[] = {{300, "300"}, {5, "20"}, {5000, "999"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nStored);
        WriteDialogProfileInt(IDD_FEATURED_AMOUNT, "FeaturedAmount", c.nStored);
        CFeaturedAmountDialog dialog;
        std::string shown;
        RunModal(dialog,
                 [&]
                 {
                     shown = ControlText(dialog.m_hWnd, IDC_FEATURED_AMOUNT);
                     ClickButton(dialog, IDCANCEL);
                 });
        EXPECT_EQ(c.shown, shown);
    }
}

TEST_F(ItemUpdateDialogs, AnAdditionIsConfirmedStoredAndHandedToTheJob)
{
    const std::string text = "<b>追記</b> 送料&amp;手数料&nbsp;込み\r\n2行目";
    {
        CAddDescriptionDialog dialog(nullptr, CAddDescriptionDialog::ModeAddToItems);
        Confirmation refused, agreed;
        const INT_PTR nResult = RunModal(
            dialog,
            [&]
            {
                EXPECT_TRUE(::IsWindowVisible(FindControl(dialog.m_hWnd, IDC_ADD_DESCRIPTION_TEMPLATES)));
                EXPECT_EQ("", ControlText(dialog.m_hWnd, IDC_ADD_DESCRIPTION_EDIT));
                // Nothing typed: told, on the text tab, nothing asked.
                ClickTab(FindControl(dialog.m_hWnd, IDC_ADD_DESCRIPTION_TABS), 1);
                ClickButton(dialog, IDOK);
                ASSERT_TRUE(::IsWindow(dialog.m_hWnd));
                ASSERT_EQ(std::vector<std::string>{LoadText(IDS_NOTHING_ENTERED)}, boxes.texts);
                EXPECT_EQ(0, dialog.GetCurSel());

                SetControlText(dialog.m_hWnd, IDC_ADD_DESCRIPTION_EDIT, text.c_str());
                // The preview shows what is typed now.
                ClickTab(FindControl(dialog.m_hWnd, IDC_ADD_DESCRIPTION_TABS), 1);
                auto* pPreview = static_cast<CAddDescriptionPreviewPage*>(dialog.GetPage(1));
                EXPECT_NE(std::string::npos, std::string((LPCTSTR)pPreview->GetHtml()).find(text));

                // いいえ keeps the dialog and stores nothing.
                AnswerConfirmation(dialog.m_hWnd, IDCANCEL, &refused);
                ClickButton(dialog, IDOK);
                ASSERT_TRUE(refused.bShown);
                ASSERT_TRUE(::IsWindow(dialog.m_hWnd));
                EXPECT_EQ("(none)", profile.Stored(IDD_ADD_DESCRIPTION, "Description"));
                AnswerConfirmation(dialog.m_hWnd, IDOK, &agreed);
                ClickButton(dialog, IDOK);
            });
        EXPECT_EQ(IDOK, nResult);
        ASSERT_TRUE(agreed.bShown);
        EXPECT_EQ("追加説明の確認", agreed.caption);
        EXPECT_NE(std::string::npos, agreed.html.find(text));
        EXPECT_EQ(text, (LPCTSTR)dialog.GetText());
        EXPECT_EQ(text, profile.Stored(IDD_ADD_DESCRIPTION, "Description"));
        // The job's pane writes the text as typed into each form.
        CAuctionListingForm form(nullptr, CHARSET_UTF8);
        form.SetAt(LF_DESCRIPTION, "元の説明");
        EXPECT_TRUE(dialog.GetSettingsPane().ApplyToListingForm(form, 0));
        EXPECT_EQ(text, (LPCTSTR)form.GetAt(LF_DESCRIPTION));
    }
    // The next opening starts with it, on the tab last shown.
    CAddDescriptionDialog again(nullptr, CAddDescriptionDialog::ModeAddToItems);
    std::string previewed, shown;
    RunModal(again,
             [&]
             {
                 EXPECT_EQ(1, again.GetCurSel());
                 previewed = (LPCTSTR) static_cast<CAddDescriptionPreviewPage*>(again.GetPage(1))->GetHtml();
                 ClickTab(FindControl(again.m_hWnd, IDC_ADD_DESCRIPTION_TABS), 0);
                 shown = ControlText(again.m_hWnd, IDC_ADD_DESCRIPTION_EDIT);
                 ClickButton(again, IDCANCEL);
             });
    EXPECT_NE(std::string::npos, previewed.find(text));
    EXPECT_EQ(text, shown);
}

TEST_F(ItemUpdateDialogs, TemplateModesAskNothingAndLeaveTheStoredAdditionAlone)
{
    WriteDialogProfileString(IDD_ADD_DESCRIPTION, "Description", "前回の追記");
    const struct
    {
        int nMode;
        UINT nCaption;
    } cases[] = {{CAddDescriptionDialog::ModeAddTemplate, IDS_CAPTION_ADD_TEMPLATE},
                 {CAddDescriptionDialog::ModeEditTemplate, IDS_CAPTION_EDIT_TEMPLATE}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nMode);
        boxes.texts.clear();
        CAddDescriptionDialog dialog(nullptr, c.nMode);
        dialog.SetText("定型文");
        std::string caption, shown;
        BOOL bButtonShown = TRUE;
        const INT_PTR nResult =
            RunModal(dialog,
                     [&]
                     {
                         CString text;
                         dialog.GetWindowText(text);
                         caption = (LPCTSTR)text;
                         shown = ControlText(dialog.m_hWnd, IDC_ADD_DESCRIPTION_EDIT);
                         bButtonShown =
                             ::IsWindowVisible(::GetDlgItem(dialog.m_hWnd, IDC_ADD_DESCRIPTION_TEMPLATES));
                         SetControlText(dialog.m_hWnd, IDC_ADD_DESCRIPTION_EDIT, "変えた定型文");
                         ClickButton(dialog, IDOK);
                     });
        EXPECT_EQ(IDOK, nResult);
        EXPECT_EQ(LoadText(c.nCaption), caption);
        EXPECT_EQ("定型文", shown);
        EXPECT_FALSE(bButtonShown);
        EXPECT_TRUE(boxes.texts.empty());
        EXPECT_EQ("変えた定型文", std::string((LPCTSTR)dialog.GetText()));
        EXPECT_EQ("前回の追記", profile.Stored(IDD_ADD_DESCRIPTION, "Description"));
    }
}

TEST_F(ItemUpdateDialogs, TheTemplateManagerAddsAndEditsThroughTheAdditionDialog)
{
    WriteDialogProfileString(IDD_ADD_DESCRIPTION, "Description", "前回の追記");
    CDocWithoutFiles doc;
    for (const char* text : {"一つ目の定型文", "二つ目の定型文"})
    {
        const CTemplateStringItem item(nullptr, text);
        doc.AddTemplate(0, &item);
    }
    std::string rows, addCaption, editShown;
    WhenShown<CDescriptionTemplateListDialog>(
        [&](CDescriptionTemplateListDialog* pManager)
        {
            ASSERT_NE(nullptr, pManager);
            HWND hList = FindControl(pManager->m_hWnd, IDC_DESCRIPTION_TEMPLATE_LIST);
            for (int i = 0; i < ListView_GetItemCount(hList); ++i)
            {
                char szText[128] = {};
                ListView_GetItemText(hList, i, 0, szText, sizeof(szText));
                rows += std::string(szText) + "|";
            }
            AnswerTextDialog(pManager->m_hWnd, "追加した定型文\r\n二行目", &addCaption);
            ClickButton(*pManager, IDC_DESCRIPTION_TEMPLATE_ADD);
            // The new row leaves the first selected; the user picks the second.
            EXPECT_EQ(0, ListView_GetNextItem(hList, -1, LVNI_SELECTED));
            ListView_SetItemState(hList, -1, 0, LVIS_SELECTED);
            ListView_SetItemState(hList, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            AnswerTextDialog(pManager->m_hWnd, "直した定型文", nullptr, &editShown);
            ClickButton(*pManager, IDC_DESCRIPTION_TEMPLATE_EDIT);
            ClickButton(*pManager, IDOK);
        });
    CTanzoTemplateMenu menu(dataSetDescriptionTemplates);
    menu.SetDocument(&doc);
    menu.RunManagementDialog();
    EXPECT_EQ("一つ目の定型文|二つ目の定型文|", rows);
    EXPECT_EQ(LoadText(IDS_CAPTION_ADD_TEMPLATE), addCaption);
    EXPECT_EQ("二つ目の定型文", editShown);
    std::vector<std::string> texts;
    for (int i = 0; i < doc.GetTemplateCount(0); ++i)
    {
        CTemplateStringItem item;
        doc.GetTemplate(0, i, item);
        texts.push_back((LPCTSTR)item.GetText());
    }
    EXPECT_EQ((std::vector<std::string>{"一つ目の定型文", "直した定型文", "追加した定型文\r\n二行目"}),
              texts);
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ("前回の追記", profile.Stored(IDD_ADD_DESCRIPTION, "Description"));
}

namespace
{
const char kMenuTemplate[] = "<b>追記</b>：送料&手数料&nbsp;込み";

std::vector<std::string> AdditionTemplates(CTanzoDocData& doc)
{
    std::vector<std::string> texts;
    for (int i = 0; i < doc.GetTemplateCount(0); ++i)
    {
        CTemplateStringItem item;
        doc.GetTemplate(0, i, item);
        texts.push_back((LPCTSTR)item.GetText());
    }
    return texts;
}

void AddTemplates(CTanzoDocData& doc, std::initializer_list<const char*> texts)
{
    for (const char* text : texts)
    {
        const CTemplateStringItem item(nullptr, text);
        doc.AddTemplate(0, &item);
    }
}

void SendMenuCommand(CWnd& dialog, UINT nID)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}
} // namespace

TEST_F(ItemUpdateDialogs, TheTemplateMenuAddsTheTextAfterAskingAndRefusesAFullSet)
{
    CDocWithoutFiles doc;
    CAddDescriptionDialog dialog(nullptr, CAddDescriptionDialog::ModeAddToItems);
    dialog.GetTemplateMenu().SetDocument(&doc);
    std::vector<std::string> fullMenu;
    RunModal(dialog,
             [&]
             {
                 SetControlText(dialog.m_hWnd, IDC_ADD_DESCRIPTION_EDIT, kMenuTemplate);
                 // No: nothing added, nothing told.
                 boxes.nAnswer = IDNO;
                 SendMenuCommand(dialog, ID_TEMPLATE_ADD_CURRENT);
                 EXPECT_EQ(std::vector<std::string>{LoadText(IDS_TEMPLATE_ADD_QUESTION)}, boxes.texts);
                 ASSERT_EQ(1u, boxes.types.size());
                 EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
                           boxes.types[0] & (MB_TYPEMASK | MB_ICONMASK | MB_DEFMASK));
                 EXPECT_TRUE(AdditionTemplates(doc).empty());
                 // Yes: added as typed, then told.
                 boxes.texts.clear();
                 boxes.types.clear();
                 boxes.nAnswer = IDYES;
                 SendMenuCommand(dialog, ID_TEMPLATE_ADD_CURRENT);
                 EXPECT_EQ((std::vector<std::string>{LoadText(IDS_TEMPLATE_ADD_QUESTION),
                                                     LoadText(IDS_TEMPLATE_ADDED)}),
                           boxes.texts);
                 ASSERT_EQ(2u, boxes.types.size());
                 EXPECT_EQ(UINT(MB_ICONINFORMATION), boxes.types[1] & MB_ICONMASK);
                 EXPECT_EQ(std::vector<std::string>{kMenuTemplate}, AdditionTemplates(doc));
                 // An empty text: told on the text tab, no template.
                 boxes.texts.clear();
                 SetControlText(dialog.m_hWnd, IDC_ADD_DESCRIPTION_EDIT, "");
                 ClickTab(FindControl(dialog.m_hWnd, IDC_ADD_DESCRIPTION_TABS), 1);
                 SendMenuCommand(dialog, ID_TEMPLATE_ADD_CURRENT);
                 EXPECT_EQ((std::vector<std::string>{LoadText(IDS_TEMPLATE_ADD_QUESTION),
                                                     LoadText(IDS_NOTHING_ENTERED)}),
                           boxes.texts);
                 EXPECT_EQ(0, dialog.GetCurSel());
                 EXPECT_EQ(1u, AdditionTemplates(doc).size());
                 // Twenty: the command is greyed, and refused when sent all the same.
                 for (int i = 1; i < CTanzoDocData::MaxTemplates; ++i)
                     AddTemplates(doc, {"定型文"});
                 CloseMenuSoon(nullptr, [&](HWND hMenu) { fullMenu = OpenMenuItems(hMenu); });
                 ClickButton(dialog, IDC_ADD_DESCRIPTION_TEMPLATES);
                 boxes.texts.clear();
                 SetControlText(dialog.m_hWnd, IDC_ADD_DESCRIPTION_EDIT, "二十一個目");
                 SendMenuCommand(dialog, ID_TEMPLATE_ADD_CURRENT);
                 EXPECT_TRUE(boxes.texts.empty());
                 EXPECT_EQ(20u, AdditionTemplates(doc).size());
                 ClickButton(dialog, IDCANCEL);
             });
    ASSERT_EQ(3u + 20u, fullMenu.size());
    EXPECT_EQ("定型文の管理(&T)... 33420", fullMenu[0]);
    EXPECT_EQ("現在の編集内容を定型文として追加(&A) 33421 grey", fullMenu[1]);
    EXPECT_EQ("&1 <b>追記</b>：送料&&手数料&&nbsp;込み 33140", fullMenu[3]);
    EXPECT_EQ("20 定型文 33159", fullMenu[22]);
}

TEST_F(ItemUpdateDialogs, ATemplateFromTheMenuGoesIntoTheTextAndThePreview)
{
    CDocWithoutFiles doc;
    AddTemplates(doc, {"一つ目の定型文", kMenuTemplate});
    CAddDescriptionDialog dialog(nullptr, CAddDescriptionDialog::ModeAddToItems);
    dialog.GetTemplateMenu().SetDocument(&doc);
    std::vector<std::string> menu;
    std::string typed, previewed, afterPreview;
    RunModal(dialog,
             [&]
             {
                 BOOL bShown = FALSE;
                 CloseMenuSoon(&bShown, [&](HWND hMenu) { menu = OpenMenuItems(hMenu); });
                 ClickButton(dialog, IDC_ADD_DESCRIPTION_TEMPLATES);
                 EXPECT_TRUE(bShown);
                 SendMenuCommand(dialog, ID_TEMPLATE_FIRST_DESCRIPTION + 1);
                 typed = ControlText(dialog.m_hWnd, IDC_ADD_DESCRIPTION_EDIT);
                 // On the preview tab the preview follows.
                 ClickTab(FindControl(dialog.m_hWnd, IDC_ADD_DESCRIPTION_TABS), 1);
                 SendMenuCommand(dialog, ID_TEMPLATE_FIRST_DESCRIPTION);
                 previewed = (LPCTSTR) static_cast<CAddDescriptionPreviewPage*>(dialog.GetPage(1))->GetHtml();
                 afterPreview = (LPCTSTR)dialog.GetEditedText();
                 ClickButton(dialog, IDCANCEL);
             });
    EXPECT_EQ((std::vector<std::string>{
                  "定型文の管理(&T)... 33420", "現在の編集内容を定型文として追加(&A) 33421", " 0 grey",
                  "&1 一つ目の定型文 33140", std::string("&2 <b>追記</b>：送料&&手数料&&nbsp;込み 33141")}),
              menu);
    EXPECT_EQ(kMenuTemplate, typed);
    EXPECT_NE(std::string::npos, previewed.find("一つ目の定型文"));
    EXPECT_EQ("一つ目の定型文", afterPreview);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(ItemUpdateDialogs, TheManagersChangesFromTheMenuReachTheDocumentsFile)
{
    CTempFolder folder;
    {
        CTestDocData doc(folder.Path());
        AddTemplates(doc, {"消す定型文", "残す定型文"});
        ASSERT_TRUE(doc.TransferDataSet(0, TRUE));
    }
    CTestDocData doc(folder.Path());
    CAddDescriptionDialog dialog(nullptr, CAddDescriptionDialog::ModeAddToItems);
    dialog.GetTemplateMenu().SetDocument(&doc);
    bool bManaged = false;
    RunModal(dialog,
             [&]
             {
                 WhenShown<CDescriptionTemplateListDialog>(
                     [&](CDescriptionTemplateListDialog* pManager)
                     {
                         ASSERT_NE(nullptr, pManager);
                         bManaged = true;
                         HWND hList = FindControl(pManager->m_hWnd, IDC_DESCRIPTION_TEMPLATE_LIST);
                         ListView_SetItemState(hList, -1, 0, LVIS_SELECTED);
                         ListView_SetItemState(hList, 0, LVIS_SELECTED | LVIS_FOCUSED,
                                               LVIS_SELECTED | LVIS_FOCUSED);
                         boxes.nAnswer = IDYES;
                         ClickButton(*pManager, IDC_DESCRIPTION_TEMPLATE_DELETE);
                         AnswerTextDialog(pManager->m_hWnd, "足した定型文 & <i>印</i>", nullptr);
                         ClickButton(*pManager, IDC_DESCRIPTION_TEMPLATE_ADD);
                         ClickButton(*pManager, IDOK);
                     });
                 SendMenuCommand(dialog, ID_TEMPLATE_MANAGE);
                 ClickButton(dialog, IDCANCEL);
             });
    ASSERT_TRUE(bManaged);
    EXPECT_EQ((std::vector<std::string>{"残す定型文", "足した定型文 & <i>印</i>"}), AdditionTemplates(doc));
    ASSERT_TRUE(doc.TransferDataSet(0, TRUE));
    CTestDocData reread(folder.Path());
    EXPECT_EQ((std::vector<std::string>{"残す定型文", "足した定型文 & <i>印</i>"}),
              AdditionTemplates(reread));
}
