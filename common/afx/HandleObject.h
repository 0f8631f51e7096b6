#ifndef TANZO_AFX_HANDLEOBJECT_H
#define TANZO_AFX_HANDLEOBJECT_H

// The owning wrapper of one kind of handle (Windows builds), written once
// for GDI objects, device contexts, menus and image lists. The object
// destroys the handle it holds when it goes or takes another; copying is
// blocked, moving hands the handle over and leaves the source empty.
// FromHandle gives the object that holds a handle, or a temporary wrapper
// that owns nothing and goes when the thread is idle.
//
// TSlot holds the handle under the member name its class is known by:
//
//   struct TSlot
//   {
//       typedef ... HANDLE_TYPE;
//       HANDLE_TYPE GetHandle() const;
//       void SetHandle(HANDLE_TYPE h);
//       static BOOL DestroyHandle(HANDLE_TYPE h);
//   };
//
// The members are defined once in afx/win32/HandleObjectImpl.h and
// instantiated by the source file of each class.

#include "afx/Object.h"
#include "afx/wintypes.h"

template <class T, class TSlot> class CHandleObject : public CObject, public TSlot
{
public:
    typedef typename TSlot::HANDLE_TYPE HANDLE_TYPE;

    CHandleObject() = default;
    CHandleObject(CHandleObject&& other) noexcept;
    CHandleObject& operator=(CHandleObject&& other) noexcept;
    CHandleObject(const CHandleObject&) = delete;
    CHandleObject& operator=(const CHandleObject&) = delete;
    ~CHandleObject() override;

    // The object holding the handle, else a temporary wrapper; null for a
    // null handle.
    static T* FromHandle(HANDLE_TYPE h);
    // The object holding the handle; null when no object does.
    static T* FromHandlePermanent(HANDLE_TYPE h);
    // Frees this thread's temporary wrappers of the kind.
    static void DeleteTempMap();

    // Takes the handle, destroying the one held before; FALSE for a null
    // one (so that Attach(::CreateXxx(...)) reports the failure).
    BOOL Attach(HANDLE_TYPE h);
    // Gives the handle up without destroying it.
    HANDLE_TYPE Detach();

protected:
    // Destroys the handle held; FALSE when there was none.
    BOOL DestroyHeld();
    // The handle, also through a null object pointer.
    HANDLE_TYPE GetSafeHeld() const;
};

#endif // TANZO_AFX_HANDLEOBJECT_H
