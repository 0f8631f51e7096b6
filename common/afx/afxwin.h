#ifndef TANZO_AFX_AFXWIN_H
#define TANZO_AFX_AFXWIN_H

// The Windows part of the class library in one include, as MFC's afxwin.h
// (plus the common controls): application, windows, message maps,
// dialogs, frames, documents and views, controls, bars and GDI. Windows
// builds only; portable code includes afx/afx.h, and afx/WinApp.h for the
// profile.

#include "afx/afx.h"

#include "afx/CmdTarget.h"
#include "afx/ColorDialog.h"
#include "afx/CommandLineInfo.h"
#include "afx/CommonControls.h"
#include "afx/ControlBar.h"
#include "afx/Controls.h"
#include "afx/DC.h"
#include "afx/DataExchange.h"
#include "afx/Dialog.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/Gdi.h"
#include "afx/ImageList.h"
#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "afx/Rect.h"
#include "afx/RegKey.h"
#include "afx/ScopedWin.h"
#include "afx/View.h"
#include "afx/WinApp.h"
#include "afx/WinThread.h"
#include "afx/Wnd.h"
#include "afx/afxres.h"

#endif // TANZO_AFX_AFXWIN_H
