#include "client/actions/updates/UpdateAuctionPageReaders.h"

#include "afx/Collections.h"
#include "text/HtmlDocument.h"

const FinalButtonSpec kUpdateFinalButton = {"btnEditConfirm", "btnEditSubmit", IDS_UPDATE_BUTTON_TEXT,
                                            ".submit(", 4};

CMarkupNode* FindUpdateConfirmForm(CHtmlDocument* pPage)
{
    if (pPage == nullptr)
        return nullptr;
    CPtrList forms;
    if (pPage->FindElements("form", forms, "name", "auction", MARKUP_FIND_FIRST) ||
        pPage->FindElements("form", forms, "action", "config/updateauction",
                            MARKUP_FIND_CONTAINS | MARKUP_FIND_FIRST))
        return static_cast<CMarkupNode*>(forms.GetHead());
    return nullptr;
}
