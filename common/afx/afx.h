#ifndef TANZO_AFX_AFX_H
#define TANZO_AFX_AFX_H

// The portable core of the class library in one include.
#include "afx/wintypes.h"

#include "afx/Archive.h"
#include "afx/CodePage.h"
#include "afx/Collections.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/StringTable.h"
#include "afx/Time.h"

#endif // TANZO_AFX_AFX_H
