#include "client/actions/shared/ListingFormPageReader.h"

#include <cstring>

#include "afx/Collections.h"
#include "auction/login/PageReaders.h"
#include "net/FormFieldSet.h"
#include "net/HttpRules.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"
#include "text/MarkupWalk.h"
#include "text/MbcsString.h"
#include "text/TextCut.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"

namespace
{
const char kResubmitPath[] = "/jp/show/resubmit";
const char kPreviewPath[] = "/jp/show/preview";
const int kMaxDescriptionPasses = 101;

// Each shipping service keeps its state in an input found by id and shows
// it as a box found by name.
const struct
{
    const char* stateId;
    const char* boxName;
} kServiceStates[] = {
    {"nekoposu", "is_yahuneko_nekoposu_ship"},
    {"compact", "is_yahuneko_taqbin_compact_ship"},
    {"taqbin", "is_yahuneko_taqbin_ship"},
    {"hacoboon", "is_hb_ship"},
    {"hbmini", "is_hbmini_ship"},
    {"yupacket", "is_jp_yupacket_official_ship"},
    {"yupack", "is_jp_yupack_official_ship"},
};
const char kMiniStateId[] = "hbmini";

CMarkupNode* FirstElement(CHtmlDocument* pPage, LPCTSTR tag, LPCTSTR attrName, LPCTSTR attrValue, int flags)
{
    CPtrList nodes;
    if (pPage == nullptr || !pPage->FindElements(tag, nodes, attrName, attrValue, flags | MARKUP_FIND_FIRST))
        return nullptr;
    return static_cast<CMarkupNode*>(nodes.GetHead());
}

// The elements of a tag below a node whose attribute equals the value
// (without case).
void CollectWith(CMarkupNode* pBelow, LPCTSTR tag, LPCTSTR attrName, LPCTSTR attrValue, CPtrList& out)
{
    pBelow->CollectMatching(tag, out, attrName, attrValue, FALSE);
}

CString AttributeOf(const CMarkupNode* pNode, LPCTSTR name)
{
    CString value;
    pNode->GetAttribute(name, value);
    return value;
}

BOOL IsEnabled(const CMarkupNode* pNode)
{
    return !pNode->HasAttribute("disabled");
}

// Sets or removes a flag attribute ("checked", "selected") on each node of
// the list by whether pick says so.
template <class Pick> void SetFlagAttribute(CPtrList& nodes, LPCTSTR flag, Pick pick)
{
    for (POSITION pos = nodes.GetHeadPosition(); pos != nullptr;)
    {
        CMarkupNode* pNode = static_cast<CMarkupNode*>(nodes.GetNext(pos));
        if (pick(pNode))
            pNode->SetAttribute(flag, nullptr);
        else
            pNode->RemoveAttribute(flag);
    }
}

// The value of the input with that id below the form; FALSE without one.
BOOL StateValue(CMarkupNode* pForm, LPCTSTR id, CString& out)
{
    CPtrList inputs;
    CollectWith(pForm, "input", "id", id, inputs);
    if (inputs.IsEmpty())
        return FALSE;
    out = AttributeOf(static_cast<CMarkupNode*>(inputs.GetHead()), "value");
    DecodeHtmlEntities(out);
    return TRUE;
}

// What a browser posts for a select: its selected option's value, or the
// option's text when it has none.
BOOL SelectedOptionValue(CMarkupNode* pSelect, CString& out)
{
    CPtrList options;
    pSelect->CollectByName("option", options);
    for (POSITION pos = options.GetHeadPosition(); pos != nullptr;)
    {
        const CMarkupNode* pOption = static_cast<const CMarkupNode*>(options.GetNext(pos));
        if (!pOption->HasAttribute("selected"))
            continue;
        if (pOption->GetAttribute("value", out))
        {
            DecodeHtmlEntities(out);
        }
        else
        {
            out.Empty();
            GetNodePlainText(pOption, out);
            out.TrimLeft();
            out.TrimRight();
        }
        return TRUE;
    }
    return FALSE;
}

// An input that a browser posts as its value alone.
BOOL IsPostedAsText(const CString& type)
{
    for (LPCTSTR skipped : {"checkbox", "radio", "submit", "button", "image", "reset", "file"})
        if (type.CompareNoCase(skipped) == 0)
            return FALSE;
    return TRUE;
}
} // namespace

CMarkupNode* FindListingFormElement(CHtmlDocument* pPage)
{
    CMarkupNode* pForm = FirstElement(pPage, "form", "name", "auction", 0);
    if (pForm == nullptr)
        pForm = FirstElement(pPage, "form", "id", "auction", 0);
    if (pForm == nullptr)
        pForm = FirstElement(pPage, "form", "action", kPreviewPath, MARKUP_FIND_CONTAINS);
    return pForm;
}

BOOL HasServiceShippingInputs(CMarkupNode* pForm)
{
    if (pForm == nullptr)
        return FALSE;
    CPtrList inputs;
    CollectWith(pForm, "input", "name", "is_other_ship", inputs);
    CollectWith(pForm, "input", "name", "shippinginput", inputs);
    return !inputs.IsEmpty();
}

BOOL IsServiceStateTicked(LPCTSTR value, BOOL bNoTicks)
{
    if (value == nullptr)
        return FALSE;
    CString word(value);
    word.TrimLeft();
    word.TrimRight();
    for (LPCTSTR tick : {"true", "yes", "1", "on", "checked", "check", "selected", "select"})
        if (word.CompareNoCase(tick) == 0)
            return TRUE;
    return bNoTicks && word.CompareNoCase("no") == 0;
}

void ApplyServiceStateInputs(CMarkupNode* pForm)
{
    if (pForm == nullptr)
        return;
    CString input;
    if (StateValue(pForm, "shippinginput", input))
    {
        // The radio of the state's value is the one chosen.
        CPtrList radios;
        CollectWith(pForm, "input", "type", "radio", radios);
        for (POSITION pos = radios.GetHeadPosition(); pos != nullptr;)
        {
            CMarkupNode* pRadio = static_cast<CMarkupNode*>(radios.GetNext(pos));
            if (MbsCompareNoCase(AttributeOf(pRadio, "name"), "shippinginput") != 0)
                continue;
            if (MbsCompareNoCase(AttributeOf(pRadio, "value"), input) == 0)
                pRadio->SetAttribute("checked", nullptr);
            else
                pRadio->RemoveAttribute("checked");
        }
    }

    BOOL bMiniTicked = FALSE;
    for (const auto& service : kServiceStates)
    {
        const BOOL bMini = strcmp(service.stateId, kMiniStateId) == 0;
        CString state;
        if (!StateValue(pForm, service.stateId, state) || !IsServiceStateTicked(state, bMini))
            continue;
        CPtrList boxes;
        CollectWith(pForm, "input", "name", service.boxName, boxes);
        SetFlagAttribute(boxes, "checked", [](CMarkupNode*) { return TRUE; });
        bMiniTicked = bMiniTicked || (bMini && !boxes.IsEmpty());
    }
    CString prefecture;
    if (!bMiniTicked || !StateValue(pForm, "hbminipref", prefecture))
        return;
    CPtrList selects;
    CollectWith(pForm, "select", "name", "selectedHacoboonMiniCvsPref", selects);
    for (POSITION pos = selects.GetHeadPosition(); pos != nullptr;)
    {
        CPtrList options;
        static_cast<CMarkupNode*>(selects.GetNext(pos))->CollectByName("option", options);
        SetFlagAttribute(options, "selected",
                         [&](CMarkupNode* pOption)
                         { return MbsCompareNoCase(AttributeOf(pOption, "value"), prefecture) == 0; });
    }
}

BOOL CollectFormValues(CMarkupNode* pForm, CFormFieldSet& values)
{
    if (pForm == nullptr)
        return FALSE;
    BOOL bAnyInput = FALSE;
    MarkupWalk::Find(pForm,
                     [&](CMarkupNode* pNode)
                     {
                         if (pNode->GetType() == MARKUP_TEXT)
                             return false;
                         const BOOL bInput = pNode->IsNamed("input");
                         bAnyInput = bAnyInput || bInput;
                         if (!bInput && !pNode->IsNamed("select") && !pNode->IsNamed("textarea"))
                             return false;
                         CString name;
                         if (!IsEnabled(pNode) || !pNode->GetAttribute("name", name) || name.IsEmpty())
                             return false;
                         DecodeHtmlEntities(name);
                         CString value;
                         if (bInput)
                         {
                             const CString type = AttributeOf(pNode, "type");
                             const BOOL bChoice =
                                 type.CompareNoCase("checkbox") == 0 || type.CompareNoCase("radio") == 0;
                             if (!(IsPostedAsText(type) || (bChoice && pNode->HasAttribute("checked"))) ||
                                 !pNode->GetAttribute("value", value))
                                 return false;
                             DecodeHtmlEntities(value);
                         }
                         else if (pNode->IsNamed("select"))
                         {
                             if (!SelectedOptionValue(pNode, value))
                                 return false;
                         }
                         else
                         {
                             pNode->GetTextOfType(MARKUP_TEXT, value);
                         }
                         values.SetByName(name, value);
                         return false;
                     });
    return bAnyInput;
}

void DecodeDescriptionEntities(CString& text)
{
    for (int i = 0; i < kMaxDescriptionPasses && DecodeHtmlEntities(text, TRUE); ++i)
    {
    }
}

CString ResolvePageAddress(LPCTSTR pageUrl, LPCTSTR written)
{
    CString address(written != nullptr ? written : "");
    DecodeHtmlEntities(address);
    address.TrimLeft();
    address.TrimRight();
    if (address.IsEmpty())
        return address;
    return ResolveHttpUrl(pageUrl != nullptr ? pageUrl : "", address);
}

BOOL QueryParameterIs(LPCTSTR url, LPCTSTR name, LPCTSTR value)
{
    CString found;
    return GetQueryParameter(url, name, found, TRUE) && found.CompareNoCase(value) == 0;
}

BOOL FindOldFormLink(CHtmlDocument* pPage, LPCTSTR pageUrl, DWORD dwSearch, CString& out)
{
    auto search = [&](CMarkupNode* pBelow)
    {
        CPtrList links;
        pBelow->CollectByName("a", links);
        for (POSITION pos = links.GetHeadPosition(); pos != nullptr;)
        {
            CString href;
            if (!static_cast<CMarkupNode*>(links.GetNext(pos))->GetAttribute("href", href))
                continue;
            CString address = ResolvePageAddress(pageUrl, href);
            CString path = address;
            KeepBeforeChar(path, '?');
            if (MbsFind(path, kResubmitPath) >= 0 && QueryParameterIs(address, "select", "old"))
            {
                out = address;
                return TRUE;
            }
        }
        return FALSE;
    };
    if (pPage == nullptr)
        return FALSE;
    if (dwSearch & OldFormInWarning)
    {
        CMarkupNode* pWarning = FirstElement(pPage, "div", "id", "old_warning", 0);
        if (pWarning != nullptr && search(pWarning))
            return TRUE;
    }
    if (dwSearch & OldFormAnywhere)
    {
        if (pPage->GetRoot()->HasNoChildren())
            pPage->Parse();
        return search(pPage->GetRoot());
    }
    return FALSE;
}
