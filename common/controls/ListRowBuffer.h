#ifndef TANZO_CONTROLS_LISTROWBUFFER_H
#define TANZO_CONTROLS_LISTROWBUFFER_H

// The off-screen bitmap a list composes its rows in (Windows builds). It
// is kept from row to row and from paint to paint: a bitmap and a DC made
// for every row cost more than drawing the row, under Wine most of all.

#include "afx/DC.h"
#include "app/MemoryDC.h"

#include <memory>

class CListRowBuffer
{
public:
    CListRowBuffer() = default;

    // A DC holding a cx x cy bitmap compatible with pTargetDC, in the
    // state of a DC just made; made again when the size or the colour depth
    // differs from the last one. Null when it can't be made. Every Begin
    // that gave a DC is followed by End.
    CDC* Begin(CDC* pTargetDC, int cx, int cy);
    // Undoes what the row changed in the DC (objects, colours, origin).
    void End();
    void Release();

private:
    // Made anew for each size: its target is only read while it is made.
    std::unique_ptr<CMemoryDC> m_pBuffer;
    int m_nBits = 0;
    int m_nSaved = 0;

    CListRowBuffer(const CListRowBuffer&) = delete;
    CListRowBuffer& operator=(const CListRowBuffer&) = delete;
};

#endif // TANZO_CONTROLS_LISTROWBUFFER_H
