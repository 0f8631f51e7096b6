#include "client/TanzoOperation.h"

#include "afx/Collections.h"
#include "afx/MessageBox.h"
#include "client/DataSetFiles.h"
#include "client/TanzoDocData.h"
#include "text/MarkupNode.h"
#include "text/MbcsString.h"

#include <vector>

CTanzoOperation::~CTanzoOperation() {}

CTanzoDocData* CTanzoOperation::GetDocument() const
{
    return dynamic_cast<CTanzoDocData*>(GetOwner());
}

void CTanzoOperation::SaveUserEditsNow()
{
    if (CTanzoDocData* pDocument = GetDocument())
        pDocument->TransferDataSet(dataSetUserEdits, TRUE);
}

void CTanzoOperation::ReportError(int nKind, LPARAM)
{
    switch (nKind)
    {
    case ErrorNotServicePage:
        GetProgress().ShowMessageId(IDS_MAYBE_FAILED, MB_OK);
        break;
    case ErrorAnnouncement:
        GetProgress().ShowMessageId(IDS_REFUSED_BY_SERVICE, MB_OK);
        break;
    default:
        break;
    }
}

BOOL CTanzoOperation::FormHasFields(CMarkupNode* pForm, const CStringList& names)
{
    if (names.IsEmpty())
        return TRUE;
    if (pForm == nullptr)
        return FALSE;
    CPtrList fields;
    for (LPCTSTR tag : {"input", "select", "textarea"})
        pForm->CollectByName(tag, fields);
    std::vector<CString> unmatched;
    for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
        unmatched.push_back(names.GetNext(pos));
    for (POSITION pos = fields.GetHeadPosition(); pos != nullptr && !unmatched.empty();)
    {
        CString name;
        if (!static_cast<CMarkupNode*>(fields.GetNext(pos))->GetAttribute("name", name))
            continue;
        for (auto it = unmatched.begin(); it != unmatched.end(); ++it)
        {
            if (MbsEqualNoCase(*it, name))
            {
                unmatched.erase(it);
                break;
            }
        }
    }
    return unmatched.empty();
}

void CTanzoOperation::ShowError(UINT nID)
{
    GetProgress().ShowMessageId(nID, kErrorBox);
}

void CTanzoOperation::ShowErrorText(LPCTSTR text)
{
    GetProgress().ShowMessage(text, kErrorBox);
}
