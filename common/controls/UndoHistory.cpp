#include "controls/UndoHistory.h"

void CUndoEntry::Do()
{
    if (m_action)
        m_action->Do();
}

void CUndoEntry::Undo()
{
    if (m_action)
        m_action->Undo();
}

void CUndoEntry::Redo()
{
    if (m_action)
        m_action->Redo();
}

BOOL CUndoHistory::Push(std::unique_ptr<CUndoEntry> entry)
{
    if (!entry)
        return FALSE;
    entry->Do();
    m_entries.resize(m_nCurrent + 1);
    m_entries.push_back(std::move(entry));
    m_nCurrent = (int)m_entries.size() - 1;
    return TRUE;
}

void CUndoHistory::Undo()
{
    if (!CanUndo())
        return;
    m_entries[m_nCurrent]->Undo();
    --m_nCurrent;
}

void CUndoHistory::Redo()
{
    if (!CanRedo())
        return;
    ++m_nCurrent;
    m_entries[m_nCurrent]->Redo();
}

void CUndoHistory::Clear()
{
    m_entries.clear();
    m_nCurrent = -1;
}
