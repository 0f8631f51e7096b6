#ifndef TANZO_CONTROLS_MSHTMLPAGE_H
#define TANZO_CONTROLS_MSHTMLPAGE_H

// The browser's own document behind the element interface of
// PageElement.h (Windows builds).

#include "controls/PageElement.h"

#include <oaidl.h>

#include <memory>

// Every element of the document, in document order; null when the object
// is not an HTML document.
std::unique_ptr<CPageElementList> GetMshtmlElements(IDispatch* pDocument);

#endif // TANZO_CONTROLS_MSHTMLPAGE_H
