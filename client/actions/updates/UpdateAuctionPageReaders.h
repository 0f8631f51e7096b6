#ifndef TANZO_CLIENT_ACTIONS_UPDATEAUCTIONPAGEREADERS_H
#define TANZO_CLIENT_ACTIONS_UPDATEAUCTIONPAGEREADERS_H

#include "afx/wintypes.h"
#include "client/actions/shared/FinalButton.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"

class CHtmlDocument;
class CMarkupNode;

// What the description-addition job reads off the service's pages.

// The confirmation's form: the one named "auction", else the first that
// posts to the update.
CMarkupNode* FindUpdateConfirmForm(CHtmlDocument* pPage);

// The confirmation's final button: by id, class or value; its ".submit("
// call names the charset in its fifth argument.
extern const FinalButtonSpec kUpdateFinalButton;

#endif // TANZO_CLIENT_ACTIONS_UPDATEAUCTIONPAGEREADERS_H
