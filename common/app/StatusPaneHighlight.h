#ifndef TANZO_APP_STATUSPANEHIGHLIGHT_H
#define TANZO_APP_STATUSPANEHIGHLIGHT_H

// A pane of the status bar dressed as a badge that shows a count or a
// short text and takes no room while there is nothing to show.

#include "afx/wintypes.h"

// The pane operations a highlight uses; the status bar implements them.
class CStatusPaneBar
{
public:
    virtual int GetPaneWidth(int nIndex) const = 0;
    // The width the pane had.
    virtual int SetPaneWidth(int nIndex, int cxWidth) = 0;
    virtual BOOL SetPaneText(int nIndex, LPCTSTR lpszText, BOOL bUpdate) = 0;
    virtual BOOL SetPaneNumber(int nIndex, int nValue, UINT nFormatId, BOOL bUpdate) = 0;
    virtual void AddPaneStyle(int nIndex, UINT nStyle) = 0;
    virtual BOOL SetPaneAlignment(int nIndex, int nAlign, BOOL bRedraw) = 0;
    virtual BOOL SetPaneTextColor(int nIndex, COLORREF crText, BOOL bRedraw) = 0;
    virtual BOOL SetPaneBkColor(int nIndex, COLORREF crBack, BOOL bRedraw) = 0;

protected:
    ~CStatusPaneBar() = default;
};

class CStatusPaneHighlight
{
public:
    CStatusPaneHighlight() = default;
    // The pane is left as it is.
    virtual ~CStatusPaneHighlight() = default;

    void SetStatusBar(CStatusPaneBar* pBar) { m_pBar = pBar; }
    CStatusPaneBar* GetStatusBar() const { return m_pBar; }
    int GetPane() const { return m_nPane; }

    // Holds the pane and keeps its width; FALSE without a bar or when a
    // pane is held already.
    virtual BOOL Begin(int nPane);
    // Values below 2 hide the badge; others show in the kept width.
    BOOL SetNumber(int nValue, UINT nFormatId);
    // An empty text hides the badge; any other shows in the kept width.
    BOOL SetText(LPCTSTR lpszText, BOOL bUpdate);

protected:
    // Dresses the held pane, redrawing it at each step.
    void Dress(int nAlign, COLORREF crText, COLORREF crBack);

private:
    CStatusPaneBar* m_pBar = nullptr;
    int m_nPane = -1;
    int m_cxSaved = 0;

    CStatusPaneHighlight(const CStatusPaneHighlight&) = delete;
    CStatusPaneHighlight& operator=(const CStatusPaneHighlight&) = delete;
};

// Black on white, centred.
class CStatusPaneDarkHighlight : public CStatusPaneHighlight
{
public:
    BOOL Begin(int nPane) override;
};

// Blue on white, to the right.
class CStatusPaneBlueHighlight : public CStatusPaneHighlight
{
public:
    BOOL Begin(int nPane) override;
};

#endif // TANZO_APP_STATUSPANEHIGHLIGHT_H
