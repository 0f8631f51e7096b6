#ifndef TANZO_TESTS_CONTROLS_CONTROLSTESTUTIL_H
#define TANZO_TESTS_CONTROLS_CONTROLSTESTUTIL_H

// Helpers of the controls' Windows tests: the host dialog with one control
// of each kind, modifier keys held down, the clipboard, and controls that
// count their beeps.
#ifdef _WIN32

#include "TestResources.h"
#include "app/DialogTestUtil.h"
#include "app/TestAppComm.h"
#include "app/WinTestUtil.h"

#include "afx/DataExchange.h"
#include "afx/Dialog.h"
#include "app/ClipboardShell.h"
#include "controls/CommComboBox.h"
#include "controls/CommEdit.h"
#include "controls/NumberEdit.h"

#include <gtest/gtest.h>

// A control whose refusals are counted instead of heard.
template <class TControl> class CBeepCounting : public TControl
{
public:
    using TControl::TControl;
    int m_nBeeps = 0;

protected:
    void Beep() override { ++m_nBeeps; }
};

typedef CBeepCounting<CCommEdit> CTestEdit;

// Holds modifier keys down for this thread while it lives.
class CHeldKeys
{
public:
    explicit CHeldKeys(std::initializer_list<int> keys)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        ::GetKeyboardState(state);
        for (int key : keys)
            state[key] = 0x80;
        ::SetKeyboardState(state);
    }
    ~CHeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

// Presses a key as the keyboard would: WM_KEYDOWN through the message loop
// (translated into characters and accelerators), then WM_KEYUP.
inline void PressKey(HWND hWnd, UINT nVirtKey)
{
    ::PostMessageA(hWnd, WM_KEYDOWN, nVirtKey, 1);
    ::PostMessageA(hWnd, WM_KEYUP, nVirtKey, 0xC0000001);
    PumpPending();
}

// Types text into the window as ANSI WM_CHAR messages, a two-byte
// character as its lead and trail byte.
inline void TypeText(HWND hWnd, const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
        ::SendMessageA(hWnd, WM_CHAR, (BYTE)*p, 1);
}

inline CString WindowText(HWND hWnd)
{
    CString text;
    const int nLength = ::GetWindowTextLengthA(hWnd);
    ::GetWindowTextA(hWnd, text.GetBuffer(nLength + 1), nLength + 1);
    text.ReleaseBuffer();
    return text;
}

inline void CaretAtEnd(CEdit& edit)
{
    const int nChars = ::GetWindowTextLengthW(edit.m_hWnd);
    edit.SetSel(nChars, nChars);
}

inline CString ClipboardText()
{
    CString text;
    GetClipboardText(text, nullptr, FALSE);
    return text;
}

// One control of each kind, created modeless and shown.
class CControlsHost : public CDialog
{
public:
    CControlsHost() : CDialog(IDD_CONTROLS_HOST) {}
    ~CControlsHost() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

    BOOL Open()
    {
        if (!Create(IDD_CONTROLS_HOST))
            return FALSE;
        // Shown without taking the foreground from other test programs.
        ShowWindow(SW_SHOWNA);
        // The controls build their accelerators and histories when they
        // first paint.
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
        return TRUE;
    }

    CTestEdit m_single;
    CTestEdit m_multi;
    CTestEdit m_multiPlain;
    CTestEdit m_readOnly;
    CBeepCounting<CNumberEdit> m_number;
    CBeepCounting<CDecimalEdit> m_decimal;
    CBeepCounting<CDigitEdit> m_digit;
    CCommComboBox m_combo;

    // Changes announced to this dialog by edits in undo mode 2.
    struct Announcement
    {
        UINT nMessage;
        int nID;
        int nKind;
        CEditChange change;
    };
    std::vector<Announcement> m_announced;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_SINGLE, m_single);
        DDX_Control(pDX, IDC_MULTI, m_multi);
        DDX_Control(pDX, IDC_MULTI_PLAIN, m_multiPlain);
        DDX_Control(pDX, IDC_READONLY, m_readOnly);
        DDX_Control(pDX, IDC_NUMBER, m_number);
        DDX_Control(pDX, IDC_DECIMAL, m_decimal);
        DDX_Control(pDX, IDC_DIGIT, m_digit);
        DDX_Control(pDX, IDC_COMBO, m_combo);
    }
    afx_msg LRESULT OnAnnounced(WPARAM wParam, LPARAM lParam)
    {
        const MSG* pMsg = GetCurrentMessage();
        CCommEdit* pEdit = (CCommEdit*)CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, (int)wParam));
        m_announced.push_back({pMsg->message, (int)wParam, (int)lParam,
                               pEdit != nullptr ? pEdit->GetPendingChange() : CEditChange()});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

// Tests on the host dialog, opened and shown for each test.
class ControlsHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open());
        PumpPending();
    }
    void TearDown() override { PumpPending(); }

    // Most tests copy and paste.
    CClipboardTestLock clipboard;
    CTestAppComm app;
    CControlsHost host;
};

#endif // _WIN32
#endif // TANZO_TESTS_CONTROLS_CONTROLSTESTUTIL_H
