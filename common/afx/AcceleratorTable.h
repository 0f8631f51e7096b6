#ifndef TANZO_AFX_ACCELERATORTABLE_H
#define TANZO_AFX_ACCELERATORTABLE_H

// An accelerator table built at run time (Windows builds), destroyed with
// the object; moving hands it over.

#include "afx/wintypes.h"

#include <utility>

class CAcceleratorTable
{
public:
    CAcceleratorTable() = default;
    CAcceleratorTable(CAcceleratorTable&& other) noexcept : m_hAccel(std::exchange(other.m_hAccel, nullptr))
    {
    }
    CAcceleratorTable& operator=(CAcceleratorTable&& other) noexcept
    {
        if (this != &other)
        {
            Destroy();
            m_hAccel = std::exchange(other.m_hAccel, nullptr);
        }
        return *this;
    }
    CAcceleratorTable(const CAcceleratorTable&) = delete;
    CAcceleratorTable& operator=(const CAcceleratorTable&) = delete;
    ~CAcceleratorTable() { Destroy(); }

    BOOL Create(const ACCEL* pEntries, int nCount)
    {
        Destroy();
        m_hAccel = ::CreateAcceleratorTableA(const_cast<LPACCEL>(pEntries), nCount);
        return m_hAccel != nullptr;
    }
    void Destroy()
    {
        if (m_hAccel != nullptr)
            ::DestroyAcceleratorTable(m_hAccel);
        m_hAccel = nullptr;
    }
    HACCEL GetSafeHandle() const { return m_hAccel; }
    // Turns a key of the table into its WM_COMMAND to hWnd; TRUE when it did.
    BOOL Translate(HWND hWnd, MSG* pMsg) const
    {
        return m_hAccel != nullptr && ::TranslateAcceleratorA(hWnd, m_hAccel, pMsg);
    }

private:
    HACCEL m_hAccel = nullptr;
};

#endif // TANZO_AFX_ACCELERATORTABLE_H
