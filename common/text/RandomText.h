#ifndef TANZO_TEXT_RANDOMTEXT_H
#define TANZO_TEXT_RANDOMTEXT_H

#include "afx/String.h"

// count random characters: for each, one of digit, lower-case and
// upper-case letter with equal chance, then a member of that class, from
// the runtime's random generator.
void RandomAlphanumeric(int count, CString& out);

#endif // TANZO_TEXT_RANDOMTEXT_H
