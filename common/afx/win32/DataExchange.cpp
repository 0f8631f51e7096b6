// Dialog data exchange and validation.
#include "afx/DataExchange.h"

#include "afx/Exception.h"
#include "afx/MessageBox.h"
#include "afx/StringTable.h"
#include "afx/Wnd.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace
{
// The framework's own texts, used when the program's string table has
// none under the id.
LPCTSTR BuiltInPrompt(UINT nID)
{
    switch (nID)
    {
    case AFX_IDP_PARSE_INT:
        return "整数を入力してください。";
    case AFX_IDP_PARSE_REAL:
        return "数値を入力してください。";
    case AFX_IDP_PARSE_INT_RANGE:
        return "%1 から %2 までの整数を入力してください。";
    case AFX_IDP_PARSE_REAL_RANGE:
        return "%1 から %2 までの数値を入力してください。";
    case AFX_IDP_PARSE_STRING_SIZE:
        return "半角 %1 文字以内で入力してください。";
    case AFX_IDP_PARSE_RADIO_BUTTON:
        return "ボタンを 1 つ選択してください。";
    case AFX_IDP_PARSE_BYTE:
        return "0 から 255 までの整数を入力してください。";
    case AFX_IDP_PARSE_UINT:
        return "0 以上の整数を入力してください。";
    default:
        return "内部エラーが発生しました。";
    }
}

CString Prompt(UINT nID)
{
    char buf[512];
    if (AfxLoadString(nID, buf, sizeof(buf)) > 0)
        return CString(buf);
    return CString(BuiltInPrompt(nID));
}

void FailWith(CDataExchange* pDX, UINT nIDPrompt, LPCTSTR lpsz1 = nullptr, LPCTSTR lpsz2 = nullptr)
{
    CString strPrompt = Prompt(nIDPrompt);
    if (lpsz1 != nullptr)
    {
        CString strText;
        strText.FormatMessage(strPrompt, lpsz1, lpsz2 != nullptr ? lpsz2 : "");
        strPrompt = strText;
    }
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

CString ControlText(HWND hWnd)
{
    CString str;
    int nLen = ::GetWindowTextLengthA(hWnd);
    if (nLen > 0)
    {
        int nGot = ::GetWindowTextA(hWnd, str.GetBuffer(nLen), nLen + 1);
        str.ReleaseBuffer(nGot >= 0 ? nGot : 0);
    }
    return str;
}

BOOL IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A whole decimal number with optional blanks around it; FALSE for any
// other text and for numbers outside [minVal, maxVal].
BOOL ParseInteger(const CString& str, long long minVal, long long maxVal, long long& value)
{
    LPCTSTR p = str;
    while (IsBlank(*p))
        ++p;
    if (*p == '\0')
        return FALSE;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(p, &end, 10);
    if (end == p || errno == ERANGE)
        return FALSE;
    while (IsBlank(*end))
        ++end;
    if (*end != '\0' || v < minVal || v > maxVal)
        return FALSE;
    value = v;
    return TRUE;
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, long long minVal, long long maxVal,
                     UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long v = 0;
        if (!ParseInteger(ControlText(hWndCtrl), minVal, maxVal, v))
            FailWith(pDX, nIDPrompt);
        value = (T)v;
    }
    else
    {
        CString str;
        str.Format("%lld", (long long)value);
        ::SetWindowTextA(hWndCtrl, str);
    }
}

template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, LPCTSTR lpszFormat, UINT nIDPrompt)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin;
    CString strMax;
    strMin.Format(lpszFormat, minVal);
    strMax.Format(lpszFormat, maxVal);
    FailWith(pDX, nIDPrompt, strMin, strMax);
}

// The radio buttons of the group that nIDC starts, in tab order.
template <class F> void ForEachRadioInGroup(HWND hWndFirst, F f)
{
    int nIndex = 0;
    HWND hWnd = hWndFirst;
    do
    {
        if ((::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0)
            f(hWnd, nIndex++);
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd != nullptr && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_GROUP) == 0);
}
} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowNotSupportedException();
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeInteger(pDX, nIDC, value, 0, 255, AFX_IDP_PARSE_BYTE);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeInteger(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInteger(pDX, nIDC, value, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInteger(pDX, nIDC, value, 0, UINT_MAX, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeInteger(pDX, nIDC, value, LONG_MIN, LONG_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeInteger(pDX, nIDC, value, 0, 0xFFFFFFFFLL, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        CString str = ControlText(hWndCtrl);
        LPCTSTR p = str;
        while (IsBlank(*p))
            ++p;
        char* end = nullptr;
        errno = 0;
        double v = std::strtod(p, &end);
        if (end != p)
        {
            while (IsBlank(*end))
                ++end;
        }
        if (*p == '\0' || end == p || *end != '\0' || errno == ERANGE)
            FailWith(pDX, AFX_IDP_PARSE_REAL);
        value = v;
    }
    else
    {
        CString str;
        str.Format("%.15g", value);
        ::SetWindowTextA(hWndCtrl, str);
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)(value >= 0 && value <= 2 ? value : 0), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndFirst = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = -1;
        ForEachRadioInGroup(hWndFirst,
                            [&value](HWND hWnd, int nIndex)
                            {
                                if (value == -1 && ::SendMessageA(hWnd, BM_GETCHECK, 0, 0) != 0)
                                    value = nIndex;
                            });
    }
    else
    {
        ForEachRadioInGroup(hWndFirst, [value](HWND hWnd, int nIndex)
                            { ::SendMessageA(hWnd, BM_SETCHECK, nIndex == value, 0); });
    }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nIndex = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
        value.Empty();
        if (nIndex != LB_ERR)
        {
            int nLen = (int)::SendMessageA(hWndCtrl, LB_GETTEXTLEN, (WPARAM)nIndex, 0);
            ::SendMessageA(hWndCtrl, LB_GETTEXT, (WPARAM)nIndex, (LPARAM)value.GetBuffer(nLen));
            value.ReleaseBuffer();
        }
    }
    else
        ::SendMessageA(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bSaveAndValidate)
    {
        DDX_LBString(pDX, nIDC, value);
        return;
    }
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    LRESULT nIndex = ::SendMessageA(hWndCtrl, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    ::SendMessageA(hWndCtrl, LB_SETCURSEL, nIndex != LB_ERR ? (WPARAM)nIndex : (WPARAM)-1, 0);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
        ::SetWindowTextA(hWndCtrl, value); // a drop-down list ignores it
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = ControlText(hWndCtrl);
        return;
    }
    LRESULT nIndex = ::SendMessageA(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (nIndex != CB_ERR)
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)nIndex, 0);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() > nChars)
        {
            CString strMax;
            strMax.Format("%d", nChars);
            FailWith(pDX, AFX_IDP_PARSE_STRING_SIZE, strMax);
        }
    }
    else if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl)
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
}

void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    CheckRange<unsigned>(pDX, value, minVal, maxVal, "%u", AFX_IDP_PARSE_INT_RANGE);
}

void AFXAPI DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    CheckRange<int>(pDX, value, minVal, maxVal, "%d", AFX_IDP_PARSE_INT_RANGE);
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange<int>(pDX, value, minVal, maxVal, "%d", AFX_IDP_PARSE_INT_RANGE);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange<unsigned>(pDX, value, minVal, maxVal, "%u", AFX_IDP_PARSE_INT_RANGE);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange<long>(pDX, value, minVal, maxVal, "%ld", AFX_IDP_PARSE_INT_RANGE);
}

void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    CheckRange<unsigned long>(pDX, value, minVal, maxVal, "%lu", AFX_IDP_PARSE_INT_RANGE);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    CheckRange<double>(pDX, value, minVal, maxVal, "%g", AFX_IDP_PARSE_REAL_RANGE);
}
