// Asking before the log-in test of an ID, or before a switch to it, and
// telling how it went.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "auction/accounts/UserAccount.h"
#include "client/ClientTestSupport.h"
#include "client/LoginConfirmation.h"

namespace
{
// Answers as the test says and records what it was asked to run.
class CFakeRunner : public CLoginTestRunner
{
public:
    INT_PTR Run(const CUserAccount& account, BOOL bSwitchMode, int nLoginType, BOOL& bAbandoned) override
    {
        ++runs;
        id = (LPCTSTR)account.GetID();
        switchMode = bSwitchMode != FALSE;
        loginType = nLoginType;
        bAbandoned = abandoned;
        return result;
    }

    INT_PTR result = IDOK;
    BOOL abandoned = FALSE;
    int runs = 0;
    std::string id;
    bool switchMode = false;
    int loginType = -1;
};

std::string Formatted(UINT id, LPCTSTR insert)
{
    CString text;
    text.FormatMessage(id, insert);
    return (LPCTSTR)text;
}
} // namespace

TEST(LoginConfirmation, AsksRunsAndTells)
{
    const UINT question = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
    const struct
    {
        const char* name;
        BOOL switchMode;
        int answer;
        INT_PTR result;
        BOOL abandoned;
        BOOL done;
        std::vector<std::string> boxes;
        std::vector<UINT> types;
    } cases[] = {
        {"test succeeds",
         FALSE,
         IDYES,
         IDOK,
         FALSE,
         TRUE,
         {Formatted(873, "demo_seller1"), Text(874)},
         {question, MB_ICONINFORMATION}},
        {"test fails",
         FALSE,
         IDYES,
         IDCANCEL,
         FALSE,
         FALSE,
         {Formatted(873, "demo_seller1"), Text(875)},
         {question, MB_OK}},
        {"test abandoned", FALSE, IDYES, IDCANCEL, TRUE, FALSE, {Formatted(873, "demo_seller1")}, {question}},
        {"test not wanted", FALSE, IDNO, IDOK, FALSE, FALSE, {Formatted(873, "demo_seller1")}, {question}},
        {"switch succeeds",
         TRUE,
         IDYES,
         IDOK,
         FALSE,
         TRUE,
         {Formatted(876, "demo_seller1"), Text(877)},
         {question, MB_ICONINFORMATION}},
        {"switch fails",
         TRUE,
         IDYES,
         IDCANCEL,
         FALSE,
         FALSE,
         {Formatted(876, "demo_seller1"), Text(878)},
         {question, MB_OK}},
        {"switch not wanted",
         TRUE,
         IDCANCEL,
         IDOK,
         FALSE,
         FALSE,
         {Formatted(876, "demo_seller1")},
         {question}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CUserAccount account;
        account.SetID("demo_seller1");
        CFakeRunner runner;
        runner.result = c.result;
        runner.abandoned = c.abandoned;
        CBoxRecorder boxes({c.answer, IDOK});
        EXPECT_EQ(c.done, ConfirmLoginOrSwitch(account, c.switchMode, 3, runner));
        EXPECT_EQ(c.boxes, boxes.texts);
        EXPECT_EQ(c.types, boxes.types);
        const bool ran = c.answer == IDYES;
        EXPECT_EQ(ran ? 1 : 0, runner.runs);
        if (ran)
        {
            EXPECT_EQ("demo_seller1", runner.id);
            EXPECT_EQ(c.switchMode != FALSE, runner.switchMode);
            EXPECT_EQ(3, runner.loginType);
        }
    }
}
