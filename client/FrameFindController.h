#ifndef TANZO_CLIENT_FRAMEFINDCONTROLLER_H
#define TANZO_CLIENT_FRAMEFINDCONTROLLER_H

// The main window's search of the current list page (Windows builds): the
// page finds, the status bar tells, the frame's options keep the
// match-case choice.

#include "client/FindController.h"

class CMainFrame;

class CFrameFindController : public CFindController
{
public:
    explicit CFrameFindController(CMainFrame& frame) : m_frame(frame) {}

    BOOL FindText(LPCTSTR lpszText, BOOL bMatchCase, BOOL bUpward, int nStartRow) override;
    void ShowFindStatus(LPCTSTR lpszText) override;

protected:
    COptionSettings* GetOptions() override;

private:
    CMainFrame& m_frame;
};

#endif // TANZO_CLIENT_FRAMEFINDCONTROLLER_H
