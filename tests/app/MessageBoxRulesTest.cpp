// The rules of the program's message box: what a Windows type asks for,
// which button gives which answer, how texts are wrapped and shortened,
// and where its parts go as they grow.
#include "app/MessageBoxRules.h"
#include "TestText.h"
#include "app/DialogResourceIds.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(MessageBoxRulesTest, TypeGivesIconButtonsAndDefault)
{
    const struct
    {
        const char* name;
        UINT type;
        int icon, buttons, defaultButton;
    } cases[] = {
        {"OK", MB_OK, messageIconWarning, messageButtonsOk, 0},
        {"OK and Cancel with the question icon", MB_OKCANCEL | MB_ICONQUESTION, messageIconQuestion,
         messageButtonsOkCancel, 0},
        {"abort, retry, ignore has no set", MB_ABORTRETRYIGNORE, messageIconWarning, messageButtonsOk, 0},
        {"Yes/No/Cancel, third default", MB_YESNOCANCEL | MB_DEFBUTTON3 | MB_ICONHAND, messageIconError,
         messageButtonsYesNoCancel, 2},
        {"Yes/No, second default", MB_YESNO | MB_DEFBUTTON2 | MB_ICONASTERISK, messageIconInformation,
         messageButtonsYesNo, 1},
        {"Retry/Cancel", MB_RETRYCANCEL | MB_ICONEXCLAMATION, messageIconWarning, messageButtonsRetryCancel,
         0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const MessageBoxStyle style = MessageBoxStyleFromType(c.type);
        EXPECT_EQ(c.icon, style.nIconKind);
        EXPECT_EQ(c.buttons, style.nButtonSet);
        EXPECT_EQ(c.defaultButton, style.nDefaultButton);
    }
}

TEST(MessageBoxRulesTest, ButtonsAnswerForTheirSet)
{
    const struct
    {
        int set;
        int control;
        int result;
    } cases[] = {
        {messageButtonsOk, 4117, IDOK},
        {messageButtonsAbort, 4117, IDCANCEL},
        {messageButtonsYesNo, 4118, IDYES},
        {messageButtonsYesNo, 4119, IDNO},
        {messageButtonsYesNo, 4117, 0}, // not a button of the set
        {messageButtonsRetryCancel, 4118, IDRETRY},
        {messageButtonsRetryCancel, 4119, IDCANCEL},
        {messageButtonsYesNoCancel, 4120, IDYES},
        {messageButtonsYesNoCancel, 4121, IDNO},
        {messageButtonsYesNoCancel, 4122, IDCANCEL},
        {messageButtonsOkCancel, 4118, IDOK},
        {messageButtonsOkCancel, 4119, IDCANCEL},
        {99, 4117, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, MessageButtonResult(c.set, c.control)) << c.set << " " << c.control;

    const MessageButton* pButtons = nullptr;
    ASSERT_EQ(2, GetMessageButtons(messageButtonsOkCancel, &pButtons));
    EXPECT_EQ((UINT)IDS_MESSAGE_OK, pButtons[0].nIDText);
    EXPECT_EQ((UINT)IDS_MESSAGE_CANCEL, pButtons[1].nIDText);
    EXPECT_EQ(0, GetMessageButtons(-1, &pButtons));
    EXPECT_EQ(nullptr, pButtons);
}

TEST(MessageBoxRulesTest, BeepFollowsTheIcon)
{
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, MessageBeepType(messageIconWarning));
    EXPECT_EQ((UINT)MB_ICONQUESTION, MessageBeepType(messageIconQuestion));
    EXPECT_EQ((UINT)MB_ICONASTERISK, MessageBeepType(messageIconInformation));
    EXPECT_EQ((UINT)MB_ICONHAND, MessageBeepType(messageIconError));
    EXPECT_EQ(0u, MessageBeepType(7));
}

TEST(MessageBoxRulesTest, MessageIsWrappedAt120Columns)
{
    const CString strShown = WrapMessageText(RepeatText("あ", 150).c_str());
    int nLongest = 0;
    int nLines = 0;
    for (int nStart = 0; nStart <= strShown.GetLength();)
    {
        int nEnd = strShown.Find("\r\n", nStart);
        if (nEnd < 0)
            nEnd = strShown.GetLength();
        nLongest = std::max(nLongest, nEnd - nStart);
        ++nLines;
        nStart = nEnd + 2;
    }
    EXPECT_EQ(3, nLines);
    EXPECT_LE(nLongest, 120);
    EXPECT_EQ(CString("短い文"), WrapMessageText("短い文"));
}

TEST(MessageBoxRulesTest, LabelsAreShortenedAtACharacterBoundary)
{
    const std::string url = "https://auctions.example/" + RepeatText("a", 105); // 130 bytes
    EXPECT_EQ(url.substr(0, 120) + "...",
              std::string((LPCTSTR)FitLabelText(url.c_str(), MESSAGE_URL_MAX_BYTES)));
    EXPECT_EQ(
        "x" + RepeatText("あ", 58) + "...",
        std::string((LPCTSTR)FitLabelText(("x" + RepeatText("あ", 60)).c_str(), MESSAGE_CHECKBOX_MAX_BYTES)));
    EXPECT_EQ(RepeatText("あ", 42) + "...",
              std::string((LPCTSTR)FitLabelText(RepeatText("あ", 43).c_str(), MESSAGE_BANNER_MAX_BYTES)));
    EXPECT_EQ(RepeatText("あ", 60),
              std::string((LPCTSTR)FitLabelText(RepeatText("あ", 60).c_str(), MESSAGE_HEADING_MAX_BYTES)));
}

TEST(MessageBoxRulesTest, PlacesInTheCornerAndAcross)
{
    EXPECT_EQ(CPoint(1920 - 10 - 300, 1040 - 10 - 120),
              CornerPosition(CRect(0, 0, 1920, 1040), CSize(300, 120), 10));
    EXPECT_EQ(CPoint(-1280 + 1280 - 10 - 300, 984 - 10 - 120),
              CornerPosition(CRect(-1280, 0, 0, 984), CSize(300, 120), 10));

    const CRect rcControl(40, 10, 140, 30); // 100 wide
    const struct
    {
        const char* name;
        int cxClient;
        BOOL stretch;
        int left, right;
        CRect expected;
    } cases[] = {
        {"stretched with margins", 400, TRUE, 20, 20, CRect(20, 10, 380, 30)},
        {"margins of 0 are 20", 400, TRUE, 0, -3, CRect(20, 10, 380, 30)},
        {"centred between the margins", 400, FALSE, 40, 20, CRect(160, 10, 260, 30)},
        {"never left of 0", 80, FALSE, 20, 20, CRect(0, 10, 100, 30)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.expected == AlignHorizontally(rcControl, c.cxClient, c.stretch, c.left, c.right));
    }
}

TEST(MessageBoxRulesTest, ControlGrowsToItsTextAndAsksForRoom)
{
    const struct
    {
        const char* name;
        CRect control;
        CSize text;
        int extraW, extraH, dxBase, gap, clientRight;
        CRect grown;
        int dx, dy;
    } cases[] = {
        {"a short text keeps the control, far from the edge", CRect(40, 10, 240, 25), CSize(80, 12), 0, 0, 0,
         10, 400, CRect(40, 10, 240, 25), 0, 25},
        {"a long line widens it to the edge", CRect(40, 10, 240, 25), CSize(400, 15), 0, 0, 0, 10, 300,
         CRect(40, 10, 440, 25), 160, 25},
        {"check square and gap", CRect(40, 10, 140, 25), CSize(100, 15), 20, 0, 0, 10, 400,
         CRect(40, 10, 160, 25), 0, 25},
        {"banner extras", CRect(40, 10, 140, 25), CSize(150, 20), 40, 40, 0, 15, 400, CRect(40, 10, 230, 70),
         0, 75},
        {"within 20 of the edge", CRect(40, 10, 240, 25), CSize(100, 10), 0, 0, 5, 6, 255,
         CRect(40, 10, 240, 25), 10, 21},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const ControlGrowth growth =
            FitControlToTextSize(c.control, c.text, c.extraW, c.extraH, c.dxBase, c.gap, c.clientRight);
        EXPECT_TRUE(c.grown == growth.rcControl) << growth.rcControl.right << " " << growth.rcControl.bottom;
        EXPECT_EQ(c.dx, growth.dx);
        EXPECT_EQ(c.dy, growth.dy);
    }
}
} // namespace
