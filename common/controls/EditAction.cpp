#include "controls/EditAction.h"

#include "controls/EditText.h"

BOOL CEditUndoTarget::Apply(int nID, CEditAction& action)
{
    if (!IsForControl(nID))
        return FALSE;
    m_bReplaying = TRUE;
    const BOOL bApplied = action.ApplyTo(*m_pEdit);
    m_bReplaying = FALSE;
    return bApplied;
}

void CEditAction::Replay(DWORD dwFlag)
{
    if (m_pTarget == nullptr)
        return;
    m_flags.Add(dwFlag);
    m_pTarget->Apply(m_nID, *this);
    m_flags.Remove(dwFlag);
}

BOOL CEditAction::ReplayText(CReplayableEdit& edit, BOOL bInsert)
{
    edit.FocusEdit();
    CString strText;
    edit.GetEditText(strText);
    const int nStart = ByteOffsetToCharPos(strText, m_nPosition);
    if (nStart < 0)
        return FALSE;
    if (bInsert)
    {
        edit.SelectChars(nStart, nStart);
        edit.ReplaceSelectedChars(m_strText);
    }
    else
    {
        edit.SelectChars(nStart, nStart + CountChars(m_strText));
        edit.ReplaceSelectedChars("");
    }
    return TRUE;
}

BOOL CEditChangeRecorder::AfterChange(int nID, int nKind, const CEditChange& change)
{
    if (m_pHistory == nullptr || m_pTarget == nullptr || !m_pTarget->IsForControl(nID) ||
        change.strText.IsEmpty())
        return FALSE;
    std::unique_ptr<CUndoAction> action;
    if (nKind == EDIT_CHANGE_INSERT)
        action = std::make_unique<CEditInsertAction>(m_pTarget, nID, change.nPosition, change.strText);
    else if (nKind == EDIT_CHANGE_DELETE)
        action = std::make_unique<CEditDeleteAction>(m_pTarget, nID, change.nPosition, change.strText);
    else
        return FALSE;
    return m_pHistory->Push(std::make_unique<CUndoEntry>(std::move(action)));
}
