#ifndef TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTPAGEREADERS_H
#define TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTPAGEREADERS_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "client/actions/updates/FeaturedAmountResourceIds.h"

class CFeaturedAmountForm;
class CHtmlDocument;
class CMarkupNode;

// What the featured-amount job reads off the service's pages: its form,
// the amount the confirmation repeats, and the red text of a refusal.

enum
{
    FeaturedAmountMin = 20,
    FeaturedAmountMax = 999,
    FeaturedAmountDefault = 20,
    FeaturedAmountDigits = 3
};

// Results of CheckFeaturedAmountRow: the message that stops the job, or 0.

// An amount within 20..999.
int ClampFeaturedAmount(int nAmount);

// The featured form: the first form whose action holds "editfeatured",
// else "config/featured", else "config_featured"; null when none.
CMarkupNode* FindFeaturedForm(CHtmlDocument* pPage);

// The form has the inputs the job fills ("tos" and "dpd").
BOOL HasFeaturedFields(CMarkupNode* pForm);

// The form still shows the "tos" check box: the service gave the input
// page again instead of the confirmation.
BOOL HasTosCheckBox(CMarkupNode* pForm);

// The form's submit button's value, when it has one, goes out with it.
void CopyFeaturedSubmitValue(CFeaturedAmountForm& form, CMarkupNode* pForm);

// The form's values for the amount: the submit button's value, "tos"
// agreed and "dpd" the amount; FALSE when the amount does not go out as it
// reads.
BOOL PutFeaturedAmount(CFeaturedAmountForm& form, CMarkupNode* pForm, int nAmount);

// The confirmation's row of the amount per day, in the first table of the
// form: 0 when it shows nAmount, else IDS_FEATURED_ROW_MISSING or
// IDS_FEATURED_ROW_DIFFERS.
UINT CheckFeaturedAmountRow(CMarkupNode* pForm, int nAmount);

// The service's refusal: the bold text of the first pure red font that
// has one, trimmed; FALSE when there is none.
BOOL ReadFeaturedErrorText(CHtmlDocument* pPage, CString& out);

#endif // TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTPAGEREADERS_H
