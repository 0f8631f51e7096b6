#ifndef TANZO_TESTS_AUCTION_FAKELOGINDIALOGS_H
#define TANZO_TESTS_AUCTION_FAKELOGINDIALOGS_H

// The log-in controller with its dialogs replaced by fakes: each dialog the
// controller makes is recorded and answered by the test's function, which
// may act as the user in the browser would (send a form of the page it
// shows) before it answers.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/login/LoginPageReader.h"
#include "auction/login/LoginStepDialog.h"
#include "net/HttpComm.h"
#include "net/HttpRules.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"
#include "text/UrlEncoding.h"

// What the controller gave a dialog.
struct FakeLoginCall
{
    int kind = -1; // CLoginStepDialog::Kind
    std::string html;
    std::string done;
    std::string startUrl;
    std::string accountId;
    std::string password;
    int timeout = 0;
};

// How a dialog ends.
struct FakeLoginAnswer
{
    INT_PTR result = IDCANCEL;
    DWORD state = 0;
    std::string nextUrl;     // image characters
    std::string loginUserId; // browser log-in: the ID sent in its form
};

class CFakeLoginDialog : public CLoginStepDialog
{
public:
    typedef std::function<FakeLoginAnswer(const FakeLoginCall&)> Answer;

    CFakeLoginDialog(FakeLoginCall call, Answer answer, std::vector<FakeLoginCall>& calls)
        : m_call(std::move(call)), m_answerFn(std::move(answer)), m_calls(calls)
    {
    }

    void SetTimeout(int nSeconds) override { m_call.timeout = nSeconds; }
    void SetStartUrl(LPCTSTR url) override { m_call.startUrl = url; }
    void SetAccount(const CUserAccount& account) override
    {
        m_call.accountId = (LPCTSTR)account.GetID();
        m_call.password = (LPCTSTR)account.GetPassword();
    }
    BOOL GetLoginUserId(CString& out) const override
    {
        out = m_answer.loginUserId.c_str();
        return !out.IsEmpty();
    }
    BOOL GetNextUrl(CString& out) const override
    {
        out = m_answer.nextUrl.c_str();
        return !out.IsEmpty();
    }
    INT_PTR RunModal() override
    {
        m_calls.push_back(m_call);
        if (m_answerFn)
            m_answer = m_answerFn(m_call);
        return m_answer.result;
    }
    DWORD TestState(DWORD dwBits) const override { return m_answer.state & dwBits; }

private:
    FakeLoginCall m_call;
    Answer m_answerFn;
    FakeLoginAnswer m_answer;
    std::vector<FakeLoginCall>& m_calls;
};

class CFakeDialogLoginController : public CAuctionLoginController
{
public:
    explicit CFakeDialogLoginController(CHttpComm* pHttpComm) : CAuctionLoginController(pHttpComm) {}

    CLoginStepDialog* CreateLoginDialog(int nKind, LPCTSTR html, LPCTSTR done, CWnd* pParent) override
    {
        FakeLoginCall call;
        call.kind = nKind;
        call.html = html != nullptr ? html : "";
        call.done = done != nullptr ? done : "";
        return new CFakeLoginDialog(call, answer, calls);
    }

    // Answers every dialog; without one, each is cancelled.
    CFakeLoginDialog::Answer answer;
    std::vector<FakeLoginCall> calls;
};

// A form as a browser sends it: the form named formName (any form when
// empty) of html, its hidden inputs and the filled-in text, password and
// checked inputs, with typed values replacing or adding fields. url and
// body are what the browser would request (body empty for a GET form);
// the action is resolved against the page's base address, else pageUrl.
inline BOOL BuildFormSubmission(const std::string& html, const std::string& pageUrl, const char* formName,
                                const std::map<std::string, std::string>& typed, std::string& url,
                                std::string& body, bool& post)
{
    CHtmlDocument page(html.c_str());
    CMarkupNode* pForm = formName != nullptr && *formName != '\0' ? page.FindElement("form", "name", formName)
                                                                  : page.FindElement("form");
    if (pForm == nullptr)
        return FALSE;
    CHtmlDocument form;
    form.SetFromElement(pForm);
    CString action, method, base;
    form.GetAttribute("form", "action", action);
    form.GetAttribute("form", "method", method);
    if (!page.GetAttribute("base", "href", base))
        base = pageUrl.c_str();
    post = method.CompareNoCase("post") == 0;

    std::map<std::string, std::string> fields;
    std::vector<std::string> order;
    CPtrList inputs;
    form.FindElements("input", inputs);
    for (POSITION pos = inputs.GetHeadPosition(); pos != nullptr;)
    {
        const CMarkupNode* pInput = static_cast<const CMarkupNode*>(inputs.GetNext(pos));
        CString name, type, value;
        pInput->GetAttribute("name", name);
        pInput->GetAttribute("type", type);
        pInput->GetAttribute("value", value);
        if (name.IsEmpty() || type.CompareNoCase("submit") == 0 ||
            (type.CompareNoCase("checkbox") == 0 && !pInput->HasAttribute("checked")))
            continue;
        if (fields.find((LPCTSTR)name) == fields.end())
            order.push_back((LPCTSTR)name);
        fields[(LPCTSTR)name] = (LPCTSTR)value;
    }
    for (const auto& entry : typed)
    {
        if (fields.find(entry.first) == fields.end())
            order.push_back(entry.first);
        fields[entry.first] = entry.second;
    }
    std::string query;
    for (const std::string& name : order)
    {
        CString encodedName, encodedValue;
        UrlEncode(name.c_str(), encodedName);
        UrlEncode(fields[name].c_str(), encodedValue);
        query += (query.empty() ? "" : "&") + std::string(encodedName) + "=" + std::string(encodedValue);
    }
    CString target = ResolveHttpUrl(base, action);
    if (post)
    {
        url = (LPCTSTR)target;
        body = query;
    }
    else
    {
        int mark = target.Find('?');
        url = std::string(mark < 0 ? (LPCTSTR)target : (LPCTSTR)target.Left(mark)) + "?" + query;
        body.clear();
    }
    return TRUE;
}

// Sends what BuildFormSubmission makes on a conversation of its own, as the
// browser would; TRUE when the answer came.
inline BOOL SubmitFormAsBrowser(const std::string& html, const std::string& pageUrl, const char* formName,
                                const std::map<std::string, std::string>& typed, CHttpComm& browser)
{
    std::string url, body;
    bool post = false;
    if (!BuildFormSubmission(html, pageUrl, formName, typed, url, body, post))
        return FALSE;
    browser.Add(CHttpComm::flagQuiet);
    return browser.Request(url.c_str(), post ? body.c_str() : nullptr, FALSE);
}

// Signs in as the user does in the browser: opens the log-in page, lets its
// script put in its value, types the ID and password and sends the form.
inline BOOL SignInAsBrowser(const std::string& startUrl, const std::string& id, const std::string& password,
                            CHttpComm& browser)
{
    browser.Add(CHttpComm::flagQuiet);
    if (!browser.Request(startUrl.c_str(), nullptr, FALSE))
        return FALSE;
    CString page, url, albatross;
    browser.GetBody(page);
    browser.GetUrl(url);
    std::map<std::string, std::string> typed = {{"login", id}, {"passwd", password}};
    if (ReadAlbatrossValue(browser, albatross))
        typed[".albatross"] = (LPCTSTR)albatross;
    return SubmitFormAsBrowser((LPCTSTR)page, (LPCTSTR)url, "login_form", typed, browser);
}

#endif // TANZO_TESTS_AUCTION_FAKELOGINDIALOGS_H
