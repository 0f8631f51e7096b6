#ifndef TANZO_CONTROLS_UNDOHISTORY_H
#define TANZO_CONTROLS_UNDOHISTORY_H

// A multi-level undo and redo history of recorded actions.

#include "afx/wintypes.h"

#include <memory>
#include <vector>

// One step that can be done, undone and redone.
class CUndoAction
{
public:
    virtual ~CUndoAction() = default;
    virtual void Do() = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
};

// An entry of the history: owns its action and forwards to it.
class CUndoEntry
{
public:
    explicit CUndoEntry(std::unique_ptr<CUndoAction> action) : m_action(std::move(action)) {}
    virtual ~CUndoEntry() = default;

    virtual void Do();
    virtual void Undo();
    virtual void Redo();

private:
    std::unique_ptr<CUndoAction> m_action;

    CUndoEntry(const CUndoEntry&) = delete;
    CUndoEntry& operator=(const CUndoEntry&) = delete;
};

// The entries in the order they were done, and the one that the next Undo
// takes back (-1: nothing to undo).
class CUndoHistory
{
public:
    CUndoHistory() = default;
    virtual ~CUndoHistory() = default;

    // Does the entry, drops every entry that was undone, appends it and
    // makes it current. FALSE (and nothing done) for a null entry.
    BOOL Push(std::unique_ptr<CUndoEntry> entry);
    BOOL CanUndo() const { return m_nCurrent >= 0 && m_nCurrent < (int)m_entries.size(); }
    BOOL CanRedo() const { return m_nCurrent + 1 < (int)m_entries.size(); }
    // Each does nothing when there is no step in its direction.
    void Undo();
    void Redo();
    void Clear();
    int GetCount() const { return (int)m_entries.size(); }
    int GetCurrentIndex() const { return m_nCurrent; }

private:
    std::vector<std::unique_ptr<CUndoEntry>> m_entries;
    int m_nCurrent = -1;

    CUndoHistory(const CUndoHistory&) = delete;
    CUndoHistory& operator=(const CUndoHistory&) = delete;
};

#endif // TANZO_CONTROLS_UNDOHISTORY_H
