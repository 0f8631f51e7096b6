#ifndef TANZO_AFX_MSGMAP_H
#define TANZO_AFX_MSGMAP_H

// Message maps (Windows builds): the tables that DECLARE_MESSAGE_MAP,
// BEGIN_MESSAGE_MAP and the ON_ macros build, with MFC's macro names and
// handler signatures. Each entry keeps the handler as a generic member
// pointer and a signature code that tells the dispatcher (CCmdTarget,
// CWnd) how to crack the message and call it; the macros check the
// handler's signature when the map is compiled.
//
// Signatures that differ from MFC 4.2 for 64-bit builds: OnTimer takes a
// UINT_PTR, OnNcHitTest returns LRESULT, OnActivateApp takes a DWORD.

#include "afx/wintypes.h"

#include <cstring>

// Marks message handlers in class declarations.
#define afx_msg

class CCmdTarget;
class CCmdUI;
class CDC;
class CMenu;
class CPoint;
class CScrollBar;
class CWnd;

typedef void (CCmdTarget::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message, or 0xC000 for a registered one
    UINT nCode;    // control notification code (low word), CN_UPDATE_COMMAND_UI
    UINT nID;      // first control or command id
    UINT nLastID;  // last id of a range
    UINT_PTR nSig; // AfxSig_ code; for registered messages the address of the message id
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// A handler kept as the generic member pointer and turned back into its
// own type by the dispatcher. Member pointers of one class hierarchy have
// one size and layout in the GCC ABI; copying the bits (instead of a
// reinterpret_cast) avoids -Wcast-function-type on every map entry.
template <class TPmf> inline AFX_PMSG AfxPmsg(TPmf pmf) noexcept
{
    static_assert(sizeof(TPmf) == sizeof(AFX_PMSG), "member pointers of one size");
    AFX_PMSG result;
    std::memcpy(&result, &pmf, sizeof(result));
    return result;
}

template <class TPmf> inline TPmf AfxPmsgAs(AFX_PMSG pmsg) noexcept
{
    static_assert(sizeof(TPmf) == sizeof(AFX_PMSG), "member pointers of one size");
    TPmf result;
    std::memcpy(&result, &pmsg, sizeof(result));
    return result;
}

// Command notification codes of OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Reflected messages: a parent hands a child control's notification back
// to the control as WM_REFLECT_BASE plus the message.
#define WM_REFLECT_BASE 0xBC00

// The framework's own window messages.
#define WM_QUERYAFXWNDPROC 0x0360
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_RECALCPARENT 0x0368
#define WM_KICKIDLE 0x036A
#define WM_HELPPROMPTADDR 0x0376

// WM_SIZEPARENT: each control bar takes its place from rect and leaves
// the rest to the next bar and finally to the view.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // null when only asking for the layout
    RECT rect;      // what is left of the parent's client area
    SIZE sizeTotal; // what the bars took
    BOOL bStretch;  // bars stretch to the parent's width
};

// WM_CTLCOLORxxx messages arrive in one entry; the reflected one carries this.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// What a WM_NOTIFY handler receives through OnCmdMsg's pExtra.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Handler signatures: v void, b BOOL, i int, l LRESULT, h HBRUSH; then the
// arguments.
enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,
    // commands and notifications (CCmdTarget)
    AfxSig_vv,        // void ()
    AfxSig_bv,        // BOOL ()
    AfxSig_vw,        // void (UINT nID)
    AfxSig_bw,        // BOOL (UINT nID)
    AfxSig_cmdui,     // void (CCmdUI*)
    AfxSig_cmduiw,    // void (CCmdUI*, UINT nID)
    AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*)
    AfxSig_bNMHDRpl,  // BOOL (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl, // void (UINT nID, NMHDR*, LRESULT*)
    AfxSig_bwNMHDRpl, // BOOL (UINT nID, NMHDR*, LRESULT*)
    // window messages (CWnd)
    AfxSig_lwl,        // LRESULT (WPARAM, LPARAM)
    AfxSig_is,         // int (LPCREATESTRUCT)
    AfxSig_bs,         // BOOL (LPCREATESTRUCT)
    AfxSig_vwii,       // void (UINT, int, int)       WM_SIZE
    AfxSig_vii,        // void (int, int)             WM_MOVE
    AfxSig_vt,         // void (UINT_PTR)             WM_TIMER
    AfxSig_bD,         // BOOL (CDC*)                 WM_ERASEBKGND
    AfxSig_hDWw,       // HBRUSH (CDC*, CWnd*, UINT)  WM_CTLCOLOR
    AfxSig_hDw,        // HBRUSH (CDC*, UINT)         reflected WM_CTLCOLOR
    AfxSig_vOWNER,     // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMEASURE,   // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_iCOMPARE,   // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vDELETE,    // void (int, LPDELETEITEMSTRUCT)
    AfxSig_vDRAWr,     // void (LPDRAWITEMSTRUCT)     reflected
    AfxSig_vMEASUREr,  // void (LPMEASUREITEMSTRUCT)  reflected
    AfxSig_iCOMPAREr,  // int (LPCOMPAREITEMSTRUCT)   reflected
    AfxSig_vDELETEr,   // void (LPDELETEITEMSTRUCT)   reflected
    AfxSig_vWp,        // void (CWnd*, CPoint)        WM_CONTEXTMENU
    AfxSig_bWww,       // BOOL (CWnd*, UINT, UINT)    WM_SETCURSOR
    AfxSig_iWww,       // int (CWnd*, UINT, UINT)     WM_MOUSEACTIVATE
    AfxSig_vwp,        // void (UINT, CPoint)         mouse messages
    AfxSig_bwsp,       // BOOL (UINT, short, CPoint)  WM_MOUSEWHEEL
    AfxSig_vwww,       // void (UINT, UINT, UINT)     key messages
    AfxSig_vW,         // void (CWnd*)                focus, capture
    AfxSig_vMINMAX,    // void (MINMAXINFO*)
    AfxSig_vMww,       // void (CMenu*, UINT, BOOL)   WM_INITMENUPOPUP
    AfxSig_vM,         // void (CMenu*)               WM_INITMENU
    AfxSig_vwwh,       // void (UINT, UINT, HMENU)    WM_MENUSELECT
    AfxSig_vwl,        // void (UINT, LPARAM)         WM_SYSCOMMAND, WM_PARENTNOTIFY
    AfxSig_vbw,        // void (BOOL, UINT)           WM_SHOWWINDOW
    AfxSig_vwWb,       // void (UINT, CWnd*, BOOL)    WM_ACTIVATE
    AfxSig_vbd,        // void (BOOL, DWORD)          WM_ACTIVATEAPP
    AfxSig_vwwS,       // void (UINT, UINT, CScrollBar*) scrolling
    AfxSig_vww,        // void (UINT, UINT)           reflected scrolling
    AfxSig_lp,         // LRESULT (CPoint)            WM_NCHITTEST
    AfxSig_vHDROP,     // void (HDROP)
    AfxSig_b,          // BOOL ()                     WM_QUERYENDSESSION
    AfxSig_vb,         // void (BOOL)                 WM_ENDSESSION, menu loops, WM_ENABLE
    AfxSig_vws,        // void (UINT, LPCTSTR)        WM_SETTINGCHANGE
    AfxSig_bHELPINFO,  // BOOL (HELPINFO*)
    AfxSig_vPOS,       // void (WINDOWPOS*)
    AfxSig_wv,         // UINT ()                     WM_GETDLGCODE
    AfxSig_vCALC,      // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_vwpR,       // void (UINT, LPRECT)         WM_SIZING
    AfxSig_bWCDS,      // BOOL (CWnd*, COPYDATASTRUCT*)
    AfxSig_vwl_parent, // void (UINT, LPARAM)         reflected WM_PARENTNOTIFY
};

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    virtual const AFX_MSGMAP* GetMessageMap() const;

// Entries name the handler through ThisClass, which BEGIN_MESSAGE_MAP
// defines; the static casts reject handlers of the wrong signature.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                          \
    {                                                                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, AfxSig_end, nullptr                                                                      \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

#define AFX_MSGFN(type, memberFxn) AfxPmsg(static_cast<type>(&ThisClass::memberFxn))

// Commands, update handlers, control notifications, WM_NOTIFY.
#define ON_COMMAND(id, memberFxn)                                                                            \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vv, AFX_MSGFN(void(CCmdTarget::*)(), memberFxn)},
#define ON_COMMAND_EX(id, memberFxn)                                                                         \
    {WM_COMMAND, CN_COMMAND, (UINT)(id),                                                                     \
     (UINT)(id), AfxSig_bw,  AFX_MSGFN(BOOL(CCmdTarget::*)(UINT), memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND,     CN_COMMAND, (UINT)(id),                                                                 \
     (UINT)(idLast), AfxSig_vw,  AFX_MSGFN(void(CCmdTarget::*)(UINT), memberFxn)},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                           \
    {WM_COMMAND,     CN_COMMAND, (UINT)(id),                                                                 \
     (UINT)(idLast), AfxSig_bw,  AFX_MSGFN(BOOL(CCmdTarget::*)(UINT), memberFxn)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                  \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id),                                                           \
     (UINT)(id), AfxSig_cmdui,         AFX_MSGFN(void(CCmdTarget::*)(CCmdUI*), memberFxn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                    \
    {WM_COMMAND,     CN_UPDATE_COMMAND_UI, (UINT)(id),                                                       \
     (UINT)(idLast), AfxSig_cmdui,         AFX_MSGFN(void(CCmdTarget::*)(CCmdUI*), memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode),                                                                  \
     (UINT)(id), (UINT)(id),                                                                                 \
     AfxSig_vv,  AFX_MSGFN(void(CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                 \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode),                                                                  \
     (UINT)(id), (UINT)(idLast),                                                                             \
     AfxSig_vw,  AFX_MSGFN(void(CCmdTarget::*)(UINT), memberFxn)},
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {WM_NOTIFY,  (UINT)(WORD)(wNotifyCode), (UINT)(id),                                                      \
     (UINT)(id), AfxSig_vNMHDRpl,           AFX_MSGFN(void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                             \
    {WM_NOTIFY,        (UINT)(WORD)(wNotifyCode),                                                            \
     (UINT)(id),       (UINT)(id),                                                                           \
     AfxSig_bwNMHDRpl, AFX_MSGFN(BOOL(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    {WM_NOTIFY,        (UINT)(WORD)(wNotifyCode),                                                            \
     (UINT)(id),       (UINT)(idLast),                                                                       \
     AfxSig_vwNMHDRpl, AFX_MSGFN(void(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                               \
    {WM_NOTIFY,        (UINT)(WORD)(wNotifyCode),                                                            \
     (UINT)(id),       (UINT)(idLast),                                                                       \
     AfxSig_bwNMHDRpl, AFX_MSGFN(BOOL(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},

// Reflected to the control itself (its parent's message map never sees
// them unless an _EX handler returns FALSE).
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {WM_REFLECT_BASE + WM_COMMAND,                                                                           \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vv,                                                                                              \
     AFX_MSGFN(void(CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    {WM_REFLECT_BASE + WM_COMMAND,                                                                           \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_bv,                                                                                              \
     AFX_MSGFN(BOOL(CCmdTarget::*)(), memberFxn)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {WM_REFLECT_BASE + WM_NOTIFY,                                                                            \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vNMHDRpl,                                                                                        \
     AFX_MSGFN(void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {WM_REFLECT_BASE + WM_NOTIFY,                                                                            \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_bNMHDRpl,                                                                                        \
     AFX_MSGFN(BOOL(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, AfxSig_hDw, AFX_MSGFN(HBRUSH(CWnd::*)(CDC*, UINT), CtlColor)},
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    {WM_REFLECT_BASE + WM_DRAWITEM,                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vDRAWr,                                                                                          \
     AFX_MSGFN(void(CWnd::*)(LPDRAWITEMSTRUCT), DrawItem)},
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    {WM_REFLECT_BASE + WM_MEASUREITEM,                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vMEASUREr,                                                                                       \
     AFX_MSGFN(void(CWnd::*)(LPMEASUREITEMSTRUCT), MeasureItem)},
#define ON_WM_COMPAREITEM_REFLECT()                                                                          \
    {WM_REFLECT_BASE + WM_COMPAREITEM,                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_iCOMPAREr,                                                                                       \
     AFX_MSGFN(int(CWnd::*)(LPCOMPAREITEMSTRUCT), CompareItem)},
#define ON_WM_DELETEITEM_REFLECT()                                                                           \
    {WM_REFLECT_BASE + WM_DELETEITEM,                                                                        \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vDELETEr,                                                                                        \
     AFX_MSGFN(void(CWnd::*)(LPDELETEITEMSTRUCT), DeleteItem)},
#define ON_WM_HSCROLL_REFLECT()                                                                              \
    {WM_REFLECT_BASE + WM_HSCROLL, 0, 0, 0, AfxSig_vww, AFX_MSGFN(void(CWnd::*)(UINT, UINT), HScroll)},
#define ON_WM_VSCROLL_REFLECT()                                                                              \
    {WM_REFLECT_BASE + WM_VSCROLL, 0, 0, 0, AfxSig_vww, AFX_MSGFN(void(CWnd::*)(UINT, UINT), VScroll)},
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                         \
    {WM_REFLECT_BASE + WM_PARENTNOTIFY,                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vwl_parent,                                                                                      \
     AFX_MSGFN(void(CWnd::*)(UINT, LPARAM), ParentNotify)},

// User-defined and registered messages.
#define ON_MESSAGE(message, memberFxn)                                                                       \
    {(UINT)(message), 0, 0, 0, AfxSig_lwl, AFX_MSGFN(LRESULT(CWnd::*)(WPARAM, LPARAM), memberFxn)},
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0xC000, 0, 0, 0, (UINT_PTR)(&nMessageVariable), AFX_MSGFN(LRESULT(CWnd::*)(WPARAM, LPARAM), memberFxn)},

// Control notifications by control family.
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// Window messages; each names the handler MFC gives it.
#define AFX_ON_WM(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_MSGFN(type, fn)},

#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() AFX_ON_WM(WM_NCCREATE, AfxSig_bs, BOOL (CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_ON_WM(WM_NCDESTROY, AfxSig_vv, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_NCPAINT() AFX_ON_WM(WM_NCPAINT, AfxSig_vv, void (CWnd::*)(), OnNcPaint)
#define ON_WM_CANCELMODE() AFX_ON_WM(WM_CANCELMODE, AfxSig_vv, void (CWnd::*)(), OnCancelMode)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_WM(WM_SYSCOLORCHANGE, AfxSig_vv, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_ENTERSIZEMOVE() AFX_ON_WM(WM_ENTERSIZEMOVE, AfxSig_vv, void (CWnd::*)(), OnEnterSizeMove)
#define ON_WM_EXITSIZEMOVE() AFX_ON_WM(WM_EXITSIZEMOVE, AfxSig_vv, void (CWnd::*)(), OnExitSizeMove)
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_ON_WM(WM_MOVE, AfxSig_vii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_SIZING() AFX_ON_WM(WM_SIZING, AfxSig_vwpR, void (CWnd::*)(UINT, LPRECT), OnSizing)
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, AfxSig_vt, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_CTLCOLOR() AFX_ON_WM(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM()                                                                                     \
    AFX_ON_WM(WM_DRAWITEM, AfxSig_vOWNER, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                                  \
    AFX_ON_WM(WM_MEASUREITEM, AfxSig_vMEASURE, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_COMPAREITEM()                                                                                  \
    AFX_ON_WM(WM_COMPAREITEM, AfxSig_iCOMPARE, int (CWnd::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_DELETEITEM()                                                                                   \
    AFX_ON_WM(WM_DELETEITEM, AfxSig_vDELETE, void (CWnd::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_CONTEXTMENU()                                                                                  \
    AFX_ON_WM(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_SETCURSOR() AFX_ON_WM(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_MOUSEACTIVATE()                                                                                \
    AFX_ON_WM(WM_MOUSEACTIVATE, AfxSig_iWww, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()                                                                                \
    AFX_ON_WM(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_WM(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_WM(WM_RBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()                                                                                \
    AFX_ON_WM(WM_RBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_ON_WM(WM_MBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_ON_WM(WM_MBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_NCLBUTTONDOWN()                                                                                \
    AFX_ON_WM(WM_NCLBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONDBLCLK()                                                                              \
    AFX_ON_WM(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_ON_WM(WM_NCMOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    AFX_ON_WM(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN()                                                                                   \
    AFX_ON_WM(WM_SYSKEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_ON_WM(WM_SYSKEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_ON_WM(WM_SYSCHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED()                                                                               \
    AFX_ON_WM(WM_CAPTURECHANGED, AfxSig_vW, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_GETMINMAXINFO()                                                                                \
    AFX_ON_WM(WM_GETMINMAXINFO, AfxSig_vMINMAX, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_INITMENUPOPUP()                                                                                \
    AFX_ON_WM(WM_INITMENUPOPUP, AfxSig_vMww, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_INITMENU() AFX_ON_WM(WM_INITMENU, AfxSig_vM, void (CWnd::*)(CMenu*), OnInitMenu)
#define ON_WM_MENUSELECT()                                                                                   \
    AFX_ON_WM(WM_MENUSELECT, AfxSig_vwwh, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_SYSCOMMAND() AFX_ON_WM(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_PARENTNOTIFY()                                                                                 \
    AFX_ON_WM(WM_PARENTNOTIFY, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_SHOWWINDOW() AFX_ON_WM(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_ACTIVATE() AFX_ON_WM(WM_ACTIVATE, AfxSig_vwWb, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP() AFX_ON_WM(WM_ACTIVATEAPP, AfxSig_vbd, void (CWnd::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_HSCROLL() AFX_ON_WM(WM_HSCROLL, AfxSig_vwwS, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() AFX_ON_WM(WM_VSCROLL, AfxSig_vwwS, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_NCHITTEST() AFX_ON_WM(WM_NCHITTEST, AfxSig_lp, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_DROPFILES() AFX_ON_WM(WM_DROPFILES, AfxSig_vHDROP, void (CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_QUERYENDSESSION() AFX_ON_WM(WM_QUERYENDSESSION, AfxSig_b, BOOL (CWnd::*)(), OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_ON_WM(WM_ENDSESSION, AfxSig_vb, void (CWnd::*)(BOOL), OnEndSession)
#define ON_WM_ENTERMENULOOP() AFX_ON_WM(WM_ENTERMENULOOP, AfxSig_vb, void (CWnd::*)(BOOL), OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() AFX_ON_WM(WM_EXITMENULOOP, AfxSig_vb, void (CWnd::*)(BOOL), OnExitMenuLoop)
#define ON_WM_ENABLE() AFX_ON_WM(WM_ENABLE, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_SETTINGCHANGE()                                                                                \
    AFX_ON_WM(WM_SETTINGCHANGE, AfxSig_vws, void (CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_HELPINFO() AFX_ON_WM(WM_HELP, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    AFX_ON_WM(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    AFX_ON_WM(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_GETDLGCODE() AFX_ON_WM(WM_GETDLGCODE, AfxSig_wv, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_NCCALCSIZE()                                                                                   \
    AFX_ON_WM(WM_NCCALCSIZE, AfxSig_vCALC, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_COPYDATA()                                                                                     \
    AFX_ON_WM(WM_COPYDATA, AfxSig_bWCDS, BOOL (CWnd::*)(CWnd*, COPYDATASTRUCT*), OnCopyData)

#endif // TANZO_AFX_MSGMAP_H
