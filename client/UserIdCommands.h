#ifndef TANZO_CLIENT_USERIDCOMMANDS_H
#define TANZO_CLIENT_USERIDCOMMANDS_H

// The main window's user-ID commands over the account list: the
// management dialog, and the switch to another ID from the ID menu.

#include "afx/wintypes.h"

#include <functional>

class CUserAccount;
class CUserAccountEditor;
class CUserAccountList;

// Runs the dialog over the accounts; TRUE when it ended with OK and the
// current ID is another one now (compared without case), so that the
// lists must be read again.
BOOL ManageUserIds(CUserAccountList& accounts, CUserAccountEditor& dialog);

// The account at nIndex becomes current once confirm (the question and the
// log-in test of the switch) says so; TRUE then.
BOOL SwitchUserId(CUserAccountList& accounts, int nIndex,
                  const std::function<BOOL(const CUserAccount&)>& confirm);

#endif // TANZO_CLIENT_USERIDCOMMANDS_H
