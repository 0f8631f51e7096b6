#ifndef TANZO_CONTROLS_COMMEDIT_H
#define TANZO_CONTROLS_COMMEDIT_H

// CCommEdit: the edit control of every dialog (Windows builds). Over a
// plain edit it adds a text limit counted in bytes of the code page 932
// text (a two-byte character counts 2 and is never split), single-line
// edits without line breaks, an input method mode applied while it has
// the focus, its own context menu and Ctrl-key accelerators, optional
// margins and font, and an optional undo and redo history of many steps.
//
// The window counts positions in characters; the byte limit is the
// window's text limit (LimitText), and only CheckByteLimit enforces it in
// bytes.

#include "afx/AcceleratorTable.h"
#include "afx/Controls.h"
#include "app/DialogFont.h"
#include "app/ImeModeSwitch.h"
#include "app/MenuHelpers.h"
#include "controls/EditAction.h"
#include "controls/UndoHistory.h"
#include "text/BitFlags.h"

#include <memory>

// Sent before (WM_EDIT_CHANGING) and after (WM_EDIT_CHANGED) a recorded
// change: wParam the edit's control id, lParam EDIT_CHANGE_INSERT or
// EDIT_CHANGE_DELETE. GetPendingChange tells what changed.
#define WM_EDIT_CHANGING 0x611
#define WM_EDIT_CHANGED 0x612

class CCommEdit : public CEdit, private CReplayableEdit
{
    DECLARE_DYNAMIC(CCommEdit)
public:
    // Undo modes.
    enum
    {
        undoNone = 0,   // the edit's own single-step undo
        undoOwn = 1,    // steps recorded into this edit's history
        undoParent = 2, // changes announced to the parent, which records them
    };

    explicit CCommEdit(int nImeMode = CImeModeSwitch::modeLeave);
    ~CCommEdit() override;

    void SetImeMode(int nMode) { m_ime.SetMode(nMode); }
    int GetImeMode() const { return m_ime.GetMode(); }
    // Puts back the input method state that the focus changed.
    void RestoreImeStatus() { m_ime.Restore(); }
    // Set before the first paint: the history is made then.
    void SetUndoMode(int nMode) { m_nUndoMode = nMode; }
    int GetUndoMode() const { return m_nUndoMode; }
    // Pixels; applied once, when both are 0 or more, at the first paint or
    // SetText.
    void SetTextMargins(int nLeft, int nRight)
    {
        m_nLeftMargin = nLeft;
        m_nRightMargin = nRight;
    }
    // The font variant the edit shows from its first paint on.
    CDialogFont& GetEditFont() { return m_font; }
    const CEditChange& GetPendingChange() const { return m_pending; }

    // The text, without line breaks in a single-line edit, cut to the byte
    // limit (with a beep).
    void SetText(LPCTSTR lpszText);
    void SetCaret(int nPos);
    int GetSelStart() const;
    BOOL HasSelection() const;
    BOOL IsEmpty() const { return GetWindowTextLength() == 0; }
    void SetFocusSelectAll();
    // Line nLine (at most 1024 characters).
    void GetLineText(int nLine, CString& rText) const;
    int GetTextByteLength() const;
    // Raw replacements at character positions, not recorded.
    void InsertAt(int nPos, LPCTSTR lpszText);
    void DeleteRange(int nPos, int nLength);
    // Inserts at the selection, recorded; nBytePos is where the text goes
    // as a byte offset (-1: the selection's start). 0 for an empty text.
    BOOL InsertText(LPCTSTR lpszText, int nBytePos = -1);
    // Deletes the selection, recorded, and puts it on the clipboard when
    // asked; *pBytePos receives where it was. 0 without a selection.
    BOOL DeleteSelection(BOOL bCopyToClipboard, int* pBytePos = nullptr);
    // Fits text into the byte limit (nLimit, or the window's text limit
    // when 0): whole, it replaces the text; otherwise the selection is
    // deleted first (recorded) and its place given in *pBytePos. TRUE, after
    // a beep, when the text was cut.
    BOOL CheckByteLimit(CString& text, BOOL bWhole, int nLimit = 0, int* pBytePos = nullptr);

    // The history in undo mode 1; the window's own undo otherwise.
    BOOL CanUndo() const;
    BOOL CanRedo() const;
    void Undo();
    void Redo();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void BuildAccelerators();
    virtual BOOL IsEditCommandEnabled(UINT nID);
    virtual BOOL GetClipboardText(CString& rText);
    virtual void EnsureAccelerators();
    // Puts pasted text in place of the selection: within the byte limit
    // and recorded. Nothing in a read-only edit.
    virtual void ReplaceSelection(const CString& text);
    // Removes the line breaks from a text meant for a single-line edit.
    virtual void FilterText(CString& text);
    // A refused character or a cut text.
    virtual void Beep();

    BOOL IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
    BOOL IsRecording() const { return m_nUndoMode == undoOwn || m_nUndoMode == undoParent; }
    void ApplyMargins();

    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeRequest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEditChanging(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEditChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEditCommand(UINT nID);
    afx_msg void OnUpdateEditCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // Greys the context menu's items by IsEditCommandEnabled.
    class CCommandState : public CCommandStateProvider
    {
    public:
        explicit CCommandState(CCommEdit* pEdit) : m_pEdit(pEdit) {}
        BOOL IsCommandEnabled(UINT nID) override { return m_pEdit->IsEditCommandEnabled(nID); }

    private:
        CCommEdit* m_pEdit;
    };

    enum
    {
        optAccelerators = 0x1,
        optMargins = 0x2
    };

    // The text and its selection as byte offsets.
    void GetByteSelection(CString& rText, int& nStart, int& nEnd) const;
    void Announce(UINT nMessage, int nKind);
    // Deletes the selection, or one character beside the caret, recorded;
    // bBefore: the character before it (backspace), else after (delete).
    void DeleteKeyed(BOOL bBefore);
    // bByDefault: the typed character of the current message goes in as
    // the window would put it; else the text replaces the selection.
    BOOL InsertRecorded(LPCTSTR lpszText, int nBytePos, BOOL bByDefault);
    void InsertTyped(const CString& strChar);
    BOOL AnswerReconvert(WPARAM wParam, LPARAM lParam, LRESULT& lResult);

    // CReplayableEdit
    int GetEditControlId() const override { return GetDlgCtrlID(); }
    void GetEditText(CString& text) const override { GetWindowText(text); }
    void FocusEdit() override { SetFocus(); }
    void SelectChars(int nStart, int nEnd) override { SetSel(nStart, nEnd); }
    void ReplaceSelectedChars(LPCTSTR lpszText) override { ReplaceSel(lpszText, FALSE); }

    CDialogFont m_font;
    CImeModeSwitch m_ime;
    CCommandState m_commandState;
    CBitFlags m_options;
    std::unique_ptr<CEditUndoTarget> m_pUndoTarget;
    std::unique_ptr<CEditChangeRecorder> m_pRecorder;
    std::unique_ptr<CUndoHistory> m_pHistory;
    CAcceleratorTable m_accelerators;
    int m_nLeftMargin = -1;
    int m_nRightMargin = -1;
    int m_nUndoMode = undoNone;
    CEditChange m_pending;
    // The lead byte of a two-byte character typed as two WM_CHAR messages.
    BYTE m_chLead = 0;
};

#endif // TANZO_CONTROLS_COMMEDIT_H
