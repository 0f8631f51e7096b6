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
    // The templates of description additions, kept in the document.
    afx_msg void OnDescriptionTemplates();

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_ACTIONCOMMANDS_H
