#ifndef TANZO_APP_APPSHARENET_H
#define TANZO_APP_APPSHARENET_H

#include "app/AppComm.h"

// The application class between CAppComm and the client's own: a run-time
// class of its own ("CAppShareNet"), no behaviour of its own.
class CAppShareNet : public CAppComm
{
    DECLARE_DYNAMIC(CAppShareNet)
public:
    explicit CAppShareNet(LPCTSTR lpszAppName = nullptr);
    ~CAppShareNet() override;
};

#endif // TANZO_APP_APPSHARENET_H
