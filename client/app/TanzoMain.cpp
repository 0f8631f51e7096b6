// The client program's one application object.
#include "client/MainFrame.h"
#include "client/TanzoApp.h"
#include "client/actions/shared/ActionCommands.h"
#include "client/actions/shared/ActionJobs.h"

CTanzoApp theApp;

namespace
{
// The frame and the list pages reach the actions' dialogs and jobs
// through these, for the whole run.
struct CProgramActions
{
    CProgramActions()
    {
        SetActionCommandTarget(&commands);
        SetItemJobs(&jobs);
    }
    ~CProgramActions()
    {
        SetItemJobs(nullptr);
        SetActionCommandTarget(nullptr);
    }
    CActionCommands commands;
    CActionJobs jobs;
} theActions;
} // namespace
