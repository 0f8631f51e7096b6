#ifndef TANZO_APP_LAZYPTRLIST_H
#define TANZO_APP_LAZYPTRLIST_H

#include "afx/Collections.h"
#include "afx/wintypes.h"

class CWnd;

// A list of 32-bit values (control ids) that archives as a count and then
// each value in 4 bytes.
class CDWordValueList : public CList<DWORD, DWORD>
{
public:
    CDWordValueList() : CList<DWORD, DWORD>(10) {}
};

// A list of control ids of a window, made on the first AddTail: a dialog
// that never registers one allocates nothing.
class CLazyPtrList
{
public:
    CLazyPtrList() : m_pList(nullptr), m_pWnd(nullptr) {}
    virtual ~CLazyPtrList();

    POSITION AddTail(DWORD value);

    // TRUE unless the cursor lies on a visible child control of the window
    // whose id is listed; also TRUE without a list, a window or a cursor.
    virtual BOOL IsCursorOutside() const;

    // Null until a value was added.
    CDWordValueList* GetList() const { return m_pList; }
    CWnd* GetWindow() const { return m_pWnd; }
    void SetWindow(CWnd* pWnd) { m_pWnd = pWnd; }

protected:
    CDWordValueList* m_pList;
    CWnd* m_pWnd; // the window whose controls are listed; not owned

private:
    CLazyPtrList(const CLazyPtrList&) = delete;
    CLazyPtrList& operator=(const CLazyPtrList&) = delete;
};

#endif // TANZO_APP_LAZYPTRLIST_H
