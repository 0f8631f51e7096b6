#include "controls/CommEdit.h"

#include "afx/ImeContext.h"
#include "afx/Menu.h"
#include "afx/ScopedWin.h"
#include "afx/afxres.h"
#include "app/ClipboardShell.h"
#include "controls/ControlsResourceIds.h"
#include "controls/EditText.h"
#include "text/CharClass.h"
#include "text/SystemInfo.h"
#include "text/TextCut.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <vector>

namespace
{
// Byte offset of a character position, at most the text's length.
int ByteOffsetOf(const CString& text, int nCharPos)
{
    if (nCharPos <= 0)
        return 0;
    const int nOffset = CharIndexToByteOffset(text, nCharPos);
    return nOffset > 0 ? nOffset : text.GetLength();
}

BOOL IsKeyDown(int nVirtKey)
{
    return ::GetKeyState(nVirtKey) < 0;
}

// How reconversion requests are answered, decided once per process.
enum ReconvertWay
{
    reconvertUndecided,
    reconvertSelf,    // the edit answers them itself
    reconvertDefault, // the system's edit does
    reconvertRefuse   // neither can: beep
};

ReconvertWay DecideReconvertWay()
{
    if (IsVistaOrLater())
        return reconvertSelf;
    DWORD dwMajor = 0;
    if (HMODULE hComCtl = ::GetModuleHandleA("comctl32.dll"))
    {
        auto pfnGetVersion = (DLLGETVERSIONPROC)(void*)::GetProcAddress(hComCtl, "DllGetVersion");
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        if (pfnGetVersion != nullptr && SUCCEEDED(pfnGetVersion(&info)))
            dwMajor = info.dwMajorVersion;
    }
    return dwMajor < 6 ? reconvertDefault : reconvertRefuse;
}

ReconvertWay g_reconvertWay = reconvertUndecided;
} // namespace

IMPLEMENT_DYNAMIC(CCommEdit, CEdit)

BEGIN_MESSAGE_MAP(CCommEdit, CEdit)
ON_WM_PAINT()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_RBUTTONDOWN()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
ON_MESSAGE(WM_IME_COMPOSITION, OnImeComposition)
ON_MESSAGE(WM_IME_REQUEST, OnImeRequest)
ON_MESSAGE(WM_PASTE, OnPaste)
ON_MESSAGE(WM_EDIT_CHANGING, OnEditChanging)
ON_MESSAGE(WM_EDIT_CHANGED, OnEditChanged)
ON_COMMAND_RANGE(ID_EDIT_SELECT_ALL, ID_EDIT_SELECT_ALL, OnEditCommand)
ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_CUT, OnEditCommand)
ON_COMMAND_RANGE(ID_EDIT_PASTE, ID_EDIT_PASTE, OnEditCommand)
ON_COMMAND_RANGE(ID_EDIT_UNDO, ID_EDIT_REDO, OnEditCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_SELECT_ALL, ID_EDIT_SELECT_ALL, OnUpdateEditCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_COPY, ID_EDIT_CUT, OnUpdateEditCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_PASTE, ID_EDIT_PASTE, OnUpdateEditCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_UNDO, ID_EDIT_REDO, OnUpdateEditCommand)
END_MESSAGE_MAP()

CCommEdit::CCommEdit(int nImeMode) : m_ime(nImeMode), m_commandState(this) {}

CCommEdit::~CCommEdit()
{
    // The steps refer to the target, and the recorder to both.
    m_pRecorder.reset();
    m_pHistory.reset();
    m_pUndoTarget.reset();
}

// ---- accelerators, margins, commands ----

void CCommEdit::BuildAccelerators()
{
    m_font.Apply(this, TRUE);
    ApplyMargins();
    if (m_nUndoMode == undoOwn && !m_pHistory)
    {
        m_pHistory = std::make_unique<CUndoHistory>();
        m_pUndoTarget = std::make_unique<CEditUndoTarget>(static_cast<CReplayableEdit*>(this));
        m_pRecorder = std::make_unique<CEditChangeRecorder>(m_pUndoTarget.get(), m_pHistory.get());
    }
    const BYTE fVirt = FCONTROL | FVIRTKEY;
    const ACCEL entries[] = {
        {fVirt, 'A', ID_EDIT_SELECT_ALL}, {fVirt, 'C', ID_EDIT_COPY}, {fVirt, 'V', ID_EDIT_PASTE},
        {fVirt, 'X', ID_EDIT_CUT},        {fVirt, 'Z', ID_EDIT_UNDO}, {fVirt, 'Y', ID_EDIT_REDO},
    };
    m_accelerators.Create(entries, m_nUndoMode == undoOwn ? 6 : 4);
}

void CCommEdit::EnsureAccelerators()
{
    if (m_options.TestAny(optAccelerators))
        return;
    m_options.Add(optAccelerators);
    BuildAccelerators();
}

void CCommEdit::ApplyMargins()
{
    if (m_options.TestAny(optMargins) || m_nLeftMargin < 0 || m_nRightMargin < 0 || m_hWnd == nullptr)
        return;
    m_options.Add(optMargins);
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(m_nLeftMargin, m_nRightMargin));
}

BOOL CCommEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd && m_accelerators.Translate(m_hWnd, pMsg))
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

BOOL CCommEdit::IsEditCommandEnabled(UINT nID)
{
    switch (nID)
    {
    case ID_EDIT_COPY:
        return HasSelection();
    case ID_EDIT_CUT:
        return !IsReadOnly() && HasSelection();
    case ID_EDIT_PASTE:
        return !IsReadOnly();
    case ID_EDIT_SELECT_ALL:
        return !IsEmpty();
    case ID_EDIT_UNDO:
        return !IsReadOnly() && m_pHistory && m_pHistory->CanUndo();
    case ID_EDIT_REDO:
        return !IsReadOnly() && m_pHistory && m_pHistory->CanRedo();
    default:
        return FALSE;
    }
}

void CCommEdit::OnEditCommand(UINT nID)
{
    switch (nID)
    {
    case ID_EDIT_SELECT_ALL:
        SetSel(0, -1);
        break;
    case ID_EDIT_COPY:
        SendMessage(WM_COPY);
        break;
    case ID_EDIT_CUT:
        if (!IsReadOnly())
            DeleteSelection(TRUE);
        break;
    case ID_EDIT_PASTE:
        SendMessage(WM_PASTE);
        break;
    case ID_EDIT_UNDO:
        if (!IsReadOnly())
            Undo();
        break;
    case ID_EDIT_REDO:
        if (!IsReadOnly())
            Redo();
        break;
    }
}

void CCommEdit::OnUpdateEditCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEditCommandEnabled(pCmdUI->m_nID));
}

BOOL CCommEdit::GetClipboardText(CString& rText)
{
    return ::GetClipboardText(rText, m_hWnd, FALSE);
}

void CCommEdit::Beep()
{
    ::MessageBeep((UINT)-1);
}

// ---- text ----

void CCommEdit::FilterText(CString& text)
{
    if ((GetStyle() & ES_MULTILINE) == 0)
        RemoveLineBreaks(text);
}

void CCommEdit::SetText(LPCTSTR lpszText)
{
    ApplyMargins();
    CString text = lpszText;
    FilterText(text);
    CheckByteLimit(text, TRUE);
    SetWindowText(text);
}

void CCommEdit::SetCaret(int nPos)
{
    SetSel(nPos, nPos);
}

int CCommEdit::GetSelStart() const
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart;
}

BOOL CCommEdit::HasSelection() const
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart >= 0 && nStart < nEnd;
}

void CCommEdit::SetFocusSelectAll()
{
    SetFocus();
    SetSel(0, -1);
}

void CCommEdit::GetLineText(int nLine, CString& rText) const
{
    // 1024 characters of two bytes each at most.
    const int nMax = 2 * 1024;
    const int nCopied = GetLine(nLine, rText.GetBuffer(nMax + 1), nMax);
    rText.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
}

int CCommEdit::GetTextByteLength() const
{
    CString text;
    GetWindowText(text);
    return text.GetLength();
}

void CCommEdit::InsertAt(int nPos, LPCTSTR lpszText)
{
    SetSel(nPos, nPos);
    ReplaceSel(lpszText, FALSE);
}

void CCommEdit::DeleteRange(int nPos, int nLength)
{
    SetSel(nPos, nPos + nLength);
    ReplaceSel("", FALSE);
}

void CCommEdit::GetByteSelection(CString& rText, int& nStart, int& nEnd) const
{
    GetWindowText(rText);
    int nCharStart = 0, nCharEnd = 0;
    GetSel(nCharStart, nCharEnd);
    nStart = ByteOffsetOf(rText, nCharStart);
    nEnd = ByteOffsetOf(rText, nCharEnd);
}

void CCommEdit::Announce(UINT nMessage, int nKind)
{
    CWnd* pTarget = m_nUndoMode == undoOwn ? this : m_nUndoMode == undoParent ? GetParent() : nullptr;
    if (pTarget != nullptr && pTarget->m_hWnd != nullptr)
        pTarget->SendMessage(nMessage, (WPARAM)GetDlgCtrlID(), nKind);
}

BOOL CCommEdit::InsertText(LPCTSTR lpszText, int nBytePos)
{
    return InsertRecorded(lpszText, nBytePos, FALSE);
}

BOOL CCommEdit::InsertRecorded(LPCTSTR lpszText, int nBytePos, BOOL bByDefault)
{
    if (lpszText == nullptr || *lpszText == '\0')
        return FALSE;
    const BOOL bRecord = IsRecording();
    if (bRecord)
    {
        if (nBytePos < 0)
        {
            CString text;
            int nEnd = 0;
            GetByteSelection(text, nBytePos, nEnd);
        }
        m_pending.Set(nBytePos, 0, "");
        Announce(WM_EDIT_CHANGING, EDIT_CHANGE_INSERT);
    }
    if (bByDefault)
        Default();
    else
        ReplaceSel(lpszText, !bRecord);
    if (bRecord)
    {
        m_pending.Set(nBytePos, (int)strlen(lpszText), lpszText);
        Announce(WM_EDIT_CHANGED, EDIT_CHANGE_INSERT);
    }
    return TRUE;
}

BOOL CCommEdit::DeleteSelection(BOOL bCopyToClipboard, int* pBytePos)
{
    if (!HasSelection())
        return FALSE;
    CString strAll;
    int nStart = 0, nEnd = 0;
    GetByteSelection(strAll, nStart, nEnd);
    const CString strDeleted = strAll.Mid(nStart, nEnd - nStart);
    const BOOL bRecord = IsRecording();
    if (bRecord)
    {
        m_pending.Set(nStart, nEnd - nStart, "");
        Announce(WM_EDIT_CHANGING, EDIT_CHANGE_DELETE);
    }
    ReplaceSel("", !bRecord);
    if (bCopyToClipboard)
        SetClipboardText(strDeleted, m_hWnd, FALSE, FALSE);
    if (bRecord && !strDeleted.IsEmpty())
    {
        m_pending.Set(nStart, nEnd - nStart, strDeleted);
        Announce(WM_EDIT_CHANGED, EDIT_CHANGE_DELETE);
    }
    if (pBytePos != nullptr)
        *pBytePos = nStart;
    return TRUE;
}

BOOL CCommEdit::CheckByteLimit(CString& text, BOOL bWhole, int nLimit, int* pBytePos)
{
    if (!bWhole)
        DeleteSelection(FALSE, pBytePos);
    if (nLimit == 0)
        nLimit = (int)GetLimitText();
    if (!FitTextToByteLimit(text, nLimit, bWhole ? 0 : GetTextByteLength(), bWhole))
        return FALSE;
    Beep();
    return TRUE;
}

void CCommEdit::ReplaceSelection(const CString& text)
{
    if (IsReadOnly())
        return;
    CString strFitting = text;
    int nBytePos = -1;
    CheckByteLimit(strFitting, FALSE, 0, &nBytePos);
    InsertText(strFitting, nBytePos);
}

// ---- undo ----

BOOL CCommEdit::CanUndo() const
{
    return m_pHistory ? m_pHistory->CanUndo() : CEdit::CanUndo();
}

BOOL CCommEdit::CanRedo() const
{
    return m_pHistory && m_pHistory->CanRedo();
}

void CCommEdit::Undo()
{
    if (m_pHistory)
        m_pHistory->Undo();
    else
        CEdit::Undo();
}

void CCommEdit::Redo()
{
    if (m_pHistory)
        m_pHistory->Redo();
}

LRESULT CCommEdit::OnEditChanging(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CCommEdit::OnEditChanged(WPARAM wParam, LPARAM lParam)
{
    if (m_pRecorder && m_pUndoTarget && !m_pUndoTarget->IsReplaying())
        m_pRecorder->AfterChange((int)wParam, (int)lParam, m_pending);
    return 0;
}

// ---- keys ----

void CCommEdit::InsertTyped(const CString& strChar)
{
    CString text = strChar;
    int nBytePos = -1;
    if (CheckByteLimit(text, FALSE, 0, &nBytePos))
        return;
    // A two-byte character goes in whole: passed on as two messages, the
    // window's conversion would depend on the keyboard's code page.
    InsertRecorded(text, nBytePos, text.GetLength() == 1 || text == "\r\n");
}

void CCommEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The window ignores typing; the limit's check would delete the
    // selection.
    if (IsReadOnly())
    {
        Default();
        return;
    }
    CString strChar;
    if (nChar > 0xFF)
    {
        // Both bytes of a two-byte character in one message.
        strChar += (char)HIBYTE(nChar);
        strChar += (char)LOBYTE(nChar);
    }
    else if (m_chLead != 0)
    {
        strChar += (char)m_chLead;
        strChar += (char)nChar;
        m_chLead = 0;
    }
    else
    {
        if ((nChar == VK_BACK || nChar == 46 || nChar == 127) &&
            (IsKeyDown(VK_SHIFT) || IsKeyDown(VK_CONTROL)))
            return;
        if (!IsSingleByteChar((BYTE)nChar))
        {
            m_chLead = (BYTE)nChar;
            return;
        }
        if (nChar == VK_BACK && IsRecording() && !IsReadOnly())
        {
            DeleteKeyed(TRUE);
            return;
        }
        if (nChar == '\r')
        {
            if ((GetStyle() & (ES_WANTRETURN | ES_MULTILINE)) != (ES_WANTRETURN | ES_MULTILINE))
            {
                Default();
                return;
            }
            strChar = "\r\n";
        }
        else if (nChar < 0x20 || nChar == 127)
        {
            Default();
            return;
        }
        else
            strChar = (char)nChar;
    }
    InsertTyped(strChar);
}

void CCommEdit::DeleteKeyed(BOOL bBefore)
{
    if (!HasSelection())
    {
        CString text;
        int nStart = 0, nEnd = 0;
        GetByteSelection(text, nStart, nEnd);
        if (bBefore)
        {
            if (nStart == 0)
                return;
            // The character that ends at the caret; a line break goes whole.
            int nPrev = 0;
            for (LPCTSTR p = text; p - (LPCTSTR)text < nStart; p += CharLength(p))
                nPrev = (int)(p - (LPCTSTR)text);
            if (nPrev > 0 && text[nPrev] == '\n' && text[nPrev - 1] == '\r')
                --nPrev;
            nStart = nPrev;
        }
        else
        {
            if (nEnd >= text.GetLength())
                return;
            nEnd += text.Mid(nEnd, 2) == "\r\n" ? 2 : CharLength((LPCTSTR)text + nEnd);
        }
        SetSel(ByteOffsetToCharPos(text, nStart), ByteOffsetToCharPos(text, nEnd), TRUE);
    }
    DeleteSelection(FALSE);
}

void CCommEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_BACK || nChar == VK_DELETE)
    {
        if (IsKeyDown(VK_SHIFT) || IsKeyDown(VK_CONTROL))
        {
            Beep();
            return;
        }
        // Backspace deletes on its WM_CHAR.
        if (nChar == VK_DELETE && IsRecording() && !IsReadOnly())
        {
            DeleteKeyed(FALSE);
            return;
        }
    }
    Default();
}

LRESULT CCommEdit::OnPaste(WPARAM, LPARAM)
{
    CString text;
    if (!GetClipboardText(text))
        return Default();
    FilterText(text);
    ReplaceSelection(text);
    return 0;
}

// ---- focus, paint, context menu ----

void CCommEdit::OnPaint()
{
    EnsureAccelerators();
    Default();
}

void CCommEdit::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    m_ime.Apply(this);
}

void CCommEdit::OnKillFocus(CWnd* pNewWnd)
{
    m_chLead = 0;
    Default();
    m_ime.Restore();
}

void CCommEdit::OnRButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    CMenu menu;
    if (!menu.LoadMenu(IDR_EDIT_CONTEXT_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    if (!IsReadOnly() && m_nUndoMode == undoOwn)
        InsertMenuFromResource(pPopup, pPopup->GetMenuItemCount(), IDR_EDIT_UNDO_MENU,
                               MENU_INSERT_SEPARATOR_BEFORE);
    UpdateMenuItems(pPopup, &m_commandState);
    ClientToScreen(&point);
    pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

// ---- input method ----

LRESULT CCommEdit::OnImeStartComposition(WPARAM, LPARAM)
{
    if (HasSelection())
    {
        CPoint pt = PosFromChar((UINT)GetSelStart());
        pt.x = pt.x < 0 ? 0 : pt.x;
        pt.y = pt.y < 0 ? 0 : pt.y;
        CImeContext(m_hWnd).SetCompositionWindowAt(pt);
    }
    return Default();
}

LRESULT CCommEdit::OnImeComposition(WPARAM, LPARAM lParam)
{
    if ((lParam & GCS_RESULTSTR) == 0 || GetLimitText() == 0 || IsReadOnly())
        return Default();
    CImeContext ime(m_hWnd);
    CString strResult;
    ime.GetCompositionString(GCS_RESULTSTR, strResult);
    int nBytePos = -1;
    CheckByteLimit(strResult, FALSE, 0, &nBytePos);
    if (!strResult.IsEmpty())
        InsertText(strResult, nBytePos);
    CPoint pt;
    if (::GetCaretPos(&pt))
        ime.SetCompositionWindowAt(pt);
    return 0;
}

LRESULT CCommEdit::OnImeRequest(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (wParam == IMR_RECONVERTSTRING || wParam == IMR_CONFIRMRECONVERTSTRING)
    {
        if (g_reconvertWay == reconvertUndecided)
            g_reconvertWay = DecideReconvertWay();
        if (g_reconvertWay == reconvertRefuse)
        {
            Beep();
            return 0;
        }
        if (g_reconvertWay == reconvertSelf && AnswerReconvert(wParam, lParam, lResult))
            return lResult;
    }
    return Default();
}

BOOL CCommEdit::AnswerReconvert(WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    const int nLineStart = LineIndex(LineFromChar(nStart));
    int nRangeStart = 0, nLength = 0;
    lResult = 0;
    if (!GetReconvertRange(nStart, nEnd, nLineStart, LineLength(nLineStart), nRangeStart, nLength))
        return TRUE;
    const BOOL bSelected = nStart < nEnd;
    if (wParam == IMR_RECONVERTSTRING)
    {
        if (lParam == 0)
        {
            lResult = (LRESULT)ReconvertBlockSize(nLength);
            return TRUE;
        }
        // The system's edit fills the block from the selection at the start.
        CRedrawLock redraw(this);
        SetSel(0, nEnd - nStart, TRUE);
        lResult = Default();
        SetSel(nStart, nEnd, TRUE);
        return TRUE;
    }
    if (lParam == 0)
        return TRUE;
    const int nTextLength = ::GetWindowTextLengthW(m_hWnd);
    std::vector<WCHAR> text((size_t)nTextLength + 1, 0);
    ::GetWindowTextW(m_hWnd, text.data(), nTextLength + 1);
    if (nRangeStart + nLength > nTextLength)
        return TRUE;
    void* pBlock = (void*)lParam;
    if (!FillReconvertBlock(pBlock, text.data() + nRangeStart, nLength, bSelected))
        return TRUE;
    RECONVERTSTRING* pReconvert = (RECONVERTSTRING*)pBlock;
    CImeContext ime(m_hWnd);
    if (ime.SetCompositionStringW(SCS_QUERYRECONVERTSTRING, pReconvert, pReconvert->dwSize))
    {
        const int nCompStart = nRangeStart + (int)(pReconvert->dwCompStrOffset / sizeof(WCHAR));
        SetSel(nCompStart, nCompStart + (int)pReconvert->dwCompStrLen, TRUE);
    }
    CPoint pt;
    if (::GetCaretPos(&pt))
        ime.SetCompositionWindowAt(pt);
    lResult = ime.SetCompositionStringW(SCS_SETRECONVERTSTRING, pReconvert, pReconvert->dwSize) ? 1 : 0;
    return TRUE;
}
