#ifndef TANZO_CLIENT_ACTIONS_ACTIONCOMMANDS_H
#define TANZO_CLIENT_ACTIONS_ACTIONCOMMANDS_H

// The main frame's menu commands whose dialogs live with the item actions
// (Windows builds); the program hands it to the frame at start-up
// (SetActionCommandTarget).

#include "afx/CmdTarget.h"

class CActionCommands : public CCmdTarget
{
public:
    CActionCommands();
    ~CActionCommands() override;

protected:
    // The common re-listing settings, edited and stored only.
    afx_msg void OnResubmitSettings();
    // The manager of one of the document's template sets: description
    // additions, ratings as seller or as buyer.
    afx_msg void OnTemplates(UINT nID);

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_ACTIONCOMMANDS_H
