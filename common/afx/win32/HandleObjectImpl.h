#ifndef TANZO_AFX_WIN32_HANDLEOBJECTIMPL_H
#define TANZO_AFX_WIN32_HANDLEOBJECTIMPL_H

// The members of CHandleObject, for the source files that instantiate it
// (template class CHandleObject<CMenu, AFX_MENU_HANDLE>;). Internal to the
// library. AfxHandleMap(T*) names this thread's map of the kind.

#include "afx/HandleObject.h"
#include "afx/win32/AfxState.h"

template <class T, class TSlot> CHandleObject<T, TSlot>::CHandleObject(CHandleObject&& other) noexcept
{
    Attach(other.Detach());
}

template <class T, class TSlot>
CHandleObject<T, TSlot>& CHandleObject<T, TSlot>::operator=(CHandleObject&& other) noexcept
{
    if (this != &other)
    {
        // An empty source empties this object too.
        DestroyHeld();
        Attach(other.Detach());
    }
    return *this;
}

template <class T, class TSlot> CHandleObject<T, TSlot>::~CHandleObject()
{
    DestroyHeld();
}

template <class T, class TSlot> T* CHandleObject<T, TSlot>::FromHandle(HANDLE_TYPE h)
{
    return AfxHandleMap(static_cast<T*>(nullptr))
        .FromHandle(h,
                    [](HANDLE_TYPE hNew)
                    {
                        T* p = new T;
                        p->SetHandle(hNew);
                        return p;
                    });
}

template <class T, class TSlot> T* CHandleObject<T, TSlot>::FromHandlePermanent(HANDLE_TYPE h)
{
    return h != nullptr ? AfxHandleMap(static_cast<T*>(nullptr)).LookupPermanent(h) : nullptr;
}

template <class T, class TSlot> void CHandleObject<T, TSlot>::DeleteTempMap()
{
    AfxHandleMap(static_cast<T*>(nullptr)).DeleteTemp();
}

template <class T, class TSlot> BOOL CHandleObject<T, TSlot>::Attach(HANDLE_TYPE h)
{
    if (h == nullptr)
        return FALSE;
    if (h == this->GetHandle())
        return TRUE;
    DestroyHeld();
    this->SetHandle(h);
    AfxHandleMap(static_cast<T*>(nullptr)).SetPermanent(h, static_cast<T*>(this));
    return TRUE;
}

template <class T, class TSlot> typename TSlot::HANDLE_TYPE CHandleObject<T, TSlot>::Detach()
{
    HANDLE_TYPE h = this->GetHandle();
    if (h != nullptr)
        AfxHandleMap(static_cast<T*>(nullptr)).RemovePermanent(h, static_cast<T*>(this));
    this->SetHandle(nullptr);
    return h;
}

template <class T, class TSlot> BOOL CHandleObject<T, TSlot>::DestroyHeld()
{
    if (this->GetHandle() == nullptr)
        return FALSE;
    return TSlot::DestroyHandle(Detach());
}

template <class T, class TSlot> typename TSlot::HANDLE_TYPE CHandleObject<T, TSlot>::GetSafeHeld() const
{
    const CHandleObject* self = AfxLaunder(this);
    return self != nullptr ? self->GetHandle() : nullptr;
}

#endif // TANZO_AFX_WIN32_HANDLEOBJECTIMPL_H
