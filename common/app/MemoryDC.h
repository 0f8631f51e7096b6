#ifndef TANZO_APP_MEMORYDC_H
#define TANZO_APP_MEMORYDC_H

// An off-screen buffer for flicker-free painting (Windows builds): draw
// into the memory DC that Create returns, then Flush the painted part to
// the target in one step.

#include "afx/DC.h"
#include "afx/Gdi.h"
#include "afx/ScopedWin.h"
#include "afx/wintypes.h"

#include <memory>

class CMemoryDC
{
public:
    // The target is not owned; nothing is allocated yet.
    explicit CMemoryDC(CDC* pTargetDC);
    virtual ~CMemoryDC();

    // A buffer of cx x cy compatible with the target, replacing any earlier
    // one; null when it can't be made.
    CDC* Create(int cx, int cy);
    // Gives the buffer back; the size becomes 0 x 0.
    void Release();

    void Fill(COLORREF crColor);
    // Limits drawing into the buffer to the target's clip box, so that only
    // the invalid part is painted. FALSE without a buffer, or when the
    // target's clip box is an error or empty.
    BOOL ClipToTarget();
    // Copies the rectangle to the same place on the target.
    BOOL Flush(LPCRECT lpRect, DWORD dwRop = SRCCOPY);

    CDC* GetDC() { return m_memDC.m_hDC != nullptr ? &m_memDC : nullptr; }
    int GetWidth() const { return m_cx; }
    int GetHeight() const { return m_cy; }

private:
    CDC* m_pTargetDC;
    int m_cx = 0;
    int m_cy = 0;
    CDC m_memDC;
    CBitmap m_bitmap;
    std::unique_ptr<CScopedSelectObject> m_pSelectBitmap; // goes before the DC and the bitmap

    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
};

#endif // TANZO_APP_MEMORYDC_H
