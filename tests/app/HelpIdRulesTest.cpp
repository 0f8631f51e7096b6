// The help page of dialogs hosted in one another: a page without its own id
// takes the id its host was given, and a tabbed dialog without one asks its
// selected page, so that neither asks the other back.
#include "app/HelpIdRules.h"

#include <gtest/gtest.h>

namespace
{
class CFakeDialog : public CHelpIdSource
{
public:
    explicit CFakeDialog(UINT nOwn) : m_nOwn(nOwn) {}
    UINT GetOwnHelpId() const override { return m_nOwn; }
    UINT m_nOwn;
    int m_nAsked = 0;
};

class CFakePage : public CFakeDialog
{
public:
    CFakePage(UINT nOwn, BOOL bHosted) : CFakeDialog(nOwn), m_bHosted(bHosted) {}
    UINT GetHelpId() override
    {
        if (++m_nAsked > 10)
            return 0xDEAD; // asked round and round
        return ResolveHelpId(m_nOwn, m_bHosted, m_pHost);
    }
    BOOL m_bHosted;
    CHelpIdSource* m_pHost = nullptr;
};

class CFakeTabbed : public CFakeDialog
{
public:
    using CFakeDialog::CFakeDialog;
    UINT GetHelpId() override
    {
        if (++m_nAsked > 10)
            return 0xDEAD;
        return ResolveTabbedHelpId(m_nOwn, m_pSelected, ResolveHelpId(m_nOwn, FALSE, nullptr));
    }
    CHelpIdSource* m_pSelected = nullptr;
};

TEST(HelpIdRulesTest, PagesAndTabbedDialogsAnswerWithoutAskingEachOtherBack)
{
    const struct
    {
        const char* name;
        UINT tabbed, page;
        BOOL selected;
        UINT pageAnswer, tabbedAnswer;
    } cases[] = {
        {"neither has an id", 0, 0, TRUE, 0, 0},     {"page has one", 0, 300, TRUE, 300, 300},
        {"dialog has one", 200, 0, TRUE, 200, 200},  {"both have one", 200, 300, TRUE, 300, 200},
        {"no page selected", 0, 300, FALSE, 300, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFakeTabbed tabbed(c.tabbed);
        CFakePage page(c.page, TRUE);
        page.m_pHost = &tabbed;
        tabbed.m_pSelected = c.selected ? &page : nullptr;
        EXPECT_EQ(c.pageAnswer, page.GetHelpId());
        EXPECT_EQ(c.tabbedAnswer, tabbed.GetHelpId());
        EXPECT_LE(page.m_nAsked, 2);
        EXPECT_LE(tabbed.m_nAsked, 1);
    }
}

TEST(HelpIdRulesTest, OnlyHostedDialogsBorrowAnId)
{
    CFakeTabbed host(500);
    EXPECT_EQ(500u, ResolveHelpId(0, TRUE, &host));
    EXPECT_EQ(0u, ResolveHelpId(0, FALSE, &host));
    EXPECT_EQ(0u, ResolveHelpId(0, TRUE, nullptr)); // the host is no dialog of ours
    EXPECT_EQ(7u, ResolveHelpId(7, TRUE, &host));
}
} // namespace
