// The undo history, and recorded edit changes replayed on an edit: undo
// and redo in order, redo steps dropped by a new change, positions that
// stay right beside two-byte characters.
#include "controls/UndoHistory.h"
#include "controls/EditAction.h"
#include "text/TextCut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
class CLoggedAction : public CUndoAction
{
public:
    CLoggedAction(std::vector<std::string>& log, const char* name) : m_log(log), m_name(name) {}
    ~CLoggedAction() override { m_log.push_back("delete " + m_name); }
    void Do() override { m_log.push_back("do " + m_name); }
    void Undo() override { m_log.push_back("undo " + m_name); }
    void Redo() override { m_log.push_back("redo " + m_name); }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

std::unique_ptr<CUndoEntry> Entry(std::vector<std::string>& log, const char* name)
{
    return std::make_unique<CUndoEntry>(std::make_unique<CLoggedAction>(log, name));
}

typedef std::vector<std::string> Log;

// Entries go in no particular order.
Log Sorted(Log log)
{
    std::sort(log.begin(), log.end());
    return log;
}
} // namespace

TEST(UndoHistory, UndoesAndRedoesInOrder)
{
    Log log;
    CUndoHistory history;
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    history.Undo();
    history.Redo();
    EXPECT_TRUE(log.empty());

    history.Push(Entry(log, "a"));
    history.Push(Entry(log, "b"));
    EXPECT_EQ((Log{"do a", "do b"}), log);
    EXPECT_TRUE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());

    log.clear();
    history.Undo();
    history.Undo();
    history.Undo(); // nothing left
    EXPECT_EQ((Log{"undo b", "undo a"}), log);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.CanRedo());

    log.clear();
    history.Redo();
    history.Redo();
    history.Redo(); // nothing left
    EXPECT_EQ((Log{"redo a", "redo b"}), log);
    EXPECT_EQ(1, history.GetCurrentIndex());
}

TEST(UndoHistory, NewStepAfterAnUndoDropsTheRedoSteps)
{
    Log log;
    CUndoHistory history;
    history.Push(Entry(log, "a"));
    history.Push(Entry(log, "b"));
    history.Push(Entry(log, "c"));
    history.Undo();
    history.Undo();
    log.clear();
    history.Push(Entry(log, "d"));
    EXPECT_EQ((Log{"delete b", "delete c", "do d"}), Sorted(log));
    EXPECT_EQ(2, history.GetCount());
    EXPECT_FALSE(history.CanRedo());

    log.clear();
    history.Undo();
    history.Undo();
    EXPECT_EQ((Log{"undo d", "undo a"}), log);

    log.clear();
    history.Clear();
    EXPECT_EQ((Log{"delete a", "delete d"}), Sorted(log));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Push(nullptr));
}

namespace
{
// An edit as the steps see it: a text and a selection in characters.
class CFakeEdit : public CReplayableEdit
{
public:
    explicit CFakeEdit(const char* text) : m_text(text) {}

    int GetEditControlId() const override { return 1001; }
    void GetEditText(CString& text) const override { text = m_text; }
    void FocusEdit() override { ++m_nFocus; }
    void SelectChars(int start, int end) override
    {
        m_nStart = start;
        m_nEnd = end;
    }
    void ReplaceSelectedChars(LPCTSTR text) override
    {
        m_bReplayedWhileMarked = m_pTarget != nullptr && m_pTarget->IsReplaying();
        const int from = CharIndexToByteOffset(m_text, m_nStart);
        const int to = CharIndexToByteOffset(m_text, m_nEnd);
        m_text = m_text.Left(from) + text + m_text.Mid(to);
    }

    CString m_text;
    int m_nStart = 0, m_nEnd = 0;
    int m_nFocus = 0;
    CEditUndoTarget* m_pTarget = nullptr;
    BOOL m_bReplayedWhileMarked = FALSE;
};

// The recording objects of an edit in its own history.
struct Recording
{
    explicit Recording(const char* text) : edit(text), target(&edit), recorder(&target, &history)
    {
        edit.m_pTarget = &target;
    }
    // A change the edit made and announced: the text is already changed.
    void Insert(int bytePos, const char* text)
    {
        edit.m_text.Insert(bytePos, text);
        CEditChange change;
        change.Set(bytePos, (int)strlen(text), text);
        EXPECT_TRUE(recorder.AfterChange(1001, EDIT_CHANGE_INSERT, change));
    }
    void Delete(int bytePos, int byteLength)
    {
        CEditChange change;
        change.Set(bytePos, byteLength, edit.m_text.Mid(bytePos, byteLength));
        edit.m_text.Delete(bytePos, byteLength);
        EXPECT_TRUE(recorder.AfterChange(1001, EDIT_CHANGE_DELETE, change));
    }

    CFakeEdit edit;
    CUndoHistory history;
    CEditUndoTarget target;
    CEditChangeRecorder recorder;
};
} // namespace

TEST(EditUndo, TypingOverASelectionUndoesInTwoSteps)
{
    // "表b示" with "b" selected; "あ" typed over it: a deletion, then an
    // insertion, both at byte 2 (after the two-byte "表").
    Recording r("表b示");
    r.Delete(2, 1);
    r.Insert(2, "あ");
    EXPECT_STREQ("表あ示", r.edit.m_text);

    r.history.Undo();
    EXPECT_STREQ("表示", r.edit.m_text);
    EXPECT_TRUE(r.edit.m_bReplayedWhileMarked);
    EXPECT_FALSE(r.target.IsReplaying());
    r.history.Undo();
    EXPECT_STREQ("表b示", r.edit.m_text);
    EXPECT_EQ(2, r.edit.m_nFocus);

    r.history.Redo();
    EXPECT_STREQ("表示", r.edit.m_text);
    r.history.Redo();
    EXPECT_STREQ("表あ示", r.edit.m_text);
    // Byte 2 is character 1: after "表".
    EXPECT_EQ(1, r.edit.m_nStart);
}

TEST(EditUndo, StepsReplayByTheirByteOffsets)
{
    struct Case
    {
        const char* name;
        const char* text;
        BOOL insert;
        int position;
        const char* changed; // insertion: its text; deletion: its length in bytes as a digit
        const char* after;
    } cases[] = {
        {"insertion after a two-byte character", "あい", TRUE, 2, "xう", "あxうい"},
        {"insertion after half-width kana", "ｱｲ", TRUE, 1, "表", "ｱ表ｲ"},
        {"deletion of a two-byte character", "あいう", FALSE, 2, "2", "あう"},
        {"deletion at the end", "abあ", FALSE, 2, "2", "ab"},
    };
    for (const Case& c : cases)
    {
        Recording r(c.text);
        if (c.insert)
            r.Insert(c.position, c.changed);
        else
            r.Delete(c.position, c.changed[0] - '0');
        EXPECT_STREQ(c.after, r.edit.m_text) << c.name;
        r.history.Undo();
        EXPECT_STREQ(c.text, r.edit.m_text) << c.name;
        r.history.Redo();
        EXPECT_STREQ(c.after, r.edit.m_text) << c.name;
    }
}

TEST(EditUndo, PositionThatNoLongerExistsLeavesTheText)
{
    Recording r("abcdef");
    r.Insert(6, "xy");
    // The text changed behind the history's back (set by the program).
    r.edit.m_text = "ab";
    r.history.Undo();
    EXPECT_STREQ("ab", r.edit.m_text);
    // Inside a two-byte character is no position either.
    r.edit.m_text = "abcあいう";
    r.history.Redo();
    EXPECT_STREQ("abcあいう", r.edit.m_text);
}

TEST(EditUndo, RecorderTakesOnlyItsOwnControlsChanges)
{
    Recording r("abc");
    CEditChange change;
    change.Set(0, 1, "x");
    EXPECT_FALSE(r.recorder.AfterChange(1002, EDIT_CHANGE_INSERT, change));
    EXPECT_FALSE(r.recorder.AfterChange(1001, 3, change));
    change.Set(0, 0, "");
    EXPECT_FALSE(r.recorder.AfterChange(1001, EDIT_CHANGE_DELETE, change));
    EXPECT_EQ(0, r.history.GetCount());
}
