#ifdef _WIN32
#include "ControlsTestUtil.h"

BEGIN_MESSAGE_MAP(CControlsHost, CDialog)
ON_MESSAGE(WM_EDIT_CHANGING, OnAnnounced)
ON_MESSAGE(WM_EDIT_CHANGED, OnAnnounced)
END_MESSAGE_MAP()
#endif
