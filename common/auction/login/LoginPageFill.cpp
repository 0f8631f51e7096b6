#include "auction/login/LoginPageFill.h"

#include "controls/PageElement.h"

#include <memory>

int FillLoginForm(CPageElementList& page, LPCTSTR id, LPCTSTR password)
{
    std::unique_ptr<CPageElement> pForm = GetPageForm(page, "login_form");
    std::unique_ptr<CPageElementList> pInForm = pForm ? pForm->GetElements() : nullptr;
    CPageElementList& scope = pInForm ? *pInForm : page;
    int filled = 0;
    if (id != nullptr && *id != '\0' && SetPageElementValue(scope, "input", "value", id, "name", "login"))
        filled |= LoginFilledId;
    if (password != nullptr && *password != '\0' &&
        SetPageElementValue(scope, "input", "value", password, "name", "passwd"))
        filled |= LoginFilledPassword;
    return filled;
}

LoginDocument ReadLoginDocument(CPageElementList& page, LPCTSTR url)
{
    LoginDocument document = {url, FALSE, FALSE, FALSE};
    document.hasLoginForm = GetPageForm(page, "login_form") != nullptr;
    document.hasCaptchaForm = GetPageForm(page, "captchaForm") != nullptr;
    document.hasRefresh = FindPageElement(page, "meta", "http-equiv", "refresh", PAGE_FIND_FIRST);
    return document;
}
