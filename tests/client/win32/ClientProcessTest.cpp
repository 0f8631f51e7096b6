// The client as processes of its own: a second start of the program brings
// the first forward and ends; closing the main window, or the end of the
// session, writes the accounts and then the changed data sets in their
// order, and the next start reads them back. The menu reaches the dialogs
// of the item actions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "afx/Profile.h"
#include "afx/String.h"
#include "app/ChildProcess.h"
#include "app/DialogResourceIds.h"
#include "auction/accounts/UserIdResourceIds.h"
#include "auction/operations/OperationResourceIds.h"
#include "client/DataFileTestSupport.h"
#include "client/TanzoResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"
#include "net/win32/StandIn.h"
#include "setup/ProgramDriver.h"
#include "text/Scramble.h"

namespace
{
std::vector<std::string> Lines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
} // namespace

namespace
{
const char kClientSettings[] = "Software\\Velmar Soft\\Tanzo3\\Settings";

void WriteClientSetting(const char* name, const std::string& value)
{
    AfxProfileWrite(kClientSettings, name, REG_SZ, value.c_str(), (DWORD)value.size() + 1);
}

// The program's first refresh reads the stand-in's list with the stored
// demo account, without a question that would hold its start; without the
// account it asks for one.
void PointClientAtStandIn(bool bWithAccount = true)
{
    const char* hosts[][2] = {
        {"HostAuctions", "AUCTIONS"}, {"HostItemPage", "ITEM"},
        {"HostOpenList", "OPENLIST"}, {"HostClosedList", "CLOSEDLIST"},
        {"HostSell", "SELL"},         {"HostLogin", "LOGIN"},
        {"HostPortal", "PORTAL"},     {"HostPoints", "POINTS"},
        {"HostImages", "IMAGES"},     {"HostProtectedLogin", "PROTECTED_LOGIN"},
        {"HostTrading", "TRADING"},   {"HostContact", "CONTACT"},
    };
    for (const auto& host : hosts)
        WriteClientSetting(host[0], StandIn::Origin(host[1]));
    if (!bWithAccount)
        return;
    CString scrambled;
    EncodeScrambledText32("pass-seller1", scrambled);
    DWORD dwCount = 1;
    AfxProfileWrite(kClientSettings, "UserCount", REG_DWORD, &dwCount, sizeof(dwCount));
    WriteClientSetting("UserID01", "demo_seller1");
    WriteClientSetting("UserPswd01", (LPCTSTR)scrambled);
    WriteClientSetting("CurUserID", "demo_seller1");
}

// A list of the window is enabled again: its refresh has ended.
bool ListEnabled(HWND hWnd)
{
    struct Finder
    {
        bool bEnabled = false;
        static BOOL CALLBACK Check(HWND hChild, LPARAM lParam)
        {
            char szClass[32] = {};
            ::GetClassNameA(hChild, szClass, sizeof(szClass));
            if (::lstrcmpA(szClass, "SysListView32") == 0 && ::IsWindowVisible(hChild) &&
                ::IsWindowEnabled(hChild))
                ((Finder*)lParam)->bEnabled = true;
            return TRUE;
        }
    } finder;
    ::EnumChildWindows(hWnd, Finder::Check, (LPARAM)&finder);
    return finder.bEnabled;
}

// The first refresh has read the selling list's first page.
bool FirstPageRead()
{
    for (const LoggedRequest& request : StandIn::Log("/jp/show/mystatus"))
    {
        if (request.status == "200")
            return true;
    }
    return false;
}
} // namespace

namespace
{
// A refresh still ending refuses the close: asked again until it ends.
void CloseWhenIdle(CChildProcess& program, HWND hWnd)
{
    EXPECT_TRUE(WaitFor(
        [&]
        {
            if (::IsWindow(hWnd))
                ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
            return program.WaitForExit(200);
        }));
}
} // namespace

TEST(ClientProcess, ASecondStartBringsTheFirstForwardAndEnds)
{
    ASSERT_EQ(nullptr, ::FindWindowA("VelmarsoftTanzoClass", nullptr)) << "a copy is running already";
    ASSERT_TRUE(StandIn::Available());
    StandIn::Reset();
    PointClientAtStandIn();
    CChildProcess first(TANZO_EXE, "VelmarsoftTanzoClass");
    ASSERT_TRUE(first.m_bStarted);
    HWND hWnd = first.WaitForWindow();
    ASSERT_NE(nullptr, hWnd);
    ASSERT_TRUE(WaitFor(FirstPageRead));
    ::ShowWindow(hWnd, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return ::IsIconic(hWnd) != FALSE; }));

    CChildProcess second(TANZO_EXE, "VelmarsoftTanzoClass");
    ASSERT_TRUE(second.m_bStarted);
    EXPECT_TRUE(second.WaitForExit());
    EXPECT_TRUE(WaitFor([&] { return !::IsIconic(hWnd) && ::GetForegroundWindow() == hWnd; }, 5000));

    CloseWhenIdle(first, hWnd);
    AfxProfileDelete("Software\\Velmar Soft\\Tanzo3", nullptr);
}

TEST(ClientProcess, TheMenuOpensTheReListingSettingsOfTheActions)
{
    ASSERT_EQ(nullptr, ::FindWindowA("VelmarsoftTanzoClass", nullptr)) << "a copy is running already";
    ASSERT_TRUE(StandIn::Available());
    StandIn::Reset();
    PointClientAtStandIn();
    CChildProcess program(TANZO_EXE, "VelmarsoftTanzoClass");
    ASSERT_TRUE(program.m_bStarted);
    HWND hWnd = program.WaitForWindow();
    ASSERT_NE(nullptr, hWnd);
    ASSERT_TRUE(WaitFor(FirstPageRead));
    // Commands wait for the refresh: the page greys them while it reads.
    ASSERT_TRUE(WaitFor([&] { return ListEnabled(hWnd); }));
    ::PostMessageA(hWnd, WM_COMMAND, ID_RESUBMIT_SETTINGS, 0);
    CString caption;
    caption.LoadString(IDS_CAPTION_SETTINGS);
    HWND hDialog = nullptr;
    EXPECT_TRUE(WaitFor(
        [&]
        {
            hDialog = ::FindWindowA(nullptr, caption);
            return hDialog != nullptr && ::IsWindowVisible(hDialog);
        }))
        << caption;
    if (hDialog != nullptr)
    {
        EXPECT_EQ(hWnd, ::GetWindow(hDialog, GW_OWNER));
        ::PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hDialog); }));
    }
    CloseWhenIdle(program, hWnd);
    AfxProfileDelete("Software\\Velmar Soft\\Tanzo3", nullptr);
}

namespace
{
// The rows of the program's visible list.
int ListRowCount(HWND hWnd)
{
    struct Finder
    {
        int nRows = -1;
        static BOOL CALLBACK Check(HWND hChild, LPARAM lParam)
        {
            char szClass[32] = {};
            ::GetClassNameA(hChild, szClass, sizeof(szClass));
            if (::lstrcmpA(szClass, "SysListView32") == 0 && ::IsWindowVisible(hChild))
                ((Finder*)lParam)->nRows = (int)::SendMessageA(hChild, LVM_GETITEMCOUNT, 0, 0);
            return TRUE;
        }
    } finder;
    ::EnumChildWindows(hWnd, Finder::Check, (LPARAM)&finder);
    return finder.nRows;
}

// A visible dialog of the process that none of the handled ones is.
HWND FindNewDialog(DWORD dwProcessId, const std::vector<HWND>& handled)
{
    struct Search
    {
        DWORD dwProcessId;
        const std::vector<HWND>* pHandled;
        HWND hFound = nullptr;
        static BOOL CALLBACK Check(HWND hWnd, LPARAM lParam)
        {
            Search* self = (Search*)lParam;
            DWORD dwProcess = 0;
            ::GetWindowThreadProcessId(hWnd, &dwProcess);
            char szClass[64] = {};
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            if (dwProcess != self->dwProcessId || !::IsWindowVisible(hWnd) ||
                ::lstrcmpA(szClass, "#32770") != 0 ||
                std::find(self->pHandled->begin(), self->pHandled->end(), hWnd) != self->pHandled->end() ||
                ::GetDlgItem(hWnd, IDC_LOGIN_TEST_ABORT) != nullptr) // the log-in test runs by itself
                return TRUE;
            self->hFound = hWnd;
            return FALSE;
        }
    } search{dwProcessId, &handled};
    ::EnumWindows(Search::Check, (LPARAM)&search);
    return search.hFound;
}

std::string TextOf(HWND hWnd)
{
    char szText[4096] = {};
    ::SendMessageA(hWnd, WM_GETTEXT, sizeof(szText), (LPARAM)szText);
    return szText;
}

BOOL CALLBACK AddStaticText(HWND hChild, LPARAM lParam)
{
    char szClass[64] = {};
    ::GetClassNameA(hChild, szClass, sizeof(szClass));
    if (CString(szClass).CompareNoCase("Static") == 0 && ::IsWindowVisible(hChild))
        *(std::string*)lParam += TextOf(hChild);
    return TRUE;
}

// The statics of a message box, as the user reads them.
std::string BoxText(HWND hBox)
{
    std::string text;
    ::EnumChildWindows(hBox, AddStaticText, (LPARAM)&text);
    return text;
}

// Presses the button, or sends its command when the box has none of that id.
void PressButton(HWND hDialog, int nID)
{
    if (HWND hButton = ::GetDlgItem(hDialog, nID))
        ::PostMessageA(hButton, BM_CLICK, 0, 0);
    else
        ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
}
} // namespace

// The program on a profile with the service's hosts and no ID, used as a
// user would: its first refresh tells that an ID is needed, the demo ID
// and password go into the add dialog, the log-in test is confirmed and
// signs in through the stand-in's log-in page, and the selling list then
// shows its first page.
TEST(ClientProcess, AFreshProfileAsksForAnIdSignsInAndShowsTheFirstPage)
{
    ASSERT_EQ(nullptr, ::FindWindowA("VelmarsoftTanzoClass", nullptr)) << "a copy is running already";
    ASSERT_TRUE(StandIn::Available());
    StandIn::Reset();
    AfxProfileDelete("Software\\Velmar Soft\\Tanzo3", nullptr);
    PointClientAtStandIn(false);
    CChildProcess program(TANZO_EXE, "VelmarsoftTanzoClass");
    ASSERT_TRUE(program.m_bStarted);
    HWND hWnd = program.WaitForWindow();
    ASSERT_NE(nullptr, hWnd);

    std::vector<std::string> seen; // "notice", "add", or the message's id
    std::vector<HWND> handled;
    EXPECT_TRUE(WaitFor(
        [&]
        {
            if (HWND hDialog = FindNewDialog(program.m_pi.dwProcessId, handled))
            {
                handled.push_back(hDialog);
                if (HWND hNotice = ::GetDlgItem(hDialog, IDC_SIMPLE_TEXT))
                {
                    CString notice;
                    notice.LoadString(905);
                    seen.push_back(TextOf(hNotice) == (LPCTSTR)notice ? "notice"
                                                                      : "notice: " + TextOf(hNotice));
                    PressButton(hDialog, IDOK);
                }
                else if (HWND hPassword = ::GetDlgItem(hDialog, IDC_USERID_PASSWORD))
                {
                    seen.push_back("add");
                    ::SendMessageA(::GetDlgItem(hDialog, IDC_USERID_ID), WM_SETTEXT, 0,
                                   (LPARAM) "demo_seller1");
                    ::SendMessageA(hPassword, WM_SETTEXT, 0, (LPARAM) "pass-seller1");
                    PressButton(hDialog, IDOK);
                }
                else
                {
                    const std::string text = BoxText(hDialog);
                    const UINT nID = IsMessageText(text, 873) ? 873 : IsMessageText(text, 874) ? 874 : 0;
                    seen.push_back(nID != 0 ? std::to_string(nID) : text);
                    const bool bQuestion = ::GetDlgItem(hDialog, IDYES) != nullptr ||
                                           ::GetDlgItem(hDialog, IDC_MESSAGE_BUTTON_PAIR_FIRST) != nullptr;
                    PressButton(hDialog, !bQuestion ? IDOK
                                         : ::GetDlgItem(hDialog, IDYES) != nullptr
                                             ? IDYES
                                             : IDC_MESSAGE_BUTTON_PAIR_FIRST);
                }
            }
            return ListRowCount(hWnd) == 50 && ListEnabled(hWnd);
        },
        120000));
    EXPECT_EQ((std::vector<std::string>{"notice", "add", "873", "874"}), seen);

    int nGets = 0, nPosts = 0;
    for (const LoggedRequest& request : StandIn::Log("/config/login"))
    {
        nGets += request.method == "GET";
        nPosts += request.method == "POST";
    }
    EXPECT_GE(nGets, 1);
    EXPECT_GE(nPosts, 1);
    EXPECT_TRUE(FirstPageRead());

    CloseWhenIdle(program, hWnd);
    char szId[64] = {};
    DWORD dwSize = sizeof(szId);
    EXPECT_EQ(ERROR_SUCCESS, ::RegGetValueA(HKEY_CURRENT_USER, kClientSettings, "UserID01", RRF_RT_REG_SZ,
                                            nullptr, szId, &dwSize));
    EXPECT_STREQ("demo_seller1", szId);
    AfxProfileDelete("Software\\Velmar Soft\\Tanzo3", nullptr);
}

namespace
{
const char kClosePathClass[] = "TanzoClosePathClass";
const char kClosePathProfile[] = "Software\\Velmar Soft\\TanzoClosePath";

class ClosePath : public ::testing::Test
{
protected:
    ClosePath()
    {
        AfxProfileDelete(kClosePathProfile, nullptr);
        m_log = std::string((LPCTSTR)m_folder.Path()) + "\\log.txt";
        m_data = (LPCTSTR)(m_folder / "UserData");
        ::SetEnvironmentVariableA("TANZO_CLOSEPATH_DATA", m_data.c_str());
        ::SetEnvironmentVariableA("TANZO_CLOSEPATH_LOG", m_log.c_str());
    }
    ~ClosePath() override
    {
        for (const char* name : {"TANZO_CLOSEPATH_DATA", "TANZO_CLOSEPATH_LOG", "TANZO_CLOSEPATH_MODE"})
            ::SetEnvironmentVariableA(name, nullptr);
        AfxProfileDelete(kClosePathProfile, nullptr);
    }

    // Starts the program, waits for the line that ends its work after the
    // start, then ends it the given way.
    void Run(const char* mode, const std::string& lastLine, bool bEndSession)
    {
        ::SetEnvironmentVariableA("TANZO_CLOSEPATH_MODE", mode);
        CChildProcess program(TANZO_CLOSEPATH_EXE, kClosePathClass);
        ASSERT_TRUE(program.m_bStarted);
        HWND hWnd = program.WaitForWindow();
        ASSERT_NE(nullptr, hWnd);
        ASSERT_TRUE(WaitFor([&] { return Contains(Lines(m_log), lastLine); })) << mode;
        if (bEndSession)
        {
            DWORD_PTR dwResult = 0;
            ASSERT_TRUE(::SendMessageTimeoutA(hWnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                              30000, &dwResult));
            EXPECT_NE(0u, dwResult);
            ::SendMessageTimeoutA(hWnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000,
                                  &dwResult);
        }
        else
        {
            ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
        }
        EXPECT_TRUE(program.WaitForExit());
    }

    CTempFolder m_folder;
    std::string m_log;
    std::string m_data;
};
} // namespace

TEST_F(ClosePath, ClosingTheWindowWritesTheAccountsThenTheSetsInOrder)
{
    for (bool bEndSession : {false, true})
    {
        SCOPED_TRACE(bEndSession ? "end of the session" : "WM_CLOSE");
        GetDiskFileSystem().RemoveFolderTree(m_data.c_str());
        ::DeleteFileA(m_log.c_str());
        AfxProfileDelete(kClosePathProfile, nullptr);

        Run("fill", "filled", bEndSession);
        // The accounts were in the profile before the first data file went.
        const std::vector<std::string> expected = {
            "filled",
            "wrote TanzoTemplate.updateauction users=2",
            "wrote TanzoTemplate.rateeditasseller users=2",
            "wrote TanzoTemplate.rateeditasbuyer users=2",
            "wrote TanzoAuctionItem.useredit users=2",
        };
        EXPECT_EQ(expected, Lines(m_log));

        ::DeleteFileA(m_log.c_str());
        Run("report", "set3 count=1 memo=メモ", false);
        const std::vector<std::string> report = {
            "accounts=2 current=closepath_a",
            "set0 count=1 title=追加 rating=0",
            "set1 count=1 title=出品者として rating=4",
            "set2 count=1 title=落札者として rating=2",
            "set3 count=1 memo=メモ",
        };
        // Nothing changed in the second run, so its close wrote nothing.
        EXPECT_EQ(report, Lines(m_log));
    }
}
