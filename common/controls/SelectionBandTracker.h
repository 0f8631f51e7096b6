#ifndef TANZO_CONTROLS_SELECTIONBANDTRACKER_H
#define TANZO_CONTROLS_SELECTIONBANDTRACKER_H

// The state of a list's rubber-band selection (Windows builds): whether a
// drag runs, its anchor, the point the band was last shown at, a point to
// retry on the auto-scroll timer, each row's selection when the drag began
// and the band's window.

#include "afx/Rect.h"
#include "text/BitFlags.h"

#include <memory>
#include <vector>

class CListCtrl;
class CTranslucentPopup;

class CSelectionBandTracker : public CBitFlags
{
public:
    enum
    {
        flagDragging = 0x1, // the mouse is captured
        flagAnchor = 0x2,
        flagCurrent = 0x4,
        flagPending = 0x8
    };

    CSelectionBandTracker();
    ~CSelectionBandTracker() override;

    BOOL IsDragging() const { return TestAny(flagDragging) != 0; }

    void SetAnchor(POINT pt);
    // The anchor stays on the same content while the list scrolls.
    void MoveAnchor(int dx, int dy);
    void SetCurrentPoint(POINT pt);
    void SetPendingPoint(POINT pt);
    BOOL HasAnchor() const { return TestAny(flagAnchor) != 0; }
    BOOL HasPendingPoint() const { return TestAny(flagPending) != 0; }
    const CPoint& GetAnchor() const { return m_ptAnchor; }
    const CPoint& GetCurrentPoint() const { return m_ptCurrent; }
    const CPoint& GetPendingPoint() const { return m_ptPending; }

    // The band from the anchor to the point (the current point when null);
    // FALSE without either or for a band without width or height.
    BOOL GetBandRect(RECT* pRect, const POINT* pPoint = nullptr) const;

    // Each row's selection now; nothing for a single-selection list.
    void SnapshotSelection(CListCtrl* pList);
    // A row's selection when the drag began (0 past the snapshot).
    BOOL WasSelected(int nRow) const;

    CTranslucentPopup* GetBandWindow() const { return m_pBandWindow.get(); }
    void SetBandWindow(std::unique_ptr<CTranslucentPopup> pWindow);
    void DestroyBandWindow();

    // Idle again: no flags, no points, no snapshot.
    void Reset();

private:
    CPoint m_ptAnchor;
    CPoint m_ptCurrent;
    CPoint m_ptPending;
    std::vector<UINT> m_snapshot;
    std::unique_ptr<CTranslucentPopup> m_pBandWindow;

    CSelectionBandTracker(const CSelectionBandTracker&) = delete;
    CSelectionBandTracker& operator=(const CSelectionBandTracker&) = delete;
};

#endif // TANZO_CONTROLS_SELECTIONBANDTRACKER_H
