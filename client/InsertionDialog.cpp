#include "client/InsertionDialog.h"

#include "afx/Collections.h"
#include "auction/login/PageReaders.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

namespace
{
// Texts of the notice that the listing method must change.
const char kOldMethodRefused[] = "旧出品方法では出品できません";
const char* const kMethodNotices[] = {"新出品方法をご利用いただくか", "以上が新出品を利用しています",
                                      "出品方法の変更をお願い"};
const char kNewMethodButton[] = "新出品方法";
const char kNewMethodScript[] = "document.auction.elements['fnavi'].value='1'";
const char* const kRegistrationButtons[] = {"出品者情報登録", "出品者情報の登録"};
const char kRegistrationScript[] = "/initialedit";

BOOL AttributeContains(const CMarkupNode* node, LPCTSTR name, LPCTSTR text)
{
    CString value;
    return node->GetAttribute(name, value) && value.Find(text) >= 0;
}

template <class Test> BOOL AnyInput(CMarkupNode* below, Test test)
{
    CPtrList inputs;
    below->CollectByName("input", inputs);
    for (POSITION pos = inputs.GetHeadPosition(); pos != nullptr;)
        if (test((const CMarkupNode*)inputs.GetNext(pos)))
            return TRUE;
    return FALSE;
}

CMarkupNode* FindDialogBlock(CHtmlDocument* page)
{
    CPtrList found;
    if (page->FindElements("div", found, "id", "insertion_dlg", MARKUP_FIND_FIRST) ||
        page->FindElements("div", found, "class", "modDlgBoxEle", MARKUP_FIND_FIRST | MARKUP_FIND_CONTAINS))
        return (CMarkupNode*)found.GetHead();
    return nullptr;
}

// The message of the block: its "untBody" text without blanks, one line
// break where the page had blank lines.
void ReadMessage(CMarkupNode* block, CString& out)
{
    out.Empty();
    CMarkupNode* body = block->FindMatching("div", "class", "untBody", TRUE);
    if (body == nullptr)
        return;
    GetNodePlainText(body, out, "\r\n");
    out.TrimLeft();
    out.TrimRight();
    out.Remove(' ');
    out.Remove('\t');
    out.Replace("　", "");
    while (out.Replace("\r\n\r\n", "\r\n") > 0)
    {
    }
}
} // namespace

void CheckInsertionDialog(CHtmlDocument* pPage, BOOL bNewMethod, DWORD& result, CString& text)
{
    result = 0;
    text.Empty();
    CMarkupNode* block = pPage != nullptr ? FindDialogBlock(pPage) : nullptr;
    if (block == nullptr)
    {
        result = InsertionAccepted;
        return;
    }

    CString blockText;
    GetNodePlainText(block, blockText);
    BOOL notice = !bNewMethod && blockText.Find(kOldMethodRefused) >= 0;
    for (const char* words : kMethodNotices)
        notice = notice || blockText.Find(words) >= 0;

    BOOL accepted = TRUE;
    CMarkupNode* form = block->FindByName("form");
    if (form != nullptr)
    {
        accepted =
            !notice && AnyInput(form,
                                [](const CMarkupNode* input)
                                {
                                    CString id, value;
                                    return (input->GetAttribute("id", id) && id == "auc_insertion_ok") ||
                                           (input->GetAttribute("value", value) && value == "開く");
                                });
        if (!accepted && !bNewMethod &&
            AnyInput(form,
                     [](const CMarkupNode* input)
                     {
                         return AttributeContains(input, "value", kNewMethodButton) ||
                                AttributeContains(input, "onclick", kNewMethodScript);
                     }))
            notice = TRUE;
    }

    BOOL registration = FALSE;
    if (notice)
        registration = AnyInput(block,
                                [](const CMarkupNode* input)
                                {
                                    for (const char* words : kRegistrationButtons)
                                        if (AttributeContains(input, "value", words))
                                            return true;
                                    return AttributeContains(input, "onclick", kRegistrationScript) != FALSE;
                                });

    if (accepted)
        result |= InsertionAccepted;
    if (notice)
        result |= InsertionOldMethodNotice;
    if (registration)
        result |= InsertionSellerRegistration;
    if (notice || !accepted)
        ReadMessage(block, text);
}
