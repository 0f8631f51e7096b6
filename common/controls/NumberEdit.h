#ifndef TANZO_CONTROLS_NUMBEREDIT_H
#define TANZO_CONTROLS_NUMBEREDIT_H

// Number-only edits on CCommEdit (Windows builds), each with the input
// method closed while it has the focus: CNumberEdit for non-negative
// integers shown with thousands separators, CDecimalEdit for digits and a
// decimal point, CDigitEdit for plain digits.

#include "controls/CommEdit.h"

class CNumberEdit : public CCommEdit
{
public:
    CNumberEdit();

    // Room for n digits and their separators (10 digits: 13 characters).
    void SetDigitLimit(int nDigits);
    int GetLengthLimit() const { return m_nLimit; }
    // The value's digits, grouped; a negative value shows without its sign.
    void SetValue(LONGLONG nValue);
    // The digits of the text (0 for none), saturating.
    LONGLONG GetValue() const;
    // The text's digits, grouped. A number longer than the limit is
    // refused with a beep and the text stays as it was.
    void SetText(LPCTSTR lpszText);

protected:
    // Pasting replaces the whole text.
    void ReplaceSelection(const CString& text) override;
    void FilterText(CString& text) override;

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    // Characters, separators included.
    int m_nLimit = 48;
};

class CDecimalEdit : public CCommEdit
{
public:
    CDecimalEdit() : CCommEdit(CImeModeSwitch::modeClose) {}

    // The whole number, and "." with the fraction when that is above 0.
    void SetDecimalValue(int nWhole, int nFraction);

protected:
    void FilterText(CString& text) override;
};

class CDigitEdit : public CCommEdit
{
public:
    CDigitEdit() : CCommEdit(CImeModeSwitch::modeClose) {}

protected:
    // Pasting replaces the whole text.
    void ReplaceSelection(const CString& text) override;
    void FilterText(CString& text) override;
};

#endif // TANZO_CONTROLS_NUMBEREDIT_H
