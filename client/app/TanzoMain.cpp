// The client program's one application object.
#include "client/MainFrame.h"
#include "client/TanzoApp.h"
#include "client/actions/ActionCommands.h"

CTanzoApp theApp;

namespace
{
// The frame reaches the actions' dialogs through this, for the whole run.
struct CProgramActions
{
    CProgramActions() { SetActionCommandTarget(&commands); }
    ~CProgramActions() { SetActionCommandTarget(nullptr); }
    CActionCommands commands;
} theActions;
} // namespace
