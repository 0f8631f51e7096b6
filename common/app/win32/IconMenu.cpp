#include "app/IconMenu.h"

#include "afx/DC.h"
#include "afx/Gdi.h"
#include "afx/Menu.h"
#include "afx/ScopedWin.h"
#include "app/MemoryDC.h"

#include <vector>

namespace
{
MENUITEMINFOA ReadItem(HMENU hMenu, UINT nItem, BOOL bByPosition, UINT nMask)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = nMask;
    if (!::GetMenuItemInfoA(hMenu, nItem, bByPosition, &mii))
        mii.fMask = 0;
    return mii;
}

// Owner-drawn; with a menu number (not for separators) the item data says
// that menu and an image not looked up yet.
void MarkItem(HMENU hMenu, UINT nPosition, int nMenu)
{
    MENUITEMINFOA mii = ReadItem(hMenu, nPosition, TRUE, MIIM_FTYPE);
    if (mii.fMask == 0)
        return;
    BOOL bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
    mii.fType |= MFT_OWNERDRAW;
    mii.fMask = MIIM_FTYPE;
    if (!bSeparator && nMenu >= 0)
    {
        mii.fMask |= MIIM_DATA;
        mii.dwItemData = MakeMenuItemData(nMenu, MENU_IMAGE_UNKNOWN);
    }
    ::SetMenuItemInfoA(hMenu, nPosition, TRUE, &mii);
}

// An item's text: owner-drawn items keep theirs, but GetMenuString does not
// give it everywhere.
CString ReadItemText(HMENU hMenu, UINT nID)
{
    char szText[512] = {};
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_STRING;
    mii.dwTypeData = szText;
    mii.cch = sizeof(szText);
    if (!::GetMenuItemInfoA(hMenu, nID, FALSE, &mii) || mii.dwTypeData == nullptr)
        return CString();
    return CString(szText);
}

BOOL IsSeparatorItem(HMENU hMenu, UINT nID)
{
    UINT nState = ::GetMenuState(hMenu, nID, MF_BYCOMMAND);
    return nState != (UINT)-1 && (nState & MF_SEPARATOR) != 0 && (nState & MF_POPUP) == 0;
}

// The system's menu font, for measuring and drawing.
class CMenuFont : public CFont
{
public:
    CMenuFont()
    {
        NONCLIENTMETRICSA ncm = {};
        ncm.cbSize = sizeof(ncm);
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
            CreateFontIndirect(&ncm.lfMenuFont);
        else
            CreateStockObject(DEFAULT_GUI_FONT);
    }
};

CSize MeasureText(CDC* pDC, const CString& strText)
{
    CRect rc(0, 0, 0, 0);
    pDC->DrawText(strText, &rc, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    return CSize(rc.Width(), rc.Height());
}

// Gives hMenu the next number, marks its items with it, then numbers its
// sub-menus, depth-first.
void NumberMenus(HMENU hMenu, int& rnCount)
{
    int nMenu = rnCount++;
    int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; ++i)
        MarkItem(hMenu, i, nMenu);
    for (int i = 0; i < nItems; ++i)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub != nullptr)
            NumberMenus(hSub, rnCount);
    }
}
} // namespace

CIconMenu::CIconMenu()
{
    m_commandMap.InitHashTable(17);
}

CIconMenu::~CIconMenu()
{
    DestroyIcons();
}

void CIconMenu::DestroyIcons()
{
    for (HICON hIcon : m_icons)
    {
        if (hIcon != nullptr)
            ::DestroyIcon(hIcon);
    }
    m_icons.clear();
}

void CIconMenu::CreateImageList(int nCount, int cx, int cy)
{
    m_imageList.DeleteImageList();
    m_cxImage = 0;
    m_cyImage = 0;
    DestroyIcons();
    if (nCount <= 0 || cx <= 0 || cy <= 0)
        return;
    if (!m_imageList.Create(cx, cy, ILC_MASK | ILC_COLOR8, nCount, 1))
        return;
    m_imageList.SetBkColor(CLR_NONE);
    m_cxImage = cx;
    m_cyImage = cy;
    m_icons.assign(nCount, nullptr);
}

int CIconMenu::AddBitmap(UINT nIDBitmap, COLORREF crMask)
{
    if (m_imageList.GetSafeHandle() == nullptr)
        return -1;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nIDBitmap))
        return -1;
    return m_imageList.Add(&bitmap, crMask);
}

void CIconMenu::SetImageEntryCount(int nCount)
{
    m_entries.clear();
    m_entries.resize(nCount > 0 ? nCount : 0);
    m_commandMap.RemoveAll();
}

BOOL CIconMenu::SetCommandImage(int nEntry, UINT nID, int nImage, int nDisabledImage)
{
    if (nEntry < 0 || nEntry >= (int)m_entries.size())
        return FALSE;
    auto pEntry = std::make_unique<CImageEntry>();
    pEntry->nImage = nImage;
    if (nDisabledImage >= 0)
        pEntry->nDisabledImage = nDisabledImage;
    m_entries[nEntry] = std::move(pEntry);
    m_commandMap[nID] = nEntry;
    return TRUE;
}

void CIconMenu::SetCheckImages(int nImage, int nDisabledImage)
{
    m_checkImages.nImage = nImage;
    if (nDisabledImage >= 0)
        m_checkImages.nDisabledImage = nDisabledImage;
}

HICON CIconMenu::GetIcon(int nImage)
{
    if (nImage < 0 || nImage >= (int)m_icons.size())
        return nullptr;
    if (m_icons[nImage] == nullptr && nImage < m_imageList.GetImageCount())
        m_icons[nImage] = m_imageList.ExtractIcon(nImage);
    return m_icons[nImage];
}

int CIconMenu::GetMenuCount(int nTree) const
{
    return m_nMenuCount[nTree == ICONMENU_TREE_POPUP ? 1 : 0];
}

int CIconMenu::FindCommandEntry(UINT nID) const
{
    int nEntry = -1;
    if (!m_commandMap.Lookup(nID, nEntry))
        return -1;
    return nEntry;
}

void CIconMenu::PrepareMenu(CMenu* pMenu)
{
    int nCount = 0;
    if (pMenu != nullptr && ::IsMenu(pMenu->m_hMenu))
    {
        // The bar's own items stay as they are.
        int nItems = ::GetMenuItemCount(pMenu->m_hMenu);
        for (int i = 0; i < nItems; ++i)
        {
            HMENU hSub = ::GetSubMenu(pMenu->m_hMenu, i);
            if (hSub != nullptr)
                NumberMenus(hSub, nCount);
        }
    }
    m_nMenuCount[0] = nCount;
    m_columns[0].Reset(nCount);
}

void CIconMenu::PreparePopupMenu(CMenu* pPopup)
{
    if (pPopup == nullptr || !::IsMenu(pPopup->m_hMenu))
        return;
    int nItems = ::GetMenuItemCount(pPopup->m_hMenu);
    for (int i = 0; i < nItems; ++i)
    {
        MENUITEMINFOA mii = ReadItem(pPopup->m_hMenu, i, TRUE, MIIM_FTYPE);
        if ((mii.fType & MFT_OWNERDRAW) != 0)
            return;
    }
    int nCount = 0;
    NumberMenus(pPopup->m_hMenu, nCount);
    m_nMenuCount[1] = nCount;
    m_columns[1].Reset(nCount);
}

void CIconMenu::MeasureItem(CMenu* pMenu, int nTree, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct == nullptr || lpMeasureItemStruct->CtlType != ODT_MENU || pMenu == nullptr ||
        !::IsMenu(pMenu->m_hMenu))
        return;
    UINT nID = lpMeasureItemStruct->itemID;
    if (IsSeparatorItem(pMenu->m_hMenu, nID))
    {
        lpMeasureItemStruct->itemWidth = 4;
        lpMeasureItemStruct->itemHeight = 8;
        return;
    }
    CString strLabel, strAccel;
    SplitMenuItemText(ReadItemText(pMenu->m_hMenu, nID), strLabel, strAccel);

    CWindowDC dc(nullptr);
    CMenuFont font;
    CSize sizeLabel, sizeAccel;
    {
        CScopedSelectObject selectFont(dc, font);
        sizeLabel = MeasureText(&dc, strLabel);
        sizeAccel = strAccel.IsEmpty() ? CSize(0, 0) : MeasureText(&dc, strAccel);
    }

    CMenuColumnWidths& widths = Columns(nTree).At(MenuNumberOfItemData(lpMeasureItemStruct->itemData));
    widths.Grow(CapMenuLabelWidth(sizeLabel.cx), sizeAccel.cx);
    int nTextHeight = sizeLabel.cy > sizeAccel.cy ? sizeLabel.cy : sizeAccel.cy;
    lpMeasureItemStruct->itemWidth = MenuItemWidth(m_cxImage, widths);
    lpMeasureItemStruct->itemHeight = MenuItemHeight(m_cyImage, nTextHeight);
}

void CIconMenu::DrawItem(int nTree, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr || lpDrawItemStruct->CtlType != ODT_MENU)
        return;
    HMENU hMenu = (HMENU)lpDrawItemStruct->hwndItem;
    if (!::IsMenu(hMenu))
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rcItem(lpDrawItemStruct->rcItem);
    CMemoryDC buffer(pDC);
    CDC* pMemDC = buffer.Create(rcItem.Width(), rcItem.Height());
    if (pMemDC == nullptr)
        return;
    const int cx = rcItem.Width();
    const int cy = rcItem.Height();
    UINT nID = lpDrawItemStruct->itemID;
    UINT nState = lpDrawItemStruct->itemState;
    BOOL bSeparator = IsSeparatorItem(hMenu, nID);
    BOOL bSelected = (nState & ODS_SELECTED) != 0;
    COLORREF crBack = ::GetSysColor(bSelected && !bSeparator ? COLOR_HIGHLIGHT : COLOR_MENU);
    buffer.Fill(crBack);
    const int nLeft = MenuTextLeft(m_cxImage);

    if (bSeparator)
    {
        CPen pen(PS_SOLID, 1, MenuSeparatorColor(crBack));
        CScopedSelectObject selectPen(*pMemDC, pen);
        int y = (cy + 1) / 2;
        pMemDC->MoveTo(nLeft, y);
        pMemDC->LineTo(cx - MENU_RIGHT_MARGIN, y);
    }
    else
    {
        BOOL bGrayed = (nState & (ODS_GRAYED | ODS_DISABLED)) != 0;
        COLORREF crText;
        if (bSelected)
            crText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        else if (bGrayed)
            crText = MenuDisabledTextColor(crBack);
        else
            crText = ::GetSysColor(COLOR_MENUTEXT);

        CString strLabel, strAccel;
        SplitMenuItemText(ReadItemText(hMenu, nID), strLabel, strAccel);
        DWORD_PTR dwData = lpDrawItemStruct->itemData;
        int nMenu = MenuNumberOfItemData(dwData);
        CMenuTextColumns columns = GetMenuTextColumns(m_cxImage, Columns(nTree).At(nMenu), cx);

        CMenuFont font;
        CScopedSelectObject selectFont(*pMemDC, font);
        pMemDC->SetBkMode(TRANSPARENT);
        pMemDC->SetTextColor(crText);
        CRect rcLabel(columns.nLabelLeft, 0, columns.nLabelRight, cy);
        UINT nEllipsis = IsRecentFileCommand(nID) ? DT_PATH_ELLIPSIS : DT_END_ELLIPSIS;
        pMemDC->DrawText(strLabel, &rcLabel, DT_SINGLELINE | DT_VCENTER | nEllipsis);
        if (!strAccel.IsEmpty())
        {
            CRect rcAccel(columns.nAccelLeft, 0, columns.nAccelRight, cy);
            pMemDC->DrawText(strAccel, &rcAccel, DT_SINGLELINE | DT_VCENTER);
        }

        UINT nEntry = ImageEntryOfItemData(dwData);
        if (nEntry != MENU_IMAGE_NONE)
        {
            UINT nFinal = nEntry;
            BOOL bDone = DrawItemImage(pMemDC, lpDrawItemStruct, nFinal);
            // The lookup is made once: later drawings read its answer.
            if (nEntry == MENU_IMAGE_UNKNOWN && bDone && nFinal != nEntry)
            {
                MENUITEMINFOA mii = {};
                mii.cbSize = sizeof(mii);
                mii.fMask = MIIM_DATA;
                mii.dwItemData = MakeMenuItemData(nMenu, nFinal);
                ::SetMenuItemInfoA(hMenu, nID, FALSE, &mii);
            }
        }
    }
    pDC->BitBlt(rcItem.left, rcItem.top, cx, cy, pMemDC, 0, 0, SRCCOPY);
}

BOOL CIconMenu::DrawItemImage(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, UINT& rnEntry)
{
    BOOL bGrayed = (lpDrawItemStruct->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    int nImage = -1;
    if ((lpDrawItemStruct->itemState & ODS_CHECKED) != 0 && m_checkImages.nImage >= 0)
    {
        nImage = bGrayed ? m_checkImages.nDisabledImage : m_checkImages.nImage;
    }
    else
    {
        if (rnEntry == MENU_IMAGE_UNKNOWN)
        {
            int nFound = FindCommandEntry(lpDrawItemStruct->itemID);
            if (nFound < 0)
            {
                rnEntry = MENU_IMAGE_NONE;
                return TRUE;
            }
            rnEntry = (UINT)nFound;
        }
        if (rnEntry >= m_entries.size() || !m_entries[rnEntry])
            return FALSE;
        const CImageEntry& entry = *m_entries[rnEntry];
        nImage = bGrayed ? entry.nDisabledImage : entry.nImage;
    }
    if (m_imageList.GetSafeHandle() == nullptr || nImage < 0 || nImage >= m_imageList.GetImageCount())
        return FALSE;
    int y = (CRect(lpDrawItemStruct->rcItem).Height() - m_cyImage) / 2;
    return ::ImageList_DrawEx(m_imageList, nImage, pDC->m_hDC, MENU_IMAGE_LEFT, y, 0, 0, CLR_NONE, CLR_NONE,
                              ILD_NORMAL);
}

void MarkMenuOwnerDraw(CMenu* pMenu)
{
    if (pMenu == nullptr || !::IsMenu(pMenu->m_hMenu))
        return;
    HMENU hMenu = pMenu->m_hMenu;
    std::vector<UINT> pending;
    int nMenu = -1;
    int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; ++i)
    {
        MENUITEMINFOA mii = ReadItem(hMenu, i, TRUE, MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU);
        if (mii.hSubMenu != nullptr)
        {
            CMenu* pSub = CMenu::FromHandle(mii.hSubMenu);
            MarkMenuOwnerDraw(pSub);
        }
        if ((mii.fType & MFT_OWNERDRAW) == 0)
            pending.push_back((UINT)i);
        else if (nMenu < 0 && (mii.fType & MFT_SEPARATOR) == 0)
            nMenu = MenuNumberOfItemData(mii.dwItemData);
    }
    for (UINT nPosition : pending)
        MarkItem(hMenu, nPosition, nMenu >= 0 ? nMenu : 0);
}
