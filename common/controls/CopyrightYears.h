#ifndef TANZO_CONTROLS_COPYRIGHTYEARS_H
#define TANZO_CONTROLS_COPYRIGHTYEARS_H

#include "afx/String.h"

// The years of the version dialog's notice: the first year alone when it is
// the current one, else the range from it to the current year. A first
// year below 1 is the current year.
CString FormatCopyrightYears(int firstYear, int currentYear);

#endif // TANZO_CONTROLS_COPYRIGHTYEARS_H
