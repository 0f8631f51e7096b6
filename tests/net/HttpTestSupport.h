#ifndef TANZO_TESTS_NET_HTTPTESTSUPPORT_H
#define TANZO_TESTS_NET_HTTPTESTSUPPORT_H

// What the tests of the HTTP client and of the work over it share: message
// boxes answered from a queue and recorded, a status sink that counts, a
// progress sink that records, and the program's texts.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "afx/MessageBox.h"
#include "afx/String.h"
#include "afx/TestText.h"
#include "net/HttpComm.h"
#include "net/HttpStatusSink.h"
#include "net/ProgressSink.h"

// The failure box of the HTTP client.
const UINT kRetryCancelBox = MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2;

// Answers every message box from the queue (the last answer repeats) and
// records it; onShow runs while the box would be up.
class CMessageBoxes
{
public:
    explicit CMessageBoxes(std::deque<int> answers = {IDCANCEL}) : m_answers(std::move(answers))
    {
        AfxSetMessageBoxHook(Hook, this);
    }
    ~CMessageBoxes() { AfxSetMessageBoxHook(nullptr); }
    CMessageBoxes(const CMessageBoxes&) = delete;
    CMessageBoxes& operator=(const CMessageBoxes&) = delete;

    std::vector<std::string> texts;
    std::vector<UINT> types;
    std::function<void()> onShow;

private:
    static int Hook(LPCTSTR lpszText, UINT nType, void* pParam)
    {
        CMessageBoxes* self = static_cast<CMessageBoxes*>(pParam);
        self->texts.push_back(lpszText);
        self->types.push_back(nType);
        if (self->onShow)
            self->onShow();
        int answer = self->m_answers.front();
        if (self->m_answers.size() > 1)
            self->m_answers.pop_front();
        return answer;
    }

    std::deque<int> m_answers;
};

// Counts retry notices and WinInet notifications, records its boxes (it
// answers Cancel), and runs onStatus for each notification.
class CCountingSink : public CHttpStatusSink
{
public:
    void OnRetry() override { ++retries; }
    int ShowMessage(LPCTSTR lpszText, UINT, UINT) override
    {
        messages.push_back(lpszText);
        return IDCANCEL;
    }
    void OnInternetStatus(DWORD dwInternetStatus, LPVOID, DWORD) override
    {
        statuses.push_back(dwInternetStatus);
        if (onStatus)
            onStatus(dwInternetStatus);
    }

    int retries = 0;
    std::vector<std::string> messages;
    std::vector<DWORD> statuses;
    std::function<void(DWORD)> onStatus;
};

inline std::string UrlOf(const CHttpComm& comm)
{
    CString url;
    comm.GetUrl(url);
    return (LPCTSTR)url;
}

inline std::string BodyOf(CHttpComm& comm, BOOL bRaw = FALSE)
{
    CString body;
    comm.GetBody(body, bRaw);
    return std::string((LPCTSTR)body, (size_t)body.GetLength());
}

// Records the messages long work would show the user, and their types;
// answers OK.
class CRecordingProgressSink : public CProgressSink
{
public:
    void SetStatus(LPCTSTR) override {}
    int ShowMessage(LPCTSTR lpszText, UINT nType) override
    {
        messages.push_back(lpszText);
        types.push_back(nType);
        return IDOK;
    }

    std::vector<std::string> messages;
    std::vector<UINT> types;
};

#endif // TANZO_TESTS_NET_HTTPTESTSUPPORT_H
