#ifndef TANZO_APP_HELPIDRULES_H
#define TANZO_APP_HELPIDRULES_H

#include "afx/wintypes.h"

// The help page of a dialog, as the dialogs that host one another ask it.
class CHelpIdSource
{
public:
    // The id the dialog answers with, by the rules below; 0 for none.
    virtual UINT GetHelpId() = 0;
    // The id the dialog was given itself.
    virtual UINT GetOwnHelpId() const = 0;

protected:
    ~CHelpIdSource() = default;
};

// A dialog's help id: its own; a hosted dialog (a page) without one takes
// the id its host was given. Never the host's GetHelpId: a tabbed dialog
// asks its selected page, which would ask the host again without end.
UINT ResolveHelpId(UINT nOwnHelpId, BOOL bHosted, const CHelpIdSource* pHost);

// A tabbed dialog's help id: its own; without one, the selected page's
// (pSelectedPage null when no page is selected or its window is not made);
// without a page, the dialog's ordinary rule (nBaseRuleId).
UINT ResolveTabbedHelpId(UINT nOwnHelpId, CHelpIdSource* pSelectedPage, UINT nBaseRuleId);

#endif // TANZO_APP_HELPIDRULES_H
