#ifndef TANZO_TESTS_SETUP_PROGRAMDRIVER_H
#define TANZO_TESTS_SETUP_PROGRAMDRIVER_H

// Drives a dialog program of the system (the installer, the uninstaller)
// as a user would: starts it, finds its dialog by title, sets controls by
// id, presses a button and answers each message box it shows by the
// message's id, which it tells from the box's text and the program's own
// string table. Windows builds, run under Wine.
#ifdef _WIN32

#include "app/ChildProcess.h"
#include "app/WinTestUtil.h"

#include "afx/String.h"
#include "afx/wintypes.h"
#include "app/DialogResourceIds.h"
#include "app/PromptText.h"

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

// Ids of the messages the box shows, 0 for one not among the candidates.
struct DrivenBox
{
    UINT nID = 0;
    std::string text;
    HWND hWnd = nullptr;
};

// TRUE when every literal piece of the message (the text between its
// inserts) is in the box's text: the inserts are what the program fills.
inline BOOL IsMessageText(const std::string& boxText, UINT nIDMessage)
{
    CString strTemplate;
    if (!strTemplate.LoadString(nIDMessage))
        return FALSE;
    const std::string text = (LPCTSTR)MakePromptText(strTemplate);
    size_t nStart = 0;
    BOOL bPiece = FALSE;
    while (nStart <= text.size())
    {
        size_t nInsert = text.find('%', nStart);
        const std::string piece =
            text.substr(nStart, nInsert == std::string::npos ? std::string::npos : nInsert - nStart);
        if (!piece.empty())
        {
            if (boxText.find(piece) == std::string::npos)
                return FALSE;
            bPiece = TRUE;
        }
        if (nInsert == std::string::npos)
            break;
        // "%1!s!", "%1" or "%s"
        size_t nEnd = nInsert + 1;
        while (nEnd < text.size() && isdigit((unsigned char)text[nEnd]))
            ++nEnd;
        if (nEnd < text.size() && text[nEnd] == '!')
            nEnd = text.find('!', nEnd + 1) + 1;
        else if (nEnd == nInsert + 1 && nEnd < text.size())
            ++nEnd;
        nStart = nEnd;
    }
    return bPiece;
}

struct ProcessBoxSearch
{
    DWORD dwProcessId;
    HWND hFound;
};

inline BOOL CALLBACK FindProcessBox(HWND hCandidate, LPARAM lParam)
{
    auto* pSearch = (ProcessBoxSearch*)lParam;
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hCandidate, &dwProcessId);
    char szClass[64] = {};
    ::GetClassNameA(hCandidate, szClass, sizeof(szClass));
    if (dwProcessId == pSearch->dwProcessId && ::IsWindowVisible(hCandidate) &&
        std::string(szClass) == "#32770")
    {
        pSearch->hFound = hCandidate;
        return FALSE;
    }
    return TRUE;
}

// Closes a program's main window as a user would: the boxes its start
// shows (a page it could not read, an ID to add) are declined, and the
// close is asked again until the program ends, since a refresh under way
// refuses it.
inline BOOL CloseDecliningBoxes(CChildProcess& program, HWND hWnd, int nTimeoutMs = 120000)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    while (std::chrono::steady_clock::now() < end)
    {
        ProcessBoxSearch search = {program.m_pi.dwProcessId, nullptr};
        ::EnumWindows(FindProcessBox, (LPARAM)&search);
        if (search.hFound != nullptr)
        {
            int nAnswer = IDOK;
            for (int nID : {IDCANCEL, IDNO, (int)IDC_MESSAGE_BUTTON_PAIR_SECOND})
            {
                if (::GetDlgItem(search.hFound, nID) != nullptr)
                {
                    nAnswer = nID;
                    break;
                }
            }
            ::PostMessageA(search.hFound, WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED), 0);
        }
        else if (::IsWindow(hWnd))
        {
            ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
        }
        if (program.WaitForExit(200))
            return TRUE;
    }
    return FALSE;
}

class CProgramDriver
{
public:
    // The program's Windows path; the title of its dialog.
    CProgramDriver(LPCTSTR lpszProgram, LPCTSTR lpszTitle, LPCTSTR lpszArguments = nullptr)
        : m_process(lpszProgram, "", lpszArguments), m_strTitle(lpszTitle)
    {
    }

    DWORD ProcessId() const { return m_process.m_pi.dwProcessId; }
    BOOL Started() const { return m_process.m_bStarted; }
    BOOL WaitForExit(DWORD dwTimeoutMs = 60000) { return m_process.WaitForExit(dwTimeoutMs); }
    BOOL HasEnded() const { return m_process.HasEnded(); }

    // The program's visible dialog of that title; null when none showed in
    // time or the program ended first.
    HWND WaitForDialog(int nTimeoutMs = 120000)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
        while (std::chrono::steady_clock::now() < end && !HasEnded())
        {
            m_hWndDialog = FindWindowOfProcess(m_strTitle);
            // Visible is not yet ready: the program waits for input once
            // the dialog has set itself up.
            if (m_hWndDialog != nullptr)
            {
                ::WaitForInputIdle(m_process.m_pi.hProcess, nTimeoutMs);
                return m_hWndDialog;
            }
            Pause();
        }
        return nullptr;
    }
    HWND Dialog() const { return m_hWndDialog; }
    HWND Item(int nID) const { return ::GetDlgItem(m_hWndDialog, nID); }

    void SetText(int nID, LPCTSTR lpszText) { ::SendMessageA(Item(nID), WM_SETTEXT, 0, (LPARAM)lpszText); }
    std::string Text(int nID) const
    {
        // GetWindowText reads another process's edit as it was made.
        char szText[1024] = {};
        ::SendMessageA(Item(nID), WM_GETTEXT, sizeof(szText), (LPARAM)szText);
        return szText;
    }
    void SetCheck(int nID, BOOL bChecked)
    {
        ::SendMessageA(Item(nID), BM_SETCHECK, bChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    BOOL IsChecked(int nID) const { return ::SendMessageA(Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The control of the program's thread that has the focus.
    HWND FocusedWindow() const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        return ::GetGUIThreadInfo(m_process.m_pi.dwThreadId, &info) ? info.hwndFocus : nullptr;
    }

    // The focused window once it is hWnd, or when the time is up.
    HWND WaitForFocus(HWND hWnd, int nTimeoutMs = 60000) const
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
        HWND hFocus = FocusedWindow();
        while (hFocus != hWnd && std::chrono::steady_clock::now() < end)
        {
            Pause();
            hFocus = FocusedWindow();
        }
        return hFocus;
    }

    // Posts a click to the button, then answers each box by its message id
    // (answers; IDYES for a question not named, else IDOK), calling onBox
    // while it is up. Ends when the program has ended, or when no box is up
    // and the button is enabled again after at least one box. The ids of
    // the boxes in order.
    std::vector<UINT> Click(int nButtonId, const std::vector<UINT>& candidates,
                            const std::map<UINT, int>& answers = {},
                            const std::function<void(const DrivenBox&)>& onBox = nullptr, size_t nAtLeast = 1,
                            int nTimeoutMs = 120000)
    {
        std::vector<UINT> shown;
        std::set<HWND> answered;
        ::PostMessageA(Item(nButtonId), BM_CLICK, 0, 0);
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
        while (std::chrono::steady_clock::now() < end && !HasEnded())
        {
            HWND hBox = FindBox(answered);
            if (hBox != nullptr)
            {
                DrivenBox box;
                box.hWnd = hBox;
                box.text = BoxText(hBox);
                for (UINT nID : candidates)
                {
                    if (IsMessageText(box.text, nID))
                    {
                        box.nID = nID;
                        break;
                    }
                }
                shown.push_back(box.nID);
                if (onBox)
                    onBox(box);
                auto it = answers.find(box.nID);
                Press(hBox, it != answers.end() ? it->second : DefaultAnswer(hBox));
                answered.insert(hBox);
                continue;
            }
            if (shown.size() >= nAtLeast && ::IsWindow(m_hWndDialog) && ::IsWindowEnabled(Item(nButtonId)) &&
                FindBox(answered) == nullptr)
                break;
            Pause();
        }
        return shown;
    }

    // Boxes that show without a click (at start-up), in order, until the
    // program ends.
    std::vector<UINT> AnswerUntilExit(const std::vector<UINT>& candidates, int nTimeoutMs = 120000)
    {
        std::vector<UINT> shown;
        std::set<HWND> answered;
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
        while (std::chrono::steady_clock::now() < end && !HasEnded())
        {
            HWND hBox = FindBox(answered);
            if (hBox == nullptr)
            {
                Pause();
                continue;
            }
            const std::string text = BoxText(hBox);
            UINT nShown = 0;
            for (UINT nID : candidates)
            {
                if (IsMessageText(text, nID))
                {
                    nShown = nID;
                    break;
                }
            }
            shown.push_back(nShown);
            Press(hBox, DefaultAnswer(hBox));
            answered.insert(hBox);
        }
        return shown;
    }

    static void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

private:
    struct Search
    {
        const CProgramDriver* pDriver;
        const std::set<HWND>* pSkip;
        const CString* pTitle;
        HWND hFound;
    };

    HWND FindWindowOfProcess(const CString& strTitle) const
    {
        Search search = {this, nullptr, &strTitle, nullptr};
        ::EnumWindows(FindCallback, (LPARAM)&search);
        return search.hFound;
    }
    // A visible dialog of the program other than its main dialog.
    HWND FindBox(const std::set<HWND>& skip) const
    {
        Search search = {this, &skip, nullptr, nullptr};
        ::EnumWindows(FindCallback, (LPARAM)&search);
        return search.hFound;
    }
    static BOOL CALLBACK FindCallback(HWND hWnd, LPARAM lParam)
    {
        auto* pSearch = (Search*)lParam;
        DWORD dwProcessId = 0;
        ::GetWindowThreadProcessId(hWnd, &dwProcessId);
        if (dwProcessId != pSearch->pDriver->ProcessId() || !::IsWindowVisible(hWnd))
            return TRUE;
        if (pSearch->pTitle != nullptr)
        {
            char szTitle[256] = {};
            ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
            if (*pSearch->pTitle == szTitle)
            {
                pSearch->hFound = hWnd;
                return FALSE;
            }
            return TRUE;
        }
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (std::string(szClass) == "#32770" && hWnd != pSearch->pDriver->m_hWndDialog &&
            pSearch->pSkip->count(hWnd) == 0)
        {
            pSearch->hFound = hWnd;
            return FALSE;
        }
        return TRUE;
    }
    static BOOL CALLBACK CollectText(HWND hWnd, LPARAM lParam)
    {
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (CString(szClass).CompareNoCase("Static") != 0 || !::IsWindowVisible(hWnd))
            return TRUE;
        char szText[4096] = {};
        ::GetWindowTextA(hWnd, szText, sizeof(szText));
        *(std::string*)lParam += szText;
        return TRUE;
    }
    static std::string BoxText(HWND hBox)
    {
        std::string text;
        ::EnumChildWindows(hBox, CollectText, (LPARAM)&text);
        return text;
    }
    // The program's own two-button box has no IDYES or IDNO control.
    static int DefaultAnswer(HWND hBox)
    {
        if (::GetDlgItem(hBox, IDYES) != nullptr || ::GetDlgItem(hBox, IDC_CHOICE_YES) != nullptr)
            return IDYES;
        return IDOK;
    }
    static void Press(HWND hBox, int nAnswer)
    {
        HWND hButton = ::GetDlgItem(hBox, nAnswer);
        if (hButton == nullptr && nAnswer == IDYES)
            hButton = ::GetDlgItem(hBox, IDC_CHOICE_YES);
        if (hButton == nullptr && nAnswer == IDNO)
            hButton = ::GetDlgItem(hBox, IDC_CHOICE_NO);
        if (hButton != nullptr)
            ::PostMessageA(hButton, BM_CLICK, 0, 0);
        else
            ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED), 0);
        // The next search must not find this box again while it closes.
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (::IsWindow(hBox) && ::IsWindowVisible(hBox) && std::chrono::steady_clock::now() < end)
            Pause();
    }

    // Yes and No of the program's own box with two buttons.
    static constexpr int IDC_CHOICE_YES = IDC_MESSAGE_BUTTON_PAIR_FIRST;
    static constexpr int IDC_CHOICE_NO = IDC_MESSAGE_BUTTON_PAIR_SECOND;

    CChildProcess m_process;
    CString m_strTitle;
    HWND m_hWndDialog = nullptr;
};

#endif // _WIN32
#endif // TANZO_TESTS_SETUP_PROGRAMDRIVER_H
