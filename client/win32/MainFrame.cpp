#include "client/MainFrame.h"

#include "afx/afxres.h"
#include "app/DialogResourceIds.h"
#include "app/MessageBoxDialog.h"
#include "auction/accounts/UserAccount.h"
#include "client/FontSizeDialog.h"
#include "client/OptionDialog.h"
#include "client/PageCommands.h"
#include "client/PageNumberDialog.h"
#include "client/TanzoApp.h"
#include "client/TanzoColorSettingDialog.h"
#include "client/TanzoDoc.h"
#include "client/TanzoLoginSettingDialog.h"
#include "client/TanzoResourceIds.h"
#include "client/TanzoToolBarSettingDialog.h"
#include "client/TanzoView.h"
#include "client/TextResourceIds.h"
#include "client/UserIdAddDialog.h"
#include "controls/ControlsResourceIds.h"

namespace
{

// A notice: white on blue for two seconds; a quiet text: blue on the bar.
const COLORREF kNoticeText = 0xFFFFFF;
const COLORREF kNoticeBack = 0xC06000;
const COLORREF kQuietText = 0xC06000;
const COLORREF kNoBack = (COLORREF)-1;

// The bitmaps of the command images and their transparent colours.
const struct
{
    UINT nID;
    COLORREF crMask;
} kCommandBitmaps[] = {
    {IDB_TOOLBAR_NORMAL, 0xC0C0C0}, // images 0-14
    {IDB_TOOLBAR_GREY, 0x00FF00},   // 15-29
    {IDB_MARKS_NORMAL, 0x808000},   // 30-48
    {IDB_MARKS_GREY, 0x00FF00},     // 49-67
    {IDB_CHECKS, 0x00FF00},         // 68-69
};
const int kCommandImageCount = 70;

// Entries of the command image table: command, image, image when greyed.
// Entries 2 and 9 (the mark button, rating forbidden) have none.
const struct
{
    UINT nID;
    int nImage;
    int nGreyImage;
} kCommandImages[] = {
    {ID_ITEM_RESUBMIT, 0, 15},
    {ID_ITEM_MEMO, 1, 16},
    {0, -1, -1},
    {ID_ITEM_FEATURED_AMOUNT, 3, 18},
    {ID_ITEM_ADD_DESCRIPTION, 4, 19},
    {ID_ITEM_EARLY_CLOSE, 5, 20},
    {ID_ITEM_CANCEL, 6, 21},
    {ID_ITEM_REMOVE, 7, 22},
    {ID_ITEM_RATE, 8, 23},
    {0, -1, -1},
    {ID_LIST_REFRESH, 10, 25},
    {ID_LIST_STOP, 11, 26},
    {ID_LIST_FIND, 12, 27},
    {ID_USER_ID_MANAGE, 13, 28},
    {ID_HELP_INDEX, 14, 29},
    {ID_MARK_STAR, 38, 57},
    {ID_MARK_HEART, 39, 58},
    {ID_MARK_LEAF, 40, 59},
    {ID_MARK_ORANGE, 41, 60},
    {ID_MARK_CHERRY, 42, 61},
    {ID_MARK_A, 34, 53},
    {ID_MARK_B, 35, 54},
    {ID_MARK_C, 36, 55},
    {ID_MARK_D, 37, 56},
    {ID_MARK_QUESTION, 44, 63},
    {ID_MARK_SKULL, 46, 65},
    {ID_MARK_MONSTER, 48, 67},
};

CCmdTarget* g_pActionCommands = nullptr;

BOOL IsBarVisible(CControlBar& bar)
{
    return bar.GetSafeHwnd() != nullptr && (bar.GetStyle() & WS_VISIBLE) != 0;
}
} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CMainBaseFrame)

BEGIN_MESSAGE_MAP(CMainFrame, CMainBaseFrame)
ON_WM_CREATE()
ON_COMMAND(ID_OPTIONS, OnOptions)
ON_COMMAND(ID_FONT_SIZE, OnFontSize)
ON_COMMAND(ID_COLORS, OnColors)
ON_COMMAND(ID_TOOLBAR_SETTINGS, OnToolBarSettings)
ON_COMMAND(ID_LOGIN_SETTINGS, OnLoginSettings)
ON_COMMAND(ID_HELP_INDEX, OnHelpContents)
ON_COMMAND(ID_USER_ID_MANAGE, OnUserIdManage)
ON_COMMAND_RANGE(ID_USER_ID_FIRST, ID_USER_ID_LAST, OnUserIdSwitch)
ON_COMMAND(ID_LIST_FIND, OnFind)
ON_COMMAND(ID_LIST_FIND_PREVIOUS, OnFindPrevious)
ON_COMMAND(ID_LIST_FIND_NEXT, OnFindNext)
ON_COMMAND_RANGE(ID_PAGE_CHOICE_FIRST, ID_PAGE_ALL, OnPageCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_PAGE_PREVIOUS, ID_PAGE_ALL, OnUpdatePageCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_ITEM_EARLY_CLOSE, ID_RESUBMIT_SETTINGS, OnUpdateListCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_MARK_FIRST, ID_MARK_BUTTON, OnUpdateListCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_LIST_REFRESH, ID_LIST_WINNERS, OnUpdateListCommand)
ON_UPDATE_COMMAND_UI(ID_DIALOG_HELP, OnUpdateListCommand)
ON_UPDATE_COMMAND_UI(ID_LINK_COPY, OnUpdateListCommand)
ON_UPDATE_COMMAND_UI(ID_LINK_OPEN, OnUpdateListCommand)
ON_UPDATE_COMMAND_UI(ID_APP_EXIT, OnUpdateListCommand)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() {}

CMainFrame::~CMainFrame() {}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CMainBaseFrame::PreCreateWindow(cs))
        return FALSE;
    CTanzoApp* pApp = GetTanzoApp();
    if (pApp != nullptr && !pApp->RegisterFrameWindowClass(cs, IDR_MAINFRAME))
        return FALSE;
    SetDefaultWindowSize(DefaultWidth, DefaultHeight);
    cs.style &= ~FWS_ADDTOTITLE;
    return TRUE;
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CMainBaseFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return g_pActionCommands != nullptr && g_pActionCommands->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMainFrame::BuildCommandImages()
{
    m_iconMenu.CreateImageList(kCommandImageCount, 16, 16);
    for (const auto& bitmap : kCommandBitmaps)
        m_iconMenu.AddBitmap(bitmap.nID, bitmap.crMask);
    const int nEntries = (int)(sizeof(kCommandImages) / sizeof(kCommandImages[0]));
    m_iconMenu.SetImageEntryCount(nEntries);
    for (int i = 0; i < nEntries; ++i)
        if (kCommandImages[i].nID != 0)
            m_iconMenu.SetCommandImage(i, kCommandImages[i].nID, kCommandImages[i].nImage,
                                       kCommandImages[i].nGreyImage);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    BuildCommandImages();
    if (CMainBaseFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_toolBar.CreateBar(this) || !m_statusBar.CreateBar(this))
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar);
    LoadFrameBarState();
    return 0;
}

CTanzoView* CMainFrame::GetTanzoView()
{
    CView* pView = GetActiveView();
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CTanzoView)) ? static_cast<CTanzoView*>(pView)
                                                                          : nullptr;
}

// ---- Status texts

void CMainFrame::SetStatusText(LPCTSTR lpszText, int nKind)
{
    if (m_statusBar.GetSafeHwnd() == nullptr)
        return;
    m_statusBar.SetPaneText(CMainStatusBar::paneMessage, lpszText != nullptr ? lpszText : "");
    if (nKind == StatusNotice)
        m_statusBar.ShowTimedTextByKind(CMainStatusBar::paneMessage, 1, kNoticeText, kNoticeBack, FALSE);
    else if (nKind == StatusQuiet)
        m_statusBar.ShowTimedTextByKind(CMainStatusBar::paneMessage, 2, kQuietText, kNoBack, FALSE);
}

void CMainFrame::SetStatusTextId(UINT nID, int nKind)
{
    CString text;
    if (nID != 0)
        text.LoadString(nID);
    SetStatusText(text, nKind);
}

void CMainFrame::ShowItemCount(int count)
{
    m_statusBar.ShowItemCount(count);
}

void CMainFrame::ShowSelectedCount(int count)
{
    m_statusBar.ShowSelectedCount(count);
}

void CMainFrame::ShowLoginSettingText(int loginSettingType)
{
    m_statusBar.ShowLoginSettingText(loginSettingType);
}

void CMainFrame::SetStatus(LPCTSTR lpszText)
{
    SetStatusText(lpszText, StatusPlain);
}

void CMainFrame::OnInternetStatus(DWORD dwInternetStatus, LPVOID, DWORD)
{
    m_statusBar.AddProgressMark(dwInternetStatus);
}

void CMainFrame::OnRetry() {}

void CMainFrame::OnDontShowAgain(DWORD dwKey)
{
    if ((dwKey & COptionSettings::StoredOptionBits) != 0)
        m_options.RemoveOptionBits(dwKey);
}

// ---- The options applied

void CMainFrame::ApplyFontSize()
{
    if (CTanzoView* pView = GetTanzoView())
        pView->ApplyFonts();
}

void CMainFrame::ApplyColors()
{
    if (m_toolBar.GetSafeHwnd() != nullptr &&
        m_toolBar.SetBackgroundColor(m_options.GetColor(COptionSettings::ColorToolBarBg)))
        m_toolBar.Repaint();
    if (CTanzoView* pView = GetTanzoView())
        pView->ApplyColours();
}

void CMainFrame::ShowLoginSetting()
{
    ShowLoginSettingText(m_options.GetType());
}

void CMainFrame::ApplyToolBarFormat()
{
    if (m_toolBar.GetSafeHwnd() == nullptr)
        return;
    m_toolBar.ApplyDisplayFormat(m_options.GetToolBarFormat());
    RecalcLayout();
}

void CMainFrame::ResetAndRefresh()
{
    if (CTanzoView* pView = GetTanzoView())
        pView->ResetPages();
}

// ---- Commands of the Customise and Help menus

void CMainFrame::OnOptions()
{
    const BOOL bStatusBarVisible = IsBarVisible(m_statusBar);
    COptionDialog dialog(this);
    dialog.Fill(m_options, bStatusBarVisible);
    if (dialog.DoModal() != IDOK)
        return;
    for (DWORD bit = 1; bit <= COptionSettings::DialogOptionBits; bit <<= 1)
    {
        if ((bit & COptionSettings::DialogOptionBits) == 0)
            continue;
        if (dialog.TestAny(bit))
            m_options.AddOptionBits(bit);
        else
            m_options.RemoveOptionBits(bit);
    }
    const BOOL bShow = dialog.TestAny(COptionSettings::OptionStatusBarVisible) != 0;
    if (bShow != bStatusBarVisible)
        ShowControlBar(&m_statusBar, bShow, FALSE);
}

void CMainFrame::OnFontSize()
{
    CFontSizeDialog dialog(this);
    dialog.SetSelection(m_options.GetFontSizeType());
    if (dialog.DoModal() == IDOK && m_options.SetFontSizeType(dialog.GetSelection()))
        ApplyFontSize();
}

void CMainFrame::OnColors()
{
    CTanzoColorSettingDialog dialog(this);
    for (int i = 0; i < COptionSettings::ColorCount; ++i)
        dialog.SetColor(i, m_options.GetColor(i));
    if (dialog.DoModal() != IDOK)
        return;
    BOOL bChanged = FALSE;
    for (int i = 0; i < COptionSettings::ColorCount; ++i)
        bChanged |= m_options.SetColor(i, dialog.GetColor(i));
    if (bChanged)
        ApplyColors();
}

void CMainFrame::OnToolBarSettings()
{
    const BOOL bToolBarVisible = IsBarVisible(m_toolBar);
    CTanzoToolBarSettingDialog dialog(this);
    dialog.SetOrRemove(CToolBarSettingDialog::flagShown, bToolBarVisible);
    dialog.SetSelection(m_options.GetToolBarFormat());
    if (dialog.DoModal() != IDOK)
        return;
    const BOOL bShow = dialog.TestAny(CToolBarSettingDialog::flagShown) != 0;
    if (bShow != bToolBarVisible)
        ShowControlBar(&m_toolBar, bShow, FALSE);
    if (m_options.SetToolBarFormat(dialog.GetSelection()))
        ApplyToolBarFormat();
}

void CMainFrame::OnLoginSettings()
{
    CTanzoLoginSettingDialog dialog(this);
    dialog.SetSettingType(m_options);
    if (dialog.DoModal() != IDOK || dialog.GetSettingType().GetType() == m_options.GetType())
        return;
    m_options.SetType(dialog.GetSettingType().GetType());
    ShowLoginSetting();
}

void CMainFrame::OnHelpContents()
{
    ShowHelp(HID_CONTENTS);
}

// ---- Pages and the states of the list commands

void CMainFrame::OnPageCommand(UINT nID)
{
    CTanzoView* pView = GetTanzoView();
    CTanzoDoc* pDoc = GetTanzoDoc(this);
    if (pView == nullptr || pDoc == nullptr)
        return;
    const int nKind = pView->GetListKind();
    const int nCurrent = pDoc->GetCurrentPage(nKind);
    const int nCount = pDoc->GetPageCount(nKind);
    int nFirst = 1, nLast = -1;
    if (nID == ID_PAGE_GO_TO)
    {
        CPageNumberDialog dialog(this);
        dialog.SetCurrentPage(nCurrent > 0 ? nCurrent : 1);
        dialog.SetMaxPage(nCount);
        if (dialog.DoModal() != IDOK)
            return;
        nFirst = dialog.GetCurrentPage();
    }
    else if (!GetPageCommandRange(nID, nCurrent, nCount, pDoc->GetFirstPageChoice(nKind), nFirst, nLast))
    {
        return;
    }
    pView->RefreshCurrentPage(nFirst, nLast);
}

void CMainFrame::OnUpdatePageCommand(CCmdUI* pCmdUI)
{
    CTanzoView* pView = GetTanzoView();
    CTanzoDoc* pDoc = GetTanzoDoc(this);
    if (pView == nullptr || pDoc == nullptr)
    {
        pCmdUI->Enable(FALSE);
        return;
    }
    const int nKind = pView->GetListKind();
    const int nCurrent = pDoc->GetCurrentPage(nKind);
    const int nCount = pDoc->GetPageCount(nKind);
    // Not while a refresh runs: the pages' own commands are off then.
    pCmdUI->Enable(IsPageCommandEnabled(pCmdUI->m_nID, nCurrent, nCount) &&
                   pView->IsCommandEnabled(ID_LIST_REFRESH));
    if (pCmdUI->m_nID == ID_PAGE_ALL)
        pCmdUI->SetCheck(IsPageCommandChecked(pCmdUI->m_nID, nCurrent, nCount));
}

void CMainFrame::OnUpdateListCommand(CCmdUI* pCmdUI)
{
    CTanzoView* pView = GetTanzoView();
    pCmdUI->Enable(pView != nullptr && pView->IsCommandEnabled(pCmdUI->m_nID));
    const UINT nID = pCmdUI->m_nID;
    if (nID == ID_ITEM_RATED || nID == ID_ITEM_RATING_FORBIDDEN ||
        (nID >= ID_MARK_FIRST && nID <= ID_MARK_NONE))
        pCmdUI->SetCheck(pView != nullptr && pView->IsCommandChecked(nID));
}

// ---- Accessors

CMainFrame* GetMainFrame()
{
    CTanzoApp* pApp = GetTanzoApp();
    return pApp != nullptr ? pApp->GetMainFrame() : nullptr;
}

CMainFrame* GetMainFrameOf(CWnd* pWnd)
{
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()))
        return nullptr;
    CWnd* pTop = pWnd->GetTopLevelFrame();
    if (pTop == nullptr || !::IsWindow(pTop->GetSafeHwnd()) || !pTop->IsKindOf(RUNTIME_CLASS(CMainFrame)))
        return nullptr;
    return static_cast<CMainFrame*>(pTop);
}

COptionSettings* GetOptionSettings()
{
    CMainFrame* pFrame = GetMainFrame();
    return pFrame != nullptr ? &pFrame->GetOptionSettings() : nullptr;
}

CTanzoView* GetTanzoView(CMainFrame* pFrame)
{
    return pFrame != nullptr ? pFrame->GetTanzoView() : nullptr;
}

int GetLoginType()
{
    COptionSettings* pOptions = GetOptionSettings();
    return pOptions != nullptr ? pOptions->GetLoginType() : 0;
}

int AddUserIdWithDialog(CWnd* pWnd, LPCTSTR lpszUserID)
{
    CMainFrame* pFrame = GetMainFrame();
    CTanzoDoc* pDoc = GetTanzoDoc(nullptr);
    if (pFrame == nullptr || pDoc == nullptr)
        return AddUserIdNoWindow;
    CWnd* pParent = pWnd != nullptr ? pWnd : pFrame;
    CSimpleMessageDialog notice(IDS_ADD_USER_ID, pParent);
    notice.DoModal();
    CUserIdAddDialog dialog(pParent);
    if (lpszUserID != nullptr && *lpszUserID != '\0')
        dialog.SetEntryId(lpszUserID);
    CUserAccount account;
    for (int i = 0; pDoc->GetAt(i, account); ++i)
        dialog.AddExistingId(account.GetID());
    if (dialog.DoModal() != IDOK || !dialog.GetEntry(account) || !pDoc->Add(account))
        return AddUserIdCancelled;
    return AddUserIdAdded;
}

void SetActionCommandTarget(CCmdTarget* pTarget)
{
    g_pActionCommands = pTarget;
}

BOOL AskToAddUserId(CWnd* pWnd, LPCTSTR lpszUserID)
{
    return AddUserIdWithDialog(pWnd, lpszUserID) == AddUserIdAdded;
}
