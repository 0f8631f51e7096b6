#ifndef TANZO_CONTROLS_EDITACTION_H
#define TANZO_CONTROLS_EDITACTION_H

// The recorded changes of an edit and their undo steps. A change holds a
// byte offset into the code page 932 text, so that it stays valid while
// the edit counts positions in characters; replaying turns it back into a
// character position of the text as it is then.

#include "afx/String.h"
#include "afx/wintypes.h"
#include "controls/UndoHistory.h"
#include "text/BitFlags.h"

// Kinds of a recorded change (the lParam of its notifications).
#define EDIT_CHANGE_INSERT 1
#define EDIT_CHANGE_DELETE 2

// The change being recorded: where (byte offset), how many bytes and which
// text.
struct CEditChange
{
    int nPosition = 0;
    int nLength = 0;
    CString strText;
    int nFlags = 0;

    void Set(int position, int length, LPCTSTR text)
    {
        nPosition = position;
        nLength = length;
        strText = text;
    }
};

// What replaying a step needs of an edit: its text, a selection in
// character positions and the raw replacement of that selection.
class CReplayableEdit
{
public:
    virtual int GetEditControlId() const = 0;
    virtual void GetEditText(CString& text) const = 0;
    virtual void FocusEdit() = 0;
    virtual void SelectChars(int start, int end) = 0;
    virtual void ReplaceSelectedChars(LPCTSTR text) = 0;

protected:
    ~CReplayableEdit() = default;
};

class CEditAction;

// The edit that the steps of a history replay on; marks the replay so
// that the edit records nothing meanwhile.
class CEditUndoTarget
{
public:
    explicit CEditUndoTarget(CReplayableEdit* pEdit) : m_pEdit(pEdit) {}
    virtual ~CEditUndoTarget() = default;

    BOOL IsForControl(int nID) const { return m_pEdit != nullptr && m_pEdit->GetEditControlId() == nID; }
    BOOL IsReplaying() const { return m_bReplaying; }
    // Replays the action on the edit of control nID; FALSE when it is not
    // this target's edit or the action's position no longer exists.
    BOOL Apply(int nID, CEditAction& action);

private:
    CReplayableEdit* m_pEdit;
    BOOL m_bReplaying = FALSE;

    CEditUndoTarget(const CEditUndoTarget&) = delete;
    CEditUndoTarget& operator=(const CEditUndoTarget&) = delete;
};

// A recorded change as an undo step. Flags bit 1 is set while it is being
// undone, bit 2 while it is being redone.
class CEditAction : public CUndoAction
{
public:
    enum
    {
        flagUndoing = 0x1,
        flagRedoing = 0x2
    };

    CEditAction(CEditUndoTarget* pTarget, int nID, int nPosition, LPCTSTR text)
        : m_pTarget(pTarget), m_nID(nID), m_nPosition(nPosition), m_strText(text)
    {
    }

    // The change is already in the edit when it is recorded.
    void Do() override {}
    void Undo() override { Replay(flagUndoing); }
    void Redo() override { Replay(flagRedoing); }
    // Makes the edit's text what undoing or redoing (as the flags say) makes
    // it; FALSE when the position is not in the text any more.
    virtual BOOL ApplyTo(CReplayableEdit& edit) = 0;

    int GetPosition() const { return m_nPosition; }
    const CString& GetText() const { return m_strText; }

protected:
    // Puts the text back at the position, or takes it out again.
    BOOL ReplayText(CReplayableEdit& edit, BOOL bInsert);
    BOOL IsUndoing() const { return m_flags.TestAny(flagUndoing); }

private:
    void Replay(DWORD dwFlag);

    CEditUndoTarget* m_pTarget;
    int m_nID;
    int m_nPosition;
    CString m_strText;
    CBitFlags m_flags;
};

// Text that was inserted: undoing takes it out, redoing puts it back.
class CEditInsertAction : public CEditAction
{
public:
    using CEditAction::CEditAction;
    BOOL ApplyTo(CReplayableEdit& edit) override { return ReplayText(edit, !IsUndoing()); }
};

// Text that was deleted: undoing puts it back, redoing takes it out.
class CEditDeleteAction : public CEditAction
{
public:
    using CEditAction::CEditAction;
    BOOL ApplyTo(CReplayableEdit& edit) override { return ReplayText(edit, IsUndoing()); }
};

// Turns the edit's finished changes into steps of its history.
class CEditChangeRecorder
{
public:
    CEditChangeRecorder(CEditUndoTarget* pTarget, CUndoHistory* pHistory)
        : m_pTarget(pTarget), m_pHistory(pHistory)
    {
    }
    virtual ~CEditChangeRecorder() = default;

    // After a change of kind EDIT_CHANGE_INSERT or EDIT_CHANGE_DELETE of
    // control nID: pushes its step. FALSE when nothing was recorded (another
    // control, another kind, no text or no history).
    BOOL AfterChange(int nID, int nKind, const CEditChange& change);

private:
    CEditUndoTarget* m_pTarget;
    CUndoHistory* m_pHistory;

    CEditChangeRecorder(const CEditChangeRecorder&) = delete;
    CEditChangeRecorder& operator=(const CEditChangeRecorder&) = delete;
};

#endif // TANZO_CONTROLS_EDITACTION_H
