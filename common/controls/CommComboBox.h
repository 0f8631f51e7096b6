#ifndef TANZO_CONTROLS_COMMCOMBOBOX_H
#define TANZO_CONTROLS_COMMCOMBOBOX_H

// CCommComboBox: a combo box whose edit part behaves as a CCommEdit (input
// method mode, byte limit, context menu), filled from string resources or
// texts and keeping a most-recent-first history (Windows builds).

#include "afx/Controls.h"
#include "controls/CommEdit.h"

class CCommComboBox : public CComboBox
{
public:
    explicit CCommComboBox(int nImeMode = CImeModeSwitch::modeLeave);
    ~CCommComboBox() override;

    void SetImeMode(int nMode) { m_edit.SetImeMode(nMode); }
    // The edit part's byte limit (-1: the window's default).
    void SetTextLimit(int nLimit);
    // The edit part, once the combo box has painted it; null before.
    CCommEdit* GetEditPart() { return m_edit.m_hWnd != nullptr ? &m_edit : nullptr; }

    // Adds the string resources of the ids up to the terminating 0, then
    // selects nIndex when it is below the item count (answering
    // CB_SETCURSEL's result), else answers the item count. Without the window or the list, answers
    // whether the window exists.
    int FillFromStringIds(const UINT* pIds, int nIndex = -1);
    // The same with texts up to a null or empty one.
    int FillFromStrings(const LPCTSTR* pTexts, int nIndex = -1);
    // Moves the text to the top of the list and selects it; at most nMax
    // items stay.
    void PushHistoryText(LPCTSTR lpszText, int nMax);
    void RemoveAllItems();
    // Index of the first item equal to the text, ignoring letter case; -1
    // when none.
    int FindTextNoCase(LPCTSTR lpszText) const;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CCommEdit m_edit;
    int m_nTextLimit = -1;
};

#endif // TANZO_CONTROLS_COMMCOMBOBOX_H
