// Which help pages link the help's one style sheet.
#include "controls/HelpPages.h"

#include <gtest/gtest.h>

TEST(HelpPagesTest, PagesLinkTheStyleSheetByItsId)
{
    struct Case
    {
        const char* page;
        BOOL bLinks;
    } cases[] = {
        {"<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"410\"></head><body></body></html>",
         TRUE},
        {"<HTML><HEAD><LINK REL=StyleSheet HREF=410></HEAD></HTML>", TRUE},
        {"<head><link rel=\"icon\" href=\"410\"><link href=\"410\" rel=\"stylesheet\"></head>", TRUE},
        {"<head><link rel=\"stylesheet\" href=\"411\"></head>", FALSE},
        {"<head><link rel=\"stylesheet\" href=\"help.css\"></head>", FALSE},
        {"<head><link rel=\"icon\" href=\"410\"></head>", FALSE},
        {"<head><style>@import \"410\";</style></head>", FALSE},
        {"", FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bLinks, LinksHelpStyle(c.page)) << c.page;
}
