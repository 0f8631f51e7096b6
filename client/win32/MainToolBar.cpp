#include "client/MainToolBar.h"

#include "afx/FrameWnd.h"
#include "afx/afxres.h"
#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"
#include "controls/ControlsResourceIds.h"

namespace
{
// By button: 再出品 メモ マーク 注目 説明追加 早期終了 取り消し 削除 評価
// 評価禁止 更新 中止 検索 ID管理 ヘルプ.
const UINT kTextsBelow[CMainToolBar::ButtonCount + 1] = {1134, 1135, 1136, 1137, 1138, 1139, 1140, 1141,
                                                         1142, 1143, 1144, 1145, 1146, 1147, 1148, 0};
const UINT kTextsRight[CMainToolBar::ButtonCount + 1] = {1134, 1135, 1136, 1137, 1149, 1150, 1151, 1141,
                                                         1142, 1152, 1144, 1145, 1146, 1161, 1148, 0};
// Transparent colours of the normal and the greyed images.
const COLORREF kNormalMask = 0xC0C0C0;
const COLORREF kGreyMask = 0x00FF00;
} // namespace

IMPLEMENT_DYNAMIC(CMainToolBar, CCommToolBar)

CMainToolBar::CMainToolBar() {}

CMainToolBar::~CMainToolBar() {}

const UINT* CMainToolBar::GetButtonTextIds(int format)
{
    switch (format)
    {
    case COptionSettings::ToolBarFormatTextRight:
        return kTextsRight;
    case COptionSettings::ToolBarFormatTextBelow:
        return kTextsBelow;
    default:
        return nullptr;
    }
}

BOOL CMainToolBar::CreateBar(CFrameWnd* pFrame)
{
    const DWORD dwStyle =
        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    // Flat but not transparent: the bar paints a background colour of its
    // own, and a transparent bar keeps stale pixels under its buttons.
    if (!CreateEx(pFrame, TBSTYLE_FLAT, dwStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    SetImageList(imagesNormal, IDB_TOOLBAR_NORMAL, kNormalMask, ILC_COLOR24);
    SetImageList(imagesDisabled, IDB_TOOLBAR_GREY, kGreyMask, ILC_COLOR24);
    AddDropDownMenu(ID_MARK_BUTTON, IDR_MARK_MENU);
    return TRUE;
}

BOOL CMainToolBar::ApplyDisplayFormat(int format)
{
    switch (format)
    {
    case COptionSettings::ToolBarFormatTextRight:
        return SetDisplayFormat(kTextsRight, TBSTYLE_LIST, TBSTYLE_WRAPABLE, TRUE);
    case COptionSettings::ToolBarFormatTextBelow:
        return SetDisplayFormat(kTextsBelow, TBSTYLE_WRAPABLE, TBSTYLE_LIST, TRUE);
    default:
        return SetDisplayFormat(nullptr, 0, TBSTYLE_LIST | TBSTYLE_WRAPABLE, FALSE);
    }
}
