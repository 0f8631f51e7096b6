#include "client/actions/updates/FeaturedAmountPageReaders.h"

#include "afx/LoadText.h"
#include "auction/records/AuctionResourceIds.h"
#include "client/TanzoOperation.h"
#include "client/actions/updates/FeaturedAmountForm.h"
#include "client/actions/updates/FeaturedAmountResourceIds.h"
#include "text/Colors.h"
#include "text/HtmlDocument.h"
#include "text/MbcsString.h"
#include "text/NumberText.h"
#include "text/TextCut.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"

namespace
{

const LPCTSTR kFormKeywords[] = {"editfeatured", "config/featured", "config_featured"};

BOOL Contains(LPCTSTR text, const CString& part)
{
    return !part.IsEmpty() && MbsFind(text, part) >= 0;
}

// A row's text as the page shows it.
CString RowText(const CMarkupNode* pRow)
{
    CString text;
    pRow->GetTextOfType(MARKUP_TEXT, text);
    DecodeHtmlEntities(text);
    return text;
}

// The row's value when it is the amount row: two parts, the label naming
// the amount per day, the value in yen.
BOOL GetAmountRowValue(const CMarkupNode* pRow, CString& value)
{
    const CString text = RowText(pRow);
    CString separator = LoadText(IDS_ROW_SEPARATOR);
    if (!Contains(text, separator))
        separator = ":";
    CStringList parts;
    if (SplitByString(text, separator, parts) != 2)
        return FALSE;
    const CString label = parts.GetHead();
    value = parts.GetTail();
    const BOOL bPerDay =
        Contains(label, LoadText(IDS_ONE_DAY)) || Contains(label, LoadText(IDS_ONE_DAY_FULLWIDTH));
    return bPerDay && Contains(label, LoadText(IDS_AMOUNT)) && Contains(value, LoadText(IDS_YEN));
}
} // namespace

int ClampFeaturedAmount(int nAmount)
{
    if (nAmount <= FeaturedAmountMin)
        return FeaturedAmountMin;
    if (nAmount >= FeaturedAmountMax)
        return FeaturedAmountMax;
    return nAmount;
}

CMarkupNode* FindFeaturedForm(CHtmlDocument* pPage)
{
    if (pPage == nullptr)
        return nullptr;
    for (LPCTSTR keyword : kFormKeywords)
    {
        CPtrList forms;
        if (pPage->FindElements("form", forms, "action", keyword, MARKUP_FIND_CONTAINS | MARKUP_FIND_FIRST))
            return static_cast<CMarkupNode*>(forms.GetHead());
    }
    return nullptr;
}

BOOL HasFeaturedFields(CMarkupNode* pForm)
{
    CStringList names;
    names.AddTail("tos");
    names.AddTail("dpd");
    return CTanzoOperation::FormHasFields(pForm, names);
}

BOOL HasTosCheckBox(CMarkupNode* pForm)
{
    if (pForm == nullptr)
        return FALSE;
    CPtrList inputs;
    pForm->CollectMatching("input", inputs, "name", "tos", FALSE);
    for (POSITION pos = inputs.GetHeadPosition(); pos != nullptr;)
    {
        CString type;
        if (!static_cast<CMarkupNode*>(inputs.GetNext(pos))->GetAttribute("type", type))
            continue;
        type.TrimLeft();
        type.TrimRight();
        if (MbsEqualNoCase(type, "checkbox"))
            return TRUE;
    }
    return FALSE;
}

void CopyFeaturedSubmitValue(CFeaturedAmountForm& form, CMarkupNode* pForm)
{
    if (pForm == nullptr)
        return;
    CPtrList submits;
    pForm->CollectMatching("input", submits, "name", "submit", FALSE);
    CString value;
    if (!submits.IsEmpty() && static_cast<CMarkupNode*>(submits.GetHead())->GetAttribute("value", value))
    {
        DecodeHtmlEntities(value);
        form.SetAt(CFeaturedAmountForm::FieldSubmit, value);
    }
}

BOOL PutFeaturedAmount(CFeaturedAmountForm& form, CMarkupNode* pForm, int nAmount)
{
    CopyFeaturedSubmitValue(form, pForm);
    form.SetAt(CFeaturedAmountForm::FieldTos, "yes");
    form.SetInt(CFeaturedAmountForm::FieldAmount, nAmount);
    return form.GetLength(CFeaturedAmountForm::FieldAmount) <= FeaturedAmountDigits &&
           form.GetInt(CFeaturedAmountForm::FieldAmount) == nAmount;
}

UINT CheckFeaturedAmountRow(CMarkupNode* pForm, int nAmount)
{
    CMarkupNode* pTable = pForm != nullptr ? pForm->FindByName("table") : nullptr;
    if (pTable == nullptr)
        return IDS_FEATURED_ROW_MISSING;
    CPtrList rows;
    pTable->CollectByName("tr", rows);
    for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
    {
        CString value;
        if (!GetAmountRowValue(static_cast<CMarkupNode*>(rows.GetNext(pos)), value))
            continue;
        FilterNumberChars(value);
        return ParseIntSaturated(value) == nAmount ? 0u : (UINT)IDS_FEATURED_ROW_DIFFERS;
    }
    return IDS_FEATURED_ROW_MISSING;
}

BOOL ReadFeaturedErrorText(CHtmlDocument* pPage, CString& out)
{
    if (pPage == nullptr)
        return FALSE;
    CPtrList fonts;
    pPage->FindElements("font", fonts, "color", ColorToHtmlText(RGB(255, 0, 0), FALSE));
    for (POSITION pos = fonts.GetHeadPosition(); pos != nullptr;)
    {
        CMarkupNode* pBold = static_cast<CMarkupNode*>(fonts.GetNext(pos))->FindByName("b");
        if (pBold == nullptr)
            continue;
        CString text;
        pBold->GetTextOfType(MARKUP_TEXT, text);
        DecodeHtmlEntities(text);
        text.TrimLeft();
        text.TrimRight();
        if (text.IsEmpty())
            continue;
        out = text;
        return TRUE;
    }
    return FALSE;
}
