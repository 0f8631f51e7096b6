#ifndef TANZO_INSTALL_DISABLECONTROLSSCOPE_H
#define TANZO_INSTALL_DISABLECONTROLSSCOPE_H

// A dialog's controls disabled while it works (Windows builds): the record's
// EnableControls(FALSE) at the start, EnableControls(TRUE) on every way
// out. Without a record it does nothing.

#include "install/InstallationRecord.h"

class CDisableControlsScope
{
public:
    explicit CDisableControlsScope(CInstallationRecord* pRecord) : m_pRecord(pRecord) { Enable(FALSE); }
    ~CDisableControlsScope() { Enable(TRUE); }

    // Before the scope ends: a refusal gives the controls back before it
    // moves the focus.
    void Enable(BOOL bEnable)
    {
        if (m_pRecord != nullptr)
            m_pRecord->EnableControls(bEnable);
    }

private:
    CInstallationRecord* m_pRecord;

    CDisableControlsScope(const CDisableControlsScope&) = delete;
    CDisableControlsScope& operator=(const CDisableControlsScope&) = delete;
};

#endif // TANZO_INSTALL_DISABLECONTROLSSCOPE_H
