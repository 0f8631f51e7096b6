#ifndef TANZO_CLIENT_ACTIONS_LISTINGFORMPAGEREADER_H
#define TANZO_CLIENT_ACTIONS_LISTINGFORMPAGEREADER_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CFormFieldSet;
class CHtmlDocument;
class CMarkupNode;

// Reading the service's listing form as a browser would post it: which
// form it is, the boxes its script would tick, the values of its
// controls, and the addresses on its pages.

// Where the link to the old listing form is looked for.
enum : DWORD
{
    OldFormInWarning = 0x1, // inside the page's warning block
    OldFormAnywhere = 0x2,  // among all the page's links
    OldFormSearchAll = OldFormInWarning | OldFormAnywhere
};

// The listing form: the form named "auction", else the one with that id,
// else the first that posts to the preview page; null when none.
CMarkupNode* FindListingFormElement(CHtmlDocument* pPage);

// The form carries the shipping-service inputs of the newer form.
BOOL HasServiceShippingInputs(CMarkupNode* pForm);

// Whether a state input's value means that its service is chosen
// ("true", "yes", "1", "on", "checked", "check", "selected", "select",
// without case). bNoTicks: the value "no" ticks as well.
BOOL IsServiceStateTicked(LPCTSTR value, BOOL bNoTicks);

// What the page's script does before the user sees the newer form: the
// "shippinginput" radio from its state input, the service boxes from
// theirs, and the parcel-shop prefecture of the mini box.
void ApplyServiceStateInputs(CMarkupNode* pForm);

// The values a browser posts, by name and in page order: enabled inputs
// (check boxes and radios only when checked; buttons, images and file
// inputs never; an input of no or of an unknown type as text), enabled
// selects by their selected option and enabled text areas by their text.
// Input values are decoded once, a text area's text not at all. TRUE when
// the form holds an input.
BOOL CollectFormValues(CMarkupNode* pForm, CFormFieldSet& values);

// A description as the form's text area holds it, repaired of entities
// escaped several times over: decoded until nothing changes (at most 101
// passes), "&nbsp;" kept as written.
void DecodeDescriptionEntities(CString& text);

// An address as the page writes it (href, action, onclick), decoded once
// and resolved against the page's address.
CString ResolvePageAddress(LPCTSTR pageUrl, LPCTSTR written);

// The link to the old listing form of the re-listing page: its path is
// the re-listing page's and its "select" is "old". TRUE with the link
// resolved against pageUrl.
BOOL FindOldFormLink(CHtmlDocument* pPage, LPCTSTR pageUrl, DWORD dwSearch, CString& out);

// The address's query parameter equals value without case (decoded).
BOOL QueryParameterIs(LPCTSTR url, LPCTSTR name, LPCTSTR value);

#endif // TANZO_CLIENT_ACTIONS_LISTINGFORMPAGEREADER_H
