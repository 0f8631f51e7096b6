#include "controls/NumberEdit.h"

#include "controls/NumberEditText.h"
#include "text/CharClass.h"
#include "text/NumberText.h"
#include "text/TextCut.h"

BEGIN_MESSAGE_MAP(CNumberEdit, CCommEdit)
ON_WM_CHAR()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CNumberEdit::CNumberEdit() : CCommEdit(CImeModeSwitch::modeClose) {}

void CNumberEdit::SetDigitLimit(int nDigits)
{
    m_nLimit = GroupedNumberLength(nDigits);
    if (m_hWnd != nullptr)
        LimitText(m_nLimit);
}

void CNumberEdit::SetValue(LONGLONG nValue)
{
    CString text;
    text.Format("%lld", nValue);
    SetText(text);
}

LONGLONG CNumberEdit::GetValue() const
{
    CString text;
    GetWindowText(text);
    FilterNumberChars(text);
    return ParseInt64Saturated(text);
}

void CNumberEdit::SetText(LPCTSTR lpszText)
{
    CString text = lpszText;
    if (!FormatGroupedNumber(text, m_nLimit))
    {
        Beep();
        return;
    }
    CCommEdit::SetText(text);
}

void CNumberEdit::ReplaceSelection(const CString& text)
{
    if (!IsReadOnly())
        SetText(text);
}

void CNumberEdit::FilterText(CString& text)
{
    FormatGroupedNumber(text, 0);
    CCommEdit::FilterText(text);
}

void CNumberEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Digits typed one by one are grouped only when the focus leaves: the
    // limit counts the separators they will get.
    if (IsDigitChar((int)nChar) && !IsReadOnly())
    {
        CString text;
        GetWindowText(text);
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        const int nByteStart = nStart > 0 ? CharIndexToByteOffset(text, nStart) : 0;
        const int nByteEnd = nEnd > 0 ? CharIndexToByteOffset(text, nEnd) : 0;
        CString typed =
            text.Left(nByteStart) + (char)nChar + text.Mid(nByteEnd > nByteStart ? nByteEnd : nByteStart);
        if (!FormatGroupedNumber(typed, m_nLimit))
        {
            Beep();
            return;
        }
    }
    CCommEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CNumberEdit::OnKillFocus(CWnd* pNewWnd)
{
    CCommEdit::OnKillFocus(pNewWnd);
    CString text;
    GetWindowText(text);
    SetText(text);
}

void CDecimalEdit::SetDecimalValue(int nWhole, int nFraction)
{
    SetText(FormatDecimalValue(nWhole, nFraction));
}

void CDecimalEdit::FilterText(CString& text)
{
    FilterNumberChars(text, FALSE, TRUE);
    CCommEdit::FilterText(text);
}

void CDigitEdit::ReplaceSelection(const CString& text)
{
    if (!IsReadOnly())
        SetText(text);
}

void CDigitEdit::FilterText(CString& text)
{
    FilterNumberChars(text);
    CCommEdit::FilterText(text);
}
