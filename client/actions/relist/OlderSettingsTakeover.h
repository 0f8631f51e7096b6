#ifndef TANZO_CLIENT_ACTIONS_OLDERSETTINGSTAKEOVER_H
#define TANZO_CLIENT_ACTIONS_OLDERSETTINGSTAKEOVER_H

#include <functional>

#include "afx/wintypes.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CSubmitPayNormalSettings;
class CSubmitPostSettings;

// An older release kept the payment and the shipping settings of every
// listing in one section each. The detailed re-listing pages take them
// over once: a page whose own section never took them copies them when
// the older section was ever used.

// Runs copy when the page's "InheritRegVal" is 0 and the older section's
// "PermanentStateVal" has the value 1; then marks the page's section, so
// that this happens once whether or not there was anything to copy. TRUE
// when copy ran.
BOOL TakeOverOlderSettings(UINT nPageId, UINT nOlderId, const std::function<void()>& copy);

// The older payment bits ("Aspj", 0x40001 when missing) within dwBits and,
// when the settings keep them, the bank names and other methods.
void TakeOlderPayment(CSubmitPayNormalSettings& settings, UINT nOlderId, DWORD dwBits);

// The older shipping toggles ("ToggleVal") within dwToggles, and whichever
// of who pays, prefecture and city, and shipping time the settings keep.
void TakeOlderShipping(CSubmitPostSettings& settings, UINT nOlderId, DWORD dwToggles);

#endif // TANZO_CLIENT_ACTIONS_OLDERSETTINGSTAKEOVER_H
