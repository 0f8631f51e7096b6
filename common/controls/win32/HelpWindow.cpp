#include "controls/HelpWindow.h"

#include "afx/DataExchange.h"
#include "afx/LoadText.h"
#include "afx/Menu.h"
#include "afx/afxres.h"
#include "app/HelpWindowLauncher.h"
#include "controls/BrowserResourceIds.h"
#include "controls/HtmlFrame.h"

namespace
{
// The one help window of the program, kept while a launcher holds it.
class CHelpWindowShare
{
public:
    // The window at the page, made when there is none; null when it cannot be made.
    CHelpWindow* Show(UINT nPageId)
    {
        if (m_pWindow != nullptr)
            m_pWindow->SetPage(nPageId);
        else
        {
            auto* pWindow = new CHelpWindow(nPageId, CWnd::GetDesktopWindow());
            m_pWindow = pWindow;
            if (!pWindow->CreateModeless(CWnd::GetDesktopWindow()))
            {
                // A window made and destroyed again has deleted itself.
                if (m_pWindow == pWindow)
                    delete pWindow;
                m_pWindow = nullptr;
                return nullptr;
            }
        }
        m_pWindow->BringForward();
        return m_pWindow;
    }
    void AddRef() { ++m_nRefs; }
    void Release()
    {
        if (--m_nRefs == 0 && m_pWindow != nullptr)
            m_pWindow->DestroyWindow();
    }
    void OnWindowGone(CHelpWindow* pWindow)
    {
        if (m_pWindow == pWindow)
            m_pWindow = nullptr;
    }

private:
    CHelpWindow* m_pWindow = nullptr;
    int m_nRefs = 0;
};

CHelpWindowShare& Share()
{
    static CHelpWindowShare share;
    return share;
}

// What one launcher holds: the shared window, shown at the page it asks for.
class CHelpWindowRef : public CHelpWindowHandle
{
public:
    CHelpWindowRef() { Share().AddRef(); }
    ~CHelpWindowRef() override { Share().Release(); }
    void ShowAgain(UINT nPageId) override { Share().Show(nPageId); }
};

CHelpWindowHandle* MakeHelpWindow(UINT nPageId)
{
    if (Share().Show(nPageId) == nullptr)
        return nullptr;
    return new CHelpWindowRef;
}

} // namespace

void RegisterHelpWindow()
{
    SetHelpWindowFactory(MakeHelpWindow);
}

IMPLEMENT_DYNAMIC(CHelpWindow, CBaseDialog)

BEGIN_MESSAGE_MAP(CHelpWindow, CBaseDialog)
ON_BN_CLICKED(IDC_HELP_BACK, OnBack)
ON_BN_CLICKED(IDC_HELP_FORWARD, OnForward)
ON_BN_CLICKED(IDC_HELP_CLOSE, OnCloseButton)
ON_WM_HELPINFO()
ON_COMMAND(ID_DIALOG_HELP, OnHelpMenuCommand)
END_MESSAGE_MAP()

CHelpWindow::CHelpWindow(UINT nPageId, CWnd* pParentWnd)
    : CBaseDialog(IDD_HELP_WINDOW, pParentWnd), m_nPageId(nPageId)
{
    EnableResize(TRUE, 720, 560);
}

void CHelpWindow::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HELP_FORWARD, m_forwardButton);
    DDX_Control(pDX, IDC_HELP_BACK, m_backButton);
    DDX_Control(pDX, IDC_HELP_PLACEHOLDER, m_placeholder);
}

BOOL CHelpWindow::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    CString caption;
    caption.Format(LoadText(IDS_HELP_CAPTION), (LPCTSTR)LoadText(AFX_IDS_APP_TITLE));
    SetWindowText(caption);
    m_forwardButton.EnableWindow(FALSE);
    m_backButton.EnableWindow(FALSE);
    AddToolTipById(IDC_HELP_FORWARD, IDS_TIP_HELP_FORWARD);
    AddToolTipById(IDC_HELP_BACK, IDS_TIP_HELP_BACK);
    AddToolTipById(IDC_HELP_CLOSE, IDS_TIP_HELP_CLOSE);
    return TRUE;
}

void CHelpWindow::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    CRect rect;
    m_placeholder.GetWindowRect(&rect);
    ScreenToClient(&rect);
    CHtmlFrame* pFrame = CreateHtmlFrame(this, rect, IDC_HELP_BROWSER, TRUE);
    if (pFrame != nullptr)
    {
        m_hFrame = pFrame->m_hWnd;
        pFrame->SetListener(this);
        AddControl(pFrame, ANCHOR_FILL);
        if (m_nPageId != 0)
            pFrame->NavigateResource(m_nPageId);
    }
    AddControl(IDC_HELP_CLOSE, ANCHOR_BOTTOM_RIGHT);
    AddControl(IDC_HELP_BACK, ANCHOR_BOTTOM);
    AddControl(IDC_HELP_FORWARD, ANCHOR_BOTTOM);
}

void CHelpWindow::AdjustSystemMenu(CMenu* pSystemMenu)
{
    CBaseDialog::AdjustSystemMenu(pSystemMenu);
    SetIcon(::LoadIconA(nullptr, IDI_QUESTION), FALSE);
}

CHtmlFrame* CHelpWindow::GetFrame() const
{
    if (m_hFrame == nullptr || !::IsWindow(m_hFrame))
        return nullptr;
    return static_cast<CHtmlFrame*>(CWnd::FromHandlePermanent(m_hFrame));
}

void CHelpWindow::SetPage(UINT nPageId)
{
    m_nPageId = nPageId;
    if (CHtmlFrame* pFrame = GetFrame())
        pFrame->NavigateResource(nPageId);
}

void CHelpWindow::BringForward()
{
    ShowWindow(SW_SHOW);
    SetActiveWindow();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CHelpWindow::OnForwardEnabled(BOOL bEnable)
{
    m_forwardButton.EnableWindow(bEnable);
}

void CHelpWindow::OnBackEnabled(BOOL bEnable)
{
    m_backButton.EnableWindow(bEnable);
}

void CHelpWindow::OnBack()
{
    if (CHtmlFrame* pFrame = GetFrame())
        pFrame->GoBack();
}

void CHelpWindow::OnForward()
{
    if (CHtmlFrame* pFrame = GetFrame())
        pFrame->GoForward();
}

void CHelpWindow::OnCloseButton()
{
    ShowWindow(SW_HIDE);
}

void CHelpWindow::OnOK() {}

void CHelpWindow::OnCancel()
{
    ShowWindow(SW_HIDE);
}

BOOL CHelpWindow::OnHelpInfo(HELPINFO*)
{
    SetPage(m_nPageId);
    return TRUE;
}

void CHelpWindow::OnHelpMenuCommand()
{
    SetPage(m_nPageId);
}

void CHelpWindow::PostNcDestroy()
{
    Share().OnWindowGone(this);
    delete this;
}
