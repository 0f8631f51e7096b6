#include "auction/login/LoginFormFieldSet.h"

#include "text/Charset.h"

namespace
{
const LPCTSTR kFieldNames[CLoginFormFieldSet::FieldCount] = {
    ".albatross", ".tries",      ".src",     ".md5",      ".hash",   ".js",        ".last",  "promo",
    ".intl",      ".bypass",     ".partner", ".u",        ".v",      ".challenge", ".yplus", ".emailCode",
    "pkg",        "stepid",      ".ev",      ".protoctl", "hasMsgr", ".chkP",      ".done",  "login",
    "passwd",     ".persistent", ".pd",      "logout",    ".nojs",
};
} // namespace

CLoginFormFieldSet::CLoginFormFieldSet(CHtmlDocument* page) : CFormFieldSet(FieldCount, page, CHARSET_UTF8) {}

CLoginFormFieldSet::~CLoginFormFieldSet() {}

CString CLoginFormFieldSet::GetFieldName(int i) const
{
    return i >= 0 && i < FieldCount ? CString(kFieldNames[i]) : CString();
}

CFormFieldNameIndex& CLoginFormFieldSet::GetNameIndex() const
{
    static CFormFieldNameIndex index;
    return index;
}
