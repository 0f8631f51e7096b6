// What CAppComm offers a running program: the message box of
// AfxMessageBox, the temporary work file, the message pump, the window
// class and icon helpers, the document extensions, the command line and
// the layered-window entry.
#ifdef _WIN32
#include "TestAppComm.h"
#include "WinTestUtil.h"

#include "afx/CommandLineInfo.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "afx/View.h"
#include "afx/Wnd.h"
#include "app/ModelessOwner.h"
#include "text/PathUtil.h"
#include "text/RandomText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace
{
BOOL IsFile(LPCTSTR lpszPath)
{
    DWORD dwAttributes = ::GetFileAttributesA(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void MakeFile(LPCTSTR lpszPath)
{
    HANDLE h = ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    ::CloseHandle(h);
}

// ---- Message box ----

// A window of the program that answers for its modeless state, as the
// dialog base does, and keeps a help context.
class CModelessWindow : public CWnd, public CModelessOwner
{
public:
    explicit CModelessWindow(BOOL bModeless) : m_bModeless(bModeless)
    {
        CreateEx(0, AfxRegisterWndClass(0), "modeless", WS_POPUP | WS_CAPTION | WS_VISIBLE, 300, 300, 200,
                 100, nullptr, nullptr);
    }
    ~CModelessWindow() override { DestroyWindow(); }
    BOOL IsCreatedModeless() const override { return m_bModeless; }

    BOOL m_bModeless;
    DWORD m_dwHelpContext = 0;

protected:
    afx_msg LRESULT OnHelpPromptAddr(WPARAM, LPARAM) { return (LRESULT)&m_dwHelpContext; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModelessWindow, CWnd)
ON_MESSAGE(WM_HELPPROMPTADDR, OnHelpPromptAddr)
END_MESSAGE_MAP()

class AppCommMessageBoxTest : public ::testing::Test
{
protected:
    AppCommMessageBoxTest() : m_main(UniqueName("TanzoMainClass"), WS_OVERLAPPEDWINDOW | WS_VISIBLE)
    {
        // The real box, not the tests' answering hook.
        m_pfnOldHook = AfxSetMessageBoxHook(nullptr);
        m_app.m_pMainWnd = CWnd::FromHandle(m_main.m_hWnd);
    }
    ~AppCommMessageBoxTest() override
    {
        m_app.m_pMainWnd = nullptr;
        AfxSetMessageBoxHook(m_pfnOldHook);
    }
    static void Activate(HWND hWnd)
    {
        ::SetForegroundWindow(hWnd);
        ::SetActiveWindow(hWnd);
    }

    CTestAppComm m_app;
    CCountingWindow m_main;
    AFX_MESSAGEBOX_HOOK m_pfnOldHook = nullptr;
};

TEST_F(AppCommMessageBoxTest, QuestionMarksAreShownFullWidth)
{
    const struct
    {
        const char* prompt;
        const char* shown;
    } cases[] = {
        {"削除しますか?", "削除しますか？"},
        {"終了します。", "終了します。"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.prompt);
        Activate(m_main.m_hWnd);
        CMessageBoxWatcher watcher(::GetCurrentProcessId());
        EXPECT_EQ(IDOK, AfxMessageBox(c.prompt, MB_OK));
        watcher.Join();
        ASSERT_TRUE(watcher.Shown());
        EXPECT_EQ(std::string(c.shown), watcher.m_text);
        EXPECT_EQ("TestAppComm", watcher.m_caption);
        EXPECT_EQ(m_main.m_hWnd, watcher.m_hWndOwner);
    }
}

TEST_F(AppCommMessageBoxTest, ActiveModelessDialogOwnsTheBox)
{
    CModelessWindow modeless(TRUE);
    CModelessWindow modal(FALSE);
    // A pop-up of the modeless dialog: its top-level owner is the dialog.
    CCountingWindow popup(UniqueName("TanzoPopupClass"), WS_POPUP | WS_VISIBLE, 0, modeless.m_hWnd);
    const struct
    {
        const char* name;
        HWND hWndActive;
        HWND hWndOwner;
    } cases[] = {
        {"modeless dialog", modeless.m_hWnd, modeless.m_hWnd},
        {"pop-up of the modeless dialog", popup.m_hWnd, modeless.m_hWnd},
        {"dialog not made modeless", modal.m_hWnd, m_main.m_hWnd},
        {"plain window", m_main.m_hWnd, m_main.m_hWnd},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Activate(c.hWndActive);
        ASSERT_EQ(c.hWndActive, ::GetActiveWindow());
        CMessageBoxWatcher watcher(::GetCurrentProcessId());
        EXPECT_EQ(IDOK, AfxMessageBox("確認しますか?", MB_OK));
        watcher.Join();
        ASSERT_TRUE(watcher.Shown());
        EXPECT_EQ(c.hWndOwner, watcher.m_hWndOwner);
        EXPECT_EQ(std::string("確認しますか？"), watcher.m_text);
    }
}

TEST_F(AppCommMessageBoxTest, DialogOwnedBoxSetsTheDialogsHelpContext)
{
    CModelessWindow modeless(TRUE);
    modeless.m_dwHelpContext = 5;
    Activate(modeless.m_hWnd);
    DWORD dwDuring = 0;
    CMessageBoxWatcher watcher(::GetCurrentProcessId(), [&] { dwDuring = modeless.m_dwHelpContext; });
    EXPECT_EQ(IDOK, AfxMessageBox("ヘルプ付き", MB_OK, 77));
    watcher.Join();
    ASSERT_TRUE(watcher.Shown());
    EXPECT_EQ(0x30000u + 77, dwDuring);
    EXPECT_EQ(5u, modeless.m_dwHelpContext);
    EXPECT_EQ("TestAppComm", watcher.m_caption);
}

TEST_F(AppCommMessageBoxTest, OwnerWithoutHelpContextUsesTheApplications)
{
    CModelessWindow modeless(TRUE);
    const struct
    {
        const char* name;
        HWND hWndActive;
    } cases[] = {
        {"plain window", m_main.m_hWnd},
        {"modeless dialog", modeless.m_hWnd},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        // The dialog answers for its own context; a plain window does not.
        const BOOL bDialog = c.hWndActive == modeless.m_hWnd;
        modeless.m_dwHelpContext = 5;
        m_app.m_dwPromptContext = 3;
        Activate(c.hWndActive);
        DWORD dwAppDuring = 0, dwDialogDuring = 0;
        CMessageBoxWatcher watcher(::GetCurrentProcessId(),
                                   [&]
                                   {
                                       dwAppDuring = m_app.m_dwPromptContext;
                                       dwDialogDuring = modeless.m_dwHelpContext;
                                   });
        EXPECT_EQ(IDOK, AfxMessageBox("ヘルプ付き", MB_OK, 88));
        watcher.Join();
        ASSERT_TRUE(watcher.Shown());
        EXPECT_EQ(bDialog ? 3u : 0x30000u + 88, dwAppDuring);
        EXPECT_EQ(bDialog ? 0x30000u + 88 : 5u, dwDialogDuring);
        EXPECT_EQ(3u, m_app.m_dwPromptContext);
        EXPECT_EQ(5u, modeless.m_dwHelpContext);
        EXPECT_TRUE(::IsWindowEnabled(c.hWndActive));
    }
}

// ---- Temporary work file ----

class TempWorkFileTest : public ::testing::Test
{
protected:
    TempWorkFileTest() : m_app(UniqueName("TanzoTempWork")) { EXPECT_TRUE(GetTempFolder(m_strFolder, TRUE)); }
    ~TempWorkFileTest() override
    {
        for (const CString& strFile : m_made)
            ::DeleteFileA(strFile);
        m_app.ExitInstance();
        ::RemoveDirectoryA(m_strFolder);
    }
    // The names the next calls of the random generator give, seeded.
    static std::vector<CString> NamesFrom(unsigned seed, int count)
    {
        std::srand(seed);
        std::vector<CString> names;
        for (int i = 0; i < count; ++i)
        {
            CString strName;
            RandomAlphanumeric(8, strName);
            names.push_back(strName);
        }
        return names;
    }
    void Block(const CString& strName)
    {
        CString strPath;
        JoinPath(strPath, m_strFolder, strName);
        MakeFile(strPath);
        m_made.push_back(strPath);
    }

    CTestAppComm m_app;
    CString m_strFolder;
    std::vector<CString> m_made;
};

TEST_F(TempWorkFileTest, MadeOnceAndRemovedAtExit)
{
    CString strPath;
    ASSERT_TRUE(m_app.GetTempWorkFilePath(strPath));
    CString strFolder, strName = strPath.Mid(strPath.ReverseFind('\\') + 1);
    GetDirectoryOfPath(strPath, strFolder);
    EXPECT_EQ(m_strFolder, strFolder);
    EXPECT_EQ(8, strName.GetLength());
    EXPECT_EQ(strName,
              strName.SpanIncluding("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_TRUE(IsFile(strPath));

    // The same file for the whole run, even when it was removed meanwhile.
    CString strAgain;
    ASSERT_TRUE(m_app.GetTempWorkFilePath(strAgain));
    EXPECT_EQ(strPath, strAgain);

    // A file beside it is not this run's.
    CString strOther;
    JoinPath(strOther, m_strFolder, "other.htm");
    MakeFile(strOther);
    m_made.push_back(strOther);
    m_app.ExitInstance();
    EXPECT_FALSE(IsFile(strPath));
    EXPECT_TRUE(IsFile(strOther));
}

TEST_F(TempWorkFileTest, RunThatNeverAskedRemovesNothing)
{
    std::vector<CString> names = NamesFrom(4242, 1);
    Block(names[0]);
    std::srand(4242);
    m_app.ExitInstance();
    EXPECT_TRUE(IsFile(m_made[0]));
}

TEST_F(TempWorkFileTest, TakenNamesAreSkipped)
{
    const unsigned seed = 1234;
    std::vector<CString> names = NamesFrom(seed, 100);
    for (int i = 0; i < 99; ++i)
        Block(names[i]);
    std::srand(seed);
    CString strPath;
    ASSERT_TRUE(m_app.GetTempWorkFilePath(strPath));
    CString strExpected;
    JoinPath(strExpected, m_strFolder, names[99]);
    EXPECT_EQ(strExpected, strPath);
    EXPECT_TRUE(IsFile(strPath));
    m_made.push_back(strPath);
}

TEST_F(TempWorkFileTest, GivesUpWhenEveryNameIsTaken)
{
    const unsigned seed = 99;
    std::vector<CString> names = NamesFrom(seed, 100);
    for (const CString& strName : names)
        Block(strName);
    std::srand(seed);
    CString strPath = "unchanged";
    EXPECT_FALSE(m_app.GetTempWorkFilePath(strPath));
    EXPECT_TRUE(strPath.IsEmpty());
    // Nothing of this run is left to remove; the blocked files stay.
    m_app.ExitInstance();
    for (const CString& strFile : m_made)
        EXPECT_TRUE(IsFile(strFile));
}

// ---- Message pump ----

class CFilteringApp : public CTestAppComm
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_APP + 1)
        {
            ++m_nTaken;
            return TRUE;
        }
        return FALSE;
    }
    int m_nTaken = 0;
};

TEST(PumpMessagesTest, HandlesWhatWaitsAndLeavesTheQuit)
{
    CFilteringApp app;
    CCountingWindow window(UniqueName("TanzoPumpClass"));
    ::PostMessageA(window.m_hWnd, WM_APP, 0, 0);
    ::PostMessageA(window.m_hWnd, WM_APP + 1, 0, 0);
    ::PostMessageA(window.m_hWnd, WM_APP, 0, 0);
    ::PostQuitMessage(7);

    PumpMessages(&app);
    EXPECT_EQ(2, window.m_nApp);
    EXPECT_EQ(1, app.m_nTaken);

    // The quit is still there for the main loop, and nothing else.
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ((UINT)WM_QUIT, msg.message);
    EXPECT_EQ(7u, msg.wParam);
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST(PumpMessagesTest, NullThreadLeavesTheQueue)
{
    CCountingWindow window(UniqueName("TanzoPumpNullClass"));
    ::PostMessageA(window.m_hWnd, WM_APP, 0, 0);
    PumpMessages(nullptr);
    EXPECT_EQ(0, window.m_nApp);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, window.m_hWnd, WM_APP, WM_APP, PM_REMOVE));
}

// ---- Window class and icon ----

// The test program's resources come from the application test program,
// loaded as a data file, so that its icon 128 is there.
class AppCommResourceTest : public ::testing::Test
{
protected:
    AppCommResourceTest()
    {
        CString strExe = TANZO_TESTAPP_EXE;
        strExe.Replace('/', '\\');
        m_hResources = ::LoadLibraryExA("Z:" + strExe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        EXPECT_NE(nullptr, m_hResources);
        m_hOldResources = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hResources);
    }
    ~AppCommResourceTest() override
    {
        AfxSetResourceHandle(m_hOldResources);
        if (m_hResources != nullptr)
            ::FreeLibrary(m_hResources);
    }

    CTestAppComm m_app;
    HMODULE m_hResources = nullptr;
    HINSTANCE m_hOldResources = nullptr;
};

TEST_F(AppCommResourceTest, SetWindowIconSetsTheSmallIcon)
{
    CCountingWindow window(UniqueName("TanzoIconClass"));
    CWnd* pWnd = CWnd::FromHandle(window.m_hWnd);
    EXPECT_FALSE(m_app.SetWindowIcon(pWnd, 0));
    EXPECT_FALSE(m_app.SetWindowIcon(pWnd, 999));
    EXPECT_FALSE(m_app.SetWindowIcon(nullptr, 128));
    EXPECT_EQ(nullptr, (HICON)::SendMessageA(window.m_hWnd, WM_GETICON, ICON_SMALL, 0));

    ASSERT_TRUE(m_app.SetWindowIcon(pWnd, 128));
    EXPECT_NE(nullptr, (HICON)::SendMessageA(window.m_hWnd, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(nullptr, (HICON)::SendMessageA(window.m_hWnd, WM_GETICON, ICON_BIG, 0));

    CWnd gone;
    gone.m_hWnd = window.m_hWnd;
    ::DestroyWindow(window.m_hWnd);
    EXPECT_FALSE(m_app.SetWindowIcon(&gone, 128));
    gone.m_hWnd = nullptr;
}

TEST_F(AppCommResourceTest, FrameClassIsACopyUnderTheProgramsName)
{
    HINSTANCE hInstance = AfxGetInstanceHandle();
    CString strBase = UniqueName("TanzoBaseFrameClass");
    WNDCLASSA base = {};
    base.style = CS_DBLCLKS;
    base.lpfnWndProc = ::DefWindowProcA;
    base.hInstance = hInstance;
    base.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    base.lpszClassName = strBase;
    ASSERT_NE(0, ::RegisterClassA(&base));

    m_app.m_strClassName = UniqueName("TanzoProgramClass");
    CREATESTRUCTA cs = {};
    cs.lpszClass = strBase;
    ASSERT_TRUE(m_app.RegisterFrameWindowClass(cs, 128));
    EXPECT_STREQ(m_app.m_strClassName, cs.lpszClass);
    WNDCLASSA copy = {};
    ASSERT_TRUE(::GetClassInfoA(hInstance, m_app.m_strClassName, &copy));
    EXPECT_EQ(base.lpfnWndProc, copy.lpfnWndProc);
    EXPECT_EQ(base.style, copy.style);
    EXPECT_EQ(base.hCursor, copy.hCursor);
    EXPECT_EQ(nullptr, base.hIcon);
    EXPECT_NE(nullptr, copy.hIcon);

    // Registered once: a later frame gets the name whatever cs named.
    CREATESTRUCTA cs2 = {};
    cs2.lpszClass = "NoSuchBaseClass";
    EXPECT_TRUE(m_app.RegisterFrameWindowClass(cs2, 128));
    EXPECT_STREQ(m_app.m_strClassName, cs2.lpszClass);

    // A frame made with the class is found by that name.
    HWND hWnd = ::CreateWindowExA(0, cs.lpszClass, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                  nullptr, hInstance, nullptr);
    EXPECT_EQ(hWnd, ::FindWindowA(m_app.m_strClassName, nullptr));
    ::DestroyWindow(hWnd);
    ::UnregisterClassA(m_app.m_strClassName, hInstance);
    ::UnregisterClassA(strBase, hInstance);
}

TEST_F(AppCommResourceTest, FrameClassNeedsItsBase)
{
    m_app.m_strClassName = UniqueName("TanzoOrphanClass");
    CREATESTRUCTA cs = {};
    cs.lpszClass = "NoSuchBaseClass";
    EXPECT_FALSE(m_app.RegisterFrameWindowClass(cs, 128));
    EXPECT_STREQ("NoSuchBaseClass", cs.lpszClass);

    // A program without a class of its own keeps the framework's.
    m_app.m_strClassName.Empty();
    EXPECT_TRUE(m_app.RegisterFrameWindowClass(cs, 128));
    EXPECT_STREQ("NoSuchBaseClass", cs.lpszClass);
}

// ---- Document extensions and command line ----

// A template with the document strings it is given.
class CFixedDocTemplate : public CSingleDocTemplate
{
public:
    explicit CFixedDocTemplate(LPCTSTR lpszStrings)
        : CSingleDocTemplate(0x7FF0, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CFrameWnd),
                             RUNTIME_CLASS(CView)),
          m_strFixed(lpszStrings)
    {
    }
    void LoadTemplate() override
    {
        CSingleDocTemplate::LoadTemplate();
        m_strDocStrings = m_strFixed;
    }
    CString m_strFixed;
};

std::vector<CString> ToVector(const CStringList& list)
{
    std::vector<CString> result;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        result.push_back(list.GetNext(pos));
    return result;
}

TEST(AppCommDocumentTest, ExtensionsOfTheTemplates)
{
    CTestAppComm app;
    CStringList list;
    list.AddTail("left over");
    EXPECT_FALSE(app.GetDocumentExtensions(list));
    EXPECT_TRUE(list.IsEmpty());

    app.AddDocumentTemplate(new CFixedDocTemplate("A\n\nA\nA ファイル (*.tza)\n.tza\nTanzo.A\nA"));
    app.AddDocumentTemplate(new CFixedDocTemplate("B\n\nB\n\n\n\n"));
    app.AddDocumentTemplate(new CFixedDocTemplate("C\n\nC\nC ファイル\n.tzc\n\n"));
    list.AddTail("left over");
    EXPECT_TRUE(app.GetDocumentExtensions(list));
    EXPECT_EQ((std::vector<CString>{"tza", "tzc"}), ToVector(list));
}

TEST(AppCommDocumentTest, TemplatesWithoutExtensionsGiveNone)
{
    CTestAppComm app;
    app.AddDocumentTemplate(new CFixedDocTemplate("B\n\nB\n\n\n\n"));
    app.AddDocumentTemplate(new CFixedDocTemplate("D"));
    CStringList list;
    EXPECT_FALSE(app.GetDocumentExtensions(list));
    EXPECT_TRUE(list.IsEmpty());
}

TEST(AppCommDocumentTest, CommandLineFileTakesItsLongName)
{
    CTestAppComm app;
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strFolder = szTemp;
    ToLongPath(strFolder);
    CString strLong;
    JoinPath(strLong, strFolder, UniqueName("長い名前のテスト文書") + ".tzt");
    MakeFile(strLong);
    CString strShort = strLong;
    ASSERT_TRUE(ToShortPath(strShort));
    ASSERT_NE(strLong, strShort);

    const struct
    {
        CString given;
        CString expected;
    } cases[] = {
        {strShort, strLong},
        {strLong, strLong},
        {"C:\\no such folder\\no such file.tzt", "C:\\no such folder\\no such file.tzt"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE((LPCTSTR)c.given);
        CCommandLineInfo info;
        info.m_nShellCommand = CCommandLineInfo::FileOpen;
        info.m_strFileName = c.given;
        // No template opens it; the name is what the shell command got.
        EXPECT_FALSE(app.ProcessCommandLine(info));
        EXPECT_EQ(c.expected, info.m_strFileName);
    }
    ::DeleteFileA(strLong);
}

// ---- Layered windows ----

class CNamedLibrary : public CDynamicLibrary
{
public:
    explicit CNamedLibrary(LPCTSTR lpszName) : m_lpszName(lpszName) {}
    LPCTSTR GetLibraryName() const override { return m_lpszName; }
    LPCTSTR m_lpszName;
};

TEST(DynamicLibraryTest, LoadsByNameOnce)
{
    const struct
    {
        LPCTSTR name;
        BOOL bLoads;
    } cases[] = {{"kernel32.dll", TRUE}, {"tanzo-no-such-library.dll", FALSE}, {"", FALSE}, {nullptr, FALSE}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name != nullptr ? c.name : "(null)");
        CNamedLibrary library(c.name);
        HMODULE hModule = library.Load();
        EXPECT_EQ(c.bLoads, hModule != nullptr);
        EXPECT_EQ(hModule, library.Load());
        EXPECT_EQ(hModule, library.GetModule());
        library.Free();
        EXPECT_EQ(nullptr, library.GetModule());
    }
}

TEST(DynamicLibraryTest, ApplicationReachesSetLayeredWindowAttributes)
{
    CTestAppComm app;
    CUser32Library& user32 = app.GetLayeredWindowApi();
    EXPECT_STREQ("user32.dll", user32.GetLibraryName());
    CCountingWindow layered(UniqueName("TanzoLayeredClass"), WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
    EXPECT_TRUE(user32.SetLayeredWindowAttributes(layered.m_hWnd, 0, 128, LWA_ALPHA));
    BYTE bAlpha = 0;
    DWORD dwFlags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(layered.m_hWnd, nullptr, &bAlpha, &dwFlags));
    EXPECT_EQ(128, bAlpha);
    EXPECT_EQ((DWORD)LWA_ALPHA, dwFlags);
    EXPECT_NE(nullptr, user32.GetModule());
}
} // namespace
#endif // _WIN32
