// The small forms of the item jobs: their field names by number and by
// name, the feedback form's rating words and the list form's body, which
// ends its auction IDs at the first empty one.
#include <gtest/gtest.h>

#include "client/actions/feedback/LeaveFeedbackForm.h"
#include "client/actions/removal/AuctionListForm.h"
#include "client/actions/updates/FeaturedAmountForm.h"
#include "text/Charset.h"

TEST(ClientFormSets, NamesByNumberAndNumbersByName)
{
    CFeaturedAmountForm featured(nullptr, CHARSET_EUCJP);
    CLeaveFeedbackForm feedback(nullptr, CHARSET_EUCJP);
    CAuctionListForm list(nullptr, CHARSET_EUCJP);
    const struct
    {
        const CFormFieldSet& form;
        int count;
        int index;
        const char* name;
    } cases[] = {
        {featured, 15, 0, "tos"},     {featured, 15, 1, "dpd"},    {featured, 15, 3, "aID"},
        {featured, 15, 8, "UEtitle"}, {featured, 15, 12, "md5"},   {featured, 15, 14, "submit"},
        {feedback, 3, 0, "t"},        {feedback, 3, 1, "rating"},  {feedback, 3, 2, "formComment"},
        {list, 53, 0, "action"},      {list, 53, 1, "hasWinner"},  {list, 53, 2, ".done"},
        {list, 53, 3, "aidlist[]"},   {list, 53, 52, "aidlist[]"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.count, c.form.GetFieldCount()) << c.name;
        EXPECT_STREQ(c.name, c.form.GetFieldName(c.index)) << c.index;
    }
    EXPECT_STREQ("", list.GetFieldName(53));
    EXPECT_STREQ("", feedback.GetFieldName(-1));

    // Names are looked up without case; a name given to several fields
    // finds the last of them.
    EXPECT_EQ(8, featured.IndexOfName("uetitle"));
    EXPECT_EQ(2, feedback.IndexOfName("FORMCOMMENT"));
    EXPECT_EQ(52, list.IndexOfName("aidlist[]"));
    EXPECT_EQ(-1, list.IndexOfName("aID"));
}

TEST(ClientFormSets, ObjectsOfOneClassShareTheirNameMap)
{
    CLeaveFeedbackForm first(nullptr, CHARSET_UTF8);
    CLeaveFeedbackForm second(nullptr, CHARSET_SJIS);
    EXPECT_EQ(&first.GetNameIndex(), &second.GetNameIndex());
    EXPECT_EQ(first.IndexOfName("Rating"), second.IndexOfName("rating"));
    CFeaturedAmountForm featured(nullptr, CHARSET_UTF8);
    CAuctionListForm list(nullptr, CHARSET_UTF8);
    EXPECT_NE(&first.GetNameIndex(), &featured.GetNameIndex());
    EXPECT_NE(&featured.GetNameIndex(), &list.GetNameIndex());
    // A name of another class's table is an extra pair here.
    first.SetByName("dpd", "300");
    EXPECT_EQ(1, first.GetExtraCount());
}

TEST(ClientFormSets, RatingWordsAndRefusedValues)
{
    const struct
    {
        int rating;
        BOOL accepted;
        const char* field;
    } cases[] = {
        {1, TRUE, "veryBad"},  {2, TRUE, "bad"},   {3, TRUE, "normal"}, {4, TRUE, "good"},
        {5, TRUE, "veryGood"}, {0, FALSE, "good"}, {6, FALSE, "good"},  {-1, FALSE, "good"},
    };
    for (const auto& c : cases)
    {
        CLeaveFeedbackForm form(nullptr, CHARSET_UTF8);
        form.SetAt(CLeaveFeedbackForm::FieldRating, "good");
        EXPECT_EQ(c.accepted, form.SetRating(c.rating)) << c.rating;
        EXPECT_STREQ(c.field, form.GetAt(CLeaveFeedbackForm::FieldRating)) << c.rating;
    }
}

TEST(ClientFormSets, ListBodyEndsAtTheFirstEmptyID)
{
    const struct
    {
        const char* ids[5]; // fields 3 to 7
        const char* body;
    } cases[] = {
        {{"a1", "a2", nullptr, "a4", nullptr},
         "action=remove&hasWinner=1&.done=x&aidlist%5B%5D=a1&aidlist%5B%5D=a2"},
        {{nullptr, "a2", nullptr, nullptr, nullptr}, "action=remove&hasWinner=1&.done=x"},
        {{"a1", "a2", "a3", "a4", "a5"},
         "action=remove&hasWinner=1&.done=x&aidlist%5B%5D=a1&aidlist%5B%5D=a2&aidlist%5B%5D=a3&aidlist%5B%5D="
         "a4&"
         "aidlist%5B%5D=a5"},
    };
    for (const auto& c : cases)
    {
        CAuctionListForm form(nullptr, CHARSET_UTF8);
        form.SetAt(CAuctionListForm::FieldAction, "remove");
        form.SetAt(CAuctionListForm::FieldHasWinner, "1");
        form.SetAt(CAuctionListForm::FieldDone, "x");
        for (int i = 0; i < 5; ++i)
            form.SetAt(CAuctionListForm::FieldFirstID + i, c.ids[i]);
        CString body;
        form.BuildBody(body);
        EXPECT_STREQ(c.body, body);
    }
}

TEST(ClientFormSets, ListBodyKeepsItsHeadFieldsAndExtraPairs)
{
    CAuctionListForm form(nullptr, CHARSET_UTF8);
    // An empty head field is skipped, not the end of the body.
    form.SetAt(CAuctionListForm::FieldAction, "remove");
    form.SetAt(CAuctionListForm::FieldDone, "http://x/?a=1");
    form.SetAt(CAuctionListForm::FieldFirstID, "b9");
    form.SetAt(CAuctionListForm::FieldFirstID + 50 - 1, "z");
    form.SetByName(".crumb", "k&1");
    CString body;
    EXPECT_TRUE(form.BuildBody(body));
    EXPECT_STREQ("action=remove&.done=http%3A%2F%2Fx%2F%3Fa%3D1&aidlist%5B%5D=b9&.crumb=k%261", body);

    CAuctionListForm empty(nullptr, CHARSET_UTF8);
    EXPECT_FALSE(empty.BuildBody(body));
    EXPECT_STREQ("", body);
}

TEST(ClientFormSets, ListBodyInThePagesCharset)
{
    for (int charset : {CHARSET_UTF8, CHARSET_EUCJP})
    {
        CAuctionListForm form(nullptr, charset);
        form.SetAt(CAuctionListForm::FieldAction, "削除");
        CString body;
        form.BuildBody(body);
        EXPECT_STREQ(charset == CHARSET_UTF8 ? "action=%E5%89%8A%E9%99%A4" : "action=%BA%EF%BD%FC", body);
    }
}
