#include "app/AppShareNet.h"

IMPLEMENT_DYNAMIC(CAppShareNet, CAppComm)

CAppShareNet::CAppShareNet(LPCTSTR lpszAppName) : CAppComm(lpszAppName) {}

CAppShareNet::~CAppShareNet() = default;
