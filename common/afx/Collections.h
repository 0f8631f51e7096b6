#ifndef TANZO_AFX_COLLECTIONS_H
#define TANZO_AFX_COLLECTIONS_H

// The collection classes: arrays, lists and maps, as templates and as the
// ready-made classes of pointers, objects, strings and numbers.
#include "afx/Array.h"
#include "afx/Elements.h"
#include "afx/List.h"
#include "afx/Map.h"

#endif // TANZO_AFX_COLLECTIONS_H
