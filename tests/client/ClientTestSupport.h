#ifndef TANZO_TESTS_CLIENT_CLIENTTESTSUPPORT_H
#define TANZO_TESTS_CLIENT_CLIENTTESTSUPPORT_H

// What the client's tests share: a clock of their own, message boxes
// answered from a queue, and the program's texts.

#include <deque>
#include <string>
#include <vector>

#include "afx/MessageBox.h"
#include "afx/String.h"
#include "afx/Time.h"
#include "auction/records/AuctionItem.h"

// Sets the records' clock for the scope.
class CClockScope
{
public:
    explicit CClockScope(const CTime& now)
    {
        Now() = now;
        SetAuctionClock([]() { return Now(); });
    }
    ~CClockScope() { SetAuctionClock(nullptr); }
    CClockScope(const CClockScope&) = delete;
    CClockScope& operator=(const CClockScope&) = delete;

    static CTime& Now()
    {
        static CTime now;
        return now;
    }
};

// Answers every message box from the queue (the last answer repeats) and
// records its text and type.
class CBoxRecorder
{
public:
    explicit CBoxRecorder(std::deque<int> answers = {IDOK}) : m_answers(std::move(answers))
    {
        AfxSetMessageBoxHook(Hook, this);
    }
    ~CBoxRecorder() { AfxSetMessageBoxHook(nullptr); }
    CBoxRecorder(const CBoxRecorder&) = delete;
    CBoxRecorder& operator=(const CBoxRecorder&) = delete;

    std::vector<std::string> texts;
    std::vector<UINT> types;

private:
    static int Hook(LPCTSTR text, UINT type, void* param)
    {
        CBoxRecorder* self = static_cast<CBoxRecorder*>(param);
        self->texts.push_back(text);
        self->types.push_back(type);
        int answer = self->m_answers.front();
        if (self->m_answers.size() > 1)
            self->m_answers.pop_front();
        return answer;
    }

    std::deque<int> m_answers;
};

inline std::string Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return (LPCTSTR)text;
}

// The names of an item's buyers, in order.
inline std::vector<std::string> BuyerNames(const AuctionItem& item)
{
    std::vector<std::string> names;
    for (int i = 0; i < item.GetBuyerCount(); ++i)
    {
        AuctionBuyer buyer;
        item.GetBuyerAt(i, buyer);
        names.push_back((LPCTSTR)buyer.GetName());
    }
    return names;
}

// A local time, as the status pages write it.
inline CTime LocalTime(int year, int month, int day, int hour = 0, int minute = 0)
{
    return CTime(year, month, day, hour, minute, 0);
}

#endif // TANZO_TESTS_CLIENT_CLIENTTESTSUPPORT_H
