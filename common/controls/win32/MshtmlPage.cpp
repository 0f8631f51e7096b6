// The element interface over MSHTML: the document's "all" collection, each
// element's attributes, style and, for forms, submission.
#include "controls/MshtmlPage.h"

#include "afx/ComRef.h"

#include <mshtml.h>

namespace
{
// getAttribute's flag: the value as a string.
const LONG kAttributeAsString = 2;

class CMshtmlElementList : public CPageElementList
{
public:
    explicit CMshtmlElementList(CComRef<IHTMLElementCollection> pCollection)
        : m_pCollection(std::move(pCollection))
    {
    }
    int GetCount() override
    {
        long nLength = 0;
        return SUCCEEDED(m_pCollection->get_length(&nLength)) ? (int)nLength : 0;
    }
    std::unique_ptr<CPageElement> GetAt(int nIndex) override;

private:
    CComRef<IHTMLElementCollection> m_pCollection;
};

std::unique_ptr<CPageElementList> ListOf(IDispatch* pAll)
{
    auto pCollection =
        CComRef<IDispatch>::AddRefOf(pAll).Query<IHTMLElementCollection>(IID_IHTMLElementCollection);
    if (!pCollection)
        return nullptr;
    return std::make_unique<CMshtmlElementList>(std::move(pCollection));
}

class CMshtmlElement : public CPageElement
{
public:
    explicit CMshtmlElement(CComRef<IHTMLElement> pElement) : m_pElement(std::move(pElement)) {}

    CString GetTagName() override
    {
        CBstr tag;
        if (FAILED(m_pElement->get_tagName(tag.Out())))
            return CString();
        return AfxWideToString(tag.Get());
    }
    BOOL GetAttribute(LPCTSTR lpszName, CString& strValue) override
    {
        strValue.Empty();
        CBstr name(lpszName);
        COleVariant value;
        if (FAILED(m_pElement->getAttribute(name.Get(), kAttributeAsString, value)) || value.vt == VT_NULL ||
            value.vt == VT_EMPTY)
            return FALSE;
        if (value.vt != VT_BSTR && FAILED(::VariantChangeType(value, value, 0, VT_BSTR)))
            return FALSE;
        strValue = AfxWideToString(value.bstrVal);
        return TRUE;
    }
    BOOL SetAttribute(LPCTSTR lpszName, LPCTSTR lpszValue) override
    {
        CBstr name(lpszName);
        COleVariant value(lpszValue != nullptr ? lpszValue : "");
        return SUCCEEDED(m_pElement->setAttribute(name.Get(), value, 0));
    }
    BOOL SetDisplay(LPCTSTR lpszValue) override
    {
        CComRef<IHTMLStyle> pStyle;
        if (FAILED(m_pElement->get_style(pStyle.Out())) || !pStyle)
            return FALSE;
        CBstr value(lpszValue != nullptr ? lpszValue : "");
        return SUCCEEDED(pStyle->put_display(value.Get()));
    }
    BOOL Submit() override
    {
        auto pForm = m_pElement.Query<IHTMLFormElement>(IID_IHTMLFormElement);
        return pForm && SUCCEEDED(pForm->submit());
    }
    std::unique_ptr<CPageElementList> GetElements() override
    {
        CComRef<IDispatch> pAll;
        if (FAILED(m_pElement->get_all(pAll.Out())) || !pAll)
            return nullptr;
        return ListOf(pAll.Get());
    }

private:
    CComRef<IHTMLElement> m_pElement;
};

std::unique_ptr<CPageElement> CMshtmlElementList::GetAt(int nIndex)
{
    COleVariant index((long)nIndex);
    COleVariant none;
    CComRef<IDispatch> pItem;
    if (nIndex < 0 || FAILED(m_pCollection->item(index, none, pItem.Out())) || !pItem)
        return nullptr;
    auto pElement = pItem.Query<IHTMLElement>(IID_IHTMLElement);
    if (!pElement)
        return nullptr;
    return std::make_unique<CMshtmlElement>(std::move(pElement));
}
} // namespace

std::unique_ptr<CPageElementList> GetMshtmlElements(IDispatch* pDocument)
{
    auto pHtmlDocument = CComRef<IDispatch>::AddRefOf(pDocument).Query<IHTMLDocument2>(IID_IHTMLDocument2);
    CComRef<IHTMLElementCollection> pAll;
    if (!pHtmlDocument || FAILED(pHtmlDocument->get_all(pAll.Out())) || !pAll)
        return nullptr;
    return std::make_unique<CMshtmlElementList>(std::move(pAll));
}
