#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afx/String.h"
#include "text/Json.h"
#include "text/MbcsString.h"

namespace
{
const char* const kNoRoot = "<none>";

// The JSON print of what the text reads to, or kNoRoot.
std::string Print(const CJsonDocument& doc)
{
    if (doc.GetRoot() == nullptr)
        return kNoRoot;
    CString text;
    doc.GetRoot()->ToText(text);
    return std::string(text);
}

struct ReadCase
{
    const char* text;
    DWORD options;
    int result;
    const char* printed; // kNoRoot when there is no root
};

TEST(JsonTest, ReadsAndPrints)
{
    const ReadCase cases[] = {
        // Empty texts have no root but are read successfully.
        {"", 0, JSON_PARSE_OK, kNoRoot},
        {" \r\n\t", 0, JSON_PARSE_OK, kNoRoot},
        // Single values.
        {"-12", 0, JSON_PARSE_OK, "-12"},
        {"+7", 0, JSON_PARSE_OK, "7"},
        {"12a", 0, JSON_PARSE_OK, "\"12a\""},
        {"TRUE", 0, JSON_PARSE_OK, "\"TRUE\""},
        {" true ", 0, JSON_PARSE_OK, "true"},
        {"null", 0, JSON_PARSE_OK, "null"},
        {"\"null\"", 0, JSON_PARSE_OK, "\"null\""},
        {"-", 0, JSON_PARSE_OK, "\"-\""},
        {"99999999999", 0, JSON_PARSE_OK, "2147483647"},
        {"-99999999999", 0, JSON_PARSE_OK, "-2147483648"},
        // Containers and separators.
        {"[1,2]", 0, JSON_PARSE_OK, "[1, 2]"},
        {"[]", 0, JSON_PARSE_OK, "[]"},
        {"{}", 0, JSON_PARSE_OK, "{}"},
        {"[1,,2,]", 0, JSON_PARSE_OK, "[1, 2]"},
        {"{\"k\":1}", 0, JSON_PARSE_OK, "{\"k\": 1}"},
        {"{k : v}", 0, JSON_PARSE_OK, "{\"k\": \"v\"}"},
        {"{\"a\":}", 0, JSON_PARSE_OK, "{\"a\": }"},
        {"{\"a\"}", 0, JSON_PARSE_OK, "{\"a\": }"},
        {"{\"u\": \"http://x/?a=1,b=2\"}", 0, JSON_PARSE_OK, "{\"u\": \"http://x/?a=1,b=2\"}"},
        {"[\"a,b\", \"c:d]\"]", 0, JSON_PARSE_OK, "[\"a,b\", \"c:d]\"]"},
        {"{\"a\":{\"b\":[true,false,null,{}]}}", 0, JSON_PARSE_OK,
         "{\"a\": {\"b\": [true, false, null, {}]}}"},
        {"{\"a\": \"x\" [1]}", 0, JSON_PARSE_OK, "{\"a\": [1]}"},
        {"[1] junk", 0, JSON_PARSE_OK, "[1]"},
        // Escapes stay as read; an escaped backslash does not escape the quote.
        {"[\"say \\\"hi\\\"\"]", 0, JSON_PARSE_OK, "[\"say \\\"hi\\\"\"]"},
        {"[\"C:\\\\\", \"D:\\\\\\\\\"]", 0, JSON_PARSE_OK, "[\"C:\\\\\", \"D:\\\\\\\\\"]"},
        // A backslash as the second byte of a character escapes nothing.
        {"[\"表\", \"ソ\", 表]", 0, JSON_PARSE_OK, "[\"表\", \"ソ\", \"表\"]"},
        // A two-byte character cut off by the end of the text is dropped.
        {"[1]\x81", 0, JSON_PARSE_OK, "[1]"},
        // Comments, when allowed.
        {"[1 // one\n, 2]", JSON_ALLOW_LINE_COMMENTS, JSON_PARSE_OK, "[1, 2]"},
        {"[1 // one\n, 2]", 0, JSON_PARSE_OK, "[\"1 // one\", 2]"},
        {"# head\n[1, /* two */ 2]", JSON_ALLOW_HASH_COMMENTS | JSON_ALLOW_BLOCK_COMMENTS, JSON_PARSE_OK,
         "[1, 2]"},
        {"[\"/* kept */\", \"# kept\"]", 0xF, JSON_PARSE_OK, "[\"/* kept */\", \"# kept\"]"},
        // Single quotes, when allowed.
        {"{'k': 'v', \"d\": 'it''s'}", JSON_ALLOW_SINGLE_QUOTES, JSON_PARSE_OK,
         "{'k': 'v', \"d\": 'it\\'\\'s'}"},
        {"['a', \"b's\"]", JSON_ALLOW_SINGLE_QUOTES, JSON_PARSE_OK, "['a', \"b's\"]"},
        {"['a']", 0, JSON_PARSE_OK, "[\"'a'\"]"},
        // Failures.
        {"\"abc", 0, JSON_PARSE_INCOMPLETE, kNoRoot},
        {"[\"C:\\\\\"", 0, JSON_PARSE_INCOMPLETE, kNoRoot},
        {"[\"x\\\"]", 0, JSON_PARSE_INCOMPLETE, kNoRoot},
        {"[1, 2", 0, JSON_PARSE_INCOMPLETE, kNoRoot},
        {"{\"a\": [1, {}]", 0, JSON_PARSE_INCOMPLETE, kNoRoot},
        {"[1 /* open", JSON_ALLOW_BLOCK_COMMENTS, JSON_PARSE_INCOMPLETE, kNoRoot},
        {"{\"a\": [1}", 0, JSON_PARSE_UNMATCHED, kNoRoot},
        {"]", 0, JSON_PARSE_UNMATCHED, kNoRoot},
        {"[1]]", 0, JSON_PARSE_UNMATCHED, kNoRoot},
    };
    for (const ReadCase& c : cases)
    {
        CJsonDocument doc;
        doc.GetOptions().Set(c.options);
        EXPECT_EQ(c.result, doc.Parse(c.text)) << c.text;
        EXPECT_EQ(c.printed, Print(doc)) << c.text;
    }
}

TEST(JsonTest, NullTextAndReplacedRoot)
{
    CJsonDocument doc;
    EXPECT_EQ(0u, doc.GetOptions().Get());
    EXPECT_EQ(nullptr, doc.GetRoot());
    EXPECT_EQ(JSON_PARSE_INCOMPLETE, doc.Parse(nullptr));
    EXPECT_EQ(JSON_PARSE_OK, doc.Parse("[1]"));
    EXPECT_EQ("[1]", Print(doc));
    EXPECT_EQ(JSON_PARSE_OK, doc.Parse("{}"));
    EXPECT_EQ("{}", Print(doc));
    EXPECT_EQ(JSON_PARSE_UNMATCHED, doc.Parse("}"));
    EXPECT_EQ(nullptr, doc.GetRoot());
}

TEST(JsonTest, NestingIsBounded)
{
    CJsonDocument doc;
    std::string deepest = std::string(JSON_MAX_DEPTH, '[') + std::string(JSON_MAX_DEPTH, ']');
    EXPECT_EQ(JSON_PARSE_OK, doc.Parse(deepest.c_str()));
    EXPECT_EQ(deepest, Print(doc));

    std::string deeper = std::string(JSON_MAX_DEPTH + 1, '[') + std::string(JSON_MAX_DEPTH + 1, ']');
    EXPECT_EQ(JSON_PARSE_TOO_DEEP, doc.Parse(deeper.c_str()));
    EXPECT_EQ(nullptr, doc.GetRoot());

    std::string hostile(200000, '{');
    EXPECT_EQ(JSON_PARSE_TOO_DEEP, doc.Parse(hostile.c_str()));
}

TEST(JsonTest, PrintsWhatReadsBackAlike)
{
    // Quotes and trailing backslashes of texts that were not written as JSON
    // strings are escaped, so that the print is one string again.
    CJsonArray array;
    array.Append(new CJsonString("say \"hi\""));
    array.Append(new CJsonString("C:\\"));
    array.Append(new CJsonString("already \\\"escaped\\\""));
    array.Append(new CJsonString("it's", JSON_QUOTE_SINGLE));
    CJsonKeyValue* pMember = new CJsonKeyValue("\"k\"");
    pMember->SetValue(new CJsonInteger(1));
    CJsonObject* pObject = new CJsonObject;
    pObject->Append(pMember);
    array.Append(pObject);
    CString printed;
    array.ToText(printed);
    EXPECT_STREQ(
        "[\"say \\\"hi\\\"\", \"C:\\\\\", \"already \\\"escaped\\\"\", 'it\\'s', {\"\\\"k\\\"\": 1}]",
        printed);

    const struct
    {
        const char* text;
        DWORD options;
    } texts[] = {
        {"[\"say \\\"hi\\\"\", \"C:\\\\\", 'it\\'s', {\"\\\"k\\\"\": 1}]", 0},
        {"[\"say \\\"hi\\\"\", \"C:\\\\\", 'it\\'s', {\"\\\"k\\\"\": 1}]", JSON_ALLOW_SINGLE_QUOTES},
        {"[a\"b]\", \"c\"]", 0},
        {"{\"a\" \"b\": x\\}", 0},
        {"x\\", 0},
        {"{\"a\"b\"c\": 'q\"', k}", JSON_ALLOW_SINGLE_QUOTES},
        {"[\"表\\\\\", ソ\\]", 0},
        {"{'a': {\"b\": ['c', d\"e\"]}}", 0},
        {"{'a': {\"b\": ['c', d\"e\"]}}", JSON_ALLOW_SINGLE_QUOTES},
        {"[1 /* \"x */, # \"\n 2]", JSON_ALLOW_BLOCK_COMMENTS | JSON_ALLOW_HASH_COMMENTS},
    };
    for (const auto& t : texts)
    {
        CJsonDocument first, second;
        first.GetOptions().Set(t.options);
        second.GetOptions().Set(t.options);
        ASSERT_EQ(JSON_PARSE_OK, first.Parse(t.text)) << t.text;
        std::string once = Print(first);
        ASSERT_EQ(JSON_PARSE_OK, second.Parse(once.c_str())) << once;
        EXPECT_EQ(once, Print(second)) << t.text;
    }
}

struct StyleCase
{
    const char* stored;
    int style;
    const char* plain;
};

TEST(JsonTest, PlainTextUndoesEscapes)
{
    const StyleCase cases[] = {
        {"a\\u3042", 3, "aあ"},
        {"a\\u3042", 1, "a\\u3042"},
        {"a\\u3042", 2, "aあ"},
        {"\\u65e5\\u672C", 2, "日本"},
        {"\\u65e5\\u672", 2, "日\\u672"},
        {"say \\\"hi\\\"", 0, "say \\\"hi\\\""},
        {"say \\\"hi\\\"", 1, "say \"hi\""},
        {"C:\\\\", 1, "C:\\"},
        {"a\\/b\\n", 3, "a/b\\n"},
        {"\\\\u0041", 3, "\\u0041"},
        {"\\\\u0041", 2, "\\\\u0041"},
        {"\\\\\\u0041", 3, "\\A"},
        {"it\\'s", 3, "it\\'s"},
        // The backslash of 表 begins no escape.
        {"表u0041", 3, "表u0041"},
        {"表\\u0041", 3, "表A"},
        {"end\\", 3, "end\\"},
    };
    for (const StyleCase& c : cases)
    {
        CJsonString value(c.stored);
        CString plain;
        value.ToTextStyled(plain, c.style);
        EXPECT_STREQ(c.plain, plain) << c.stored << " style " << c.style;
    }

    CJsonString single("it\\'s", JSON_QUOTE_SINGLE);
    CString plain;
    single.ToTextStyled(plain, 1);
    EXPECT_STREQ("it's", plain);
}

TEST(JsonTest, PlainTextIsKeptForTheLastStyle)
{
    CJsonString value("\\u3042\\\\");
    CString plain;
    value.ToTextStyled(plain, 3);
    EXPECT_STREQ("あ\\", plain);
    value.ToTextStyled(plain, 1);
    EXPECT_STREQ("\\u3042\\", plain);
    value.ToTextStyled(plain, 0);
    EXPECT_STREQ("\\u3042\\\\", plain);
    value.SetText("\\u3044");
    value.ToTextStyled(plain, 1);
    EXPECT_STREQ("\\u3044", plain);
    value.ToTextStyled(plain, 3);
    EXPECT_STREQ("い", plain);
}

TEST(JsonTest, MessageOfAPage)
{
    CJsonDocument doc;
    ASSERT_EQ(JSON_PARSE_OK, doc.Parse("{\"code\": 12, \"Message\": \"a\\u3042\"}"));
    CJsonValue* pMessage = doc.GetRoot()->FindValue("message", MATCH_NOCASE);
    ASSERT_NE(nullptr, pMessage);
    CString text;
    pMessage->ToTextStyled(text, 3);
    EXPECT_STREQ("a\x82\xa0", text);

    doc.GetRoot()->ToTextStyled(text, 3);
    EXPECT_STREQ("{code: 12, Message: aあ}", text);
}

TEST(JsonTest, FindMatchesKeysInOrderThenLooksInside)
{
    CJsonDocument doc;
    ASSERT_EQ(JSON_PARSE_OK, doc.Parse("{\"inner\": {\"message\": \"deep\", \"errorCode\": 3},"
                                       " \"empty\": , \"message\": \"top\","
                                       " \"list\": [{\"x\": {\"target\": 1}}]}"));
    const CJsonValue* pRoot = doc.GetRoot();
    struct
    {
        const char* name;
        UINT flags;
        const char* printed; // the found member, or nullptr
    } const cases[] = {
        {"message", 0, "\"message\": \"top\""},
        {"MESSAGE", 0, nullptr},
        {"MESSAGE", MATCH_NOCASE, "\"message\": \"top\""},
        {"rCo", MATCH_CONTAINS, "\"errorCode\": 3"},
        {"CODE", MATCH_CONTAINS | MATCH_NOCASE, "\"errorCode\": 3"},
        {"code", 0, nullptr},
        {"inn", MATCH_PREFIX, "\"inner\": {\"message\": \"deep\", \"errorCode\": 3}"},
        {"Code", MATCH_SUFFIX, "\"errorCode\": 3"},
        {"target", 0, "\"target\": 1"},
        // A member without value is passed over.
        {"empty", 0, nullptr},
        {"absent", 0, nullptr},
    };
    for (const auto& c : cases)
    {
        CJsonKeyValue* pFound = pRoot->Find(c.name, c.flags);
        if (c.printed == nullptr)
        {
            EXPECT_EQ(nullptr, pFound) << c.name;
            continue;
        }
        ASSERT_NE(nullptr, pFound) << c.name;
        CString text;
        pFound->ToText(text);
        EXPECT_STREQ(c.printed, text) << c.name;
    }
    EXPECT_EQ(nullptr, pRoot->FindValue("empty", 0));
    EXPECT_EQ(nullptr, CJsonInteger(1).Find("x", 0));
}

TEST(JsonTest, TypesAndIntegers)
{
    std::unique_ptr<CJsonValue> values[] = {
        std::make_unique<CJsonString>("-42"), std::make_unique<CJsonInteger>(-7),
        std::make_unique<CJsonBoolean>(TRUE), std::make_unique<CJsonKeyValue>("k"),
        std::make_unique<CJsonNull>(),        std::make_unique<CJsonArray>(),
        std::make_unique<CJsonObject>(),
    };
    const int ids[] = {1, 2, 3, 4, 5, 0x10001, 0x10002};
    const char* const names[] = {"string", "integer", "boolean", "key_value", "null", "array", "object"};
    const int ints[] = {-42, -7, 1, 0, 0, 0, 0};
    for (size_t i = 0; i < 7; i++)
    {
        EXPECT_EQ(ids[i], values[i]->GetTypeId());
        CString name;
        values[i]->GetTypeName(name);
        EXPECT_STREQ(names[i], name);
        EXPECT_EQ(ints[i], values[i]->GetInt()) << names[i];
        EXPECT_EQ(i >= 5, values[i]->IsContainer() != FALSE);
    }
    struct
    {
        const char* text;
        int value;
    } const strings[] = {
        {"12", 12}, {"+3", 3}, {"-", 0}, {"1.5", 0}, {"", 0}, {"x", 0}, {"99999999999", 2147483647}};
    for (const auto& s : strings)
        EXPECT_EQ(s.value, CJsonString(s.text).GetInt()) << s.text;
    EXPECT_EQ(0, CJsonBoolean(FALSE).GetInt());
}

TEST(JsonTest, ContainersOwnAndHoldTheirElements)
{
    CJsonArray array;
    CJsonInteger* pOne = new CJsonInteger(1);
    ASSERT_TRUE(array.Append(pOne));
    ASSERT_TRUE(array.Append(new CJsonString("two")));
    EXPECT_EQ(2, array.GetCount());
    EXPECT_EQ(&array, pOne->GetParent());
    EXPECT_EQ(pOne, array.GetAt(0));
    EXPECT_EQ(nullptr, array.GetAt(2));
    EXPECT_EQ(nullptr, array.GetAt(-1));
    EXPECT_EQ(0, array.IndexOf(pOne));
    EXPECT_EQ(-1, array.IndexOf(nullptr));

    // Replacing deletes what was there.
    EXPECT_TRUE(array.SetAtText(1, "zwei"));
    EXPECT_TRUE(array.SetAtInt(0, 10));
    EXPECT_FALSE(array.SetAtText(1, nullptr));
    EXPECT_FALSE(array.SetAtInt(2, 3));
    EXPECT_FALSE(array.SetAt(0, nullptr));
    CString text;
    array.ToText(text);
    EXPECT_STREQ("[10, \"zwei\"]", text);

    // Taken out, a value is the caller's and free to go elsewhere.
    CJsonValue* pTaken = array.GetAt(1);
    EXPECT_TRUE(array.Remove(pTaken));
    EXPECT_EQ(nullptr, pTaken->GetParent());
    EXPECT_FALSE(array.Remove(pTaken));
    EXPECT_FALSE(array.RemoveAt(5));
    CJsonArray other;
    EXPECT_TRUE(other.Append(pTaken));
    // ...but not while it is held.
    EXPECT_FALSE(array.Append(pTaken));
    EXPECT_FALSE(array.SetAt(0, pTaken));

    // Nothing holds itself or what holds it.
    CJsonArray* pInner = new CJsonArray;
    ASSERT_TRUE(array.Append(pInner));
    EXPECT_FALSE(array.Append(&array));
    CJsonArray outer;
    ASSERT_TRUE(outer.Append(new CJsonArray));
    CJsonValue* pChild = outer.GetAt(0);
    EXPECT_FALSE(pChild->Append(&outer));

    // Single values hold nothing.
    CJsonInteger single(1);
    CJsonNull null;
    EXPECT_FALSE(single.Append(&null));
    EXPECT_EQ(0, single.GetCount());
    EXPECT_EQ(nullptr, single.GetAt(0));
    EXPECT_FALSE(single.SetAtInt(0, 1));
}

TEST(JsonTest, ObjectsTakeMembersOnly)
{
    CJsonObject object;
    std::unique_ptr<CJsonNull> pNull(new CJsonNull);
    std::unique_ptr<CJsonString> pString(new CJsonString("x"));
    EXPECT_FALSE(object.Append(pNull.get()));
    EXPECT_FALSE(object.Append(pString.get()));
    CJsonKeyValue* pMember = new CJsonKeyValue("k");
    ASSERT_TRUE(object.Append(pMember));
    EXPECT_FALSE(object.SetAtText(0, "x"));
    EXPECT_EQ(pMember, object.GetAt(0));

    EXPECT_TRUE(pMember->SetValue(new CJsonNull));
    EXPECT_EQ(pMember, pMember->GetValue()->GetParent());
    EXPECT_TRUE(pMember->SetValue(new CJsonInteger(5)));
    std::unique_ptr<CJsonValue> pDetached(pMember->DetachValue());
    EXPECT_EQ(5, pDetached->GetInt());
    EXPECT_EQ(nullptr, pDetached->GetParent());
    EXPECT_EQ(nullptr, pMember->GetValue());
    // A member cannot take what holds it.
    CJsonObject* pHolder = new CJsonObject;
    CJsonKeyValue* pDeep = new CJsonKeyValue("d");
    ASSERT_TRUE(pHolder->Append(pDeep));
    ASSERT_TRUE(pMember->SetValue(pHolder));
    EXPECT_FALSE(pDeep->SetValue(&object));
}

TEST(JsonTest, CloneAndCreateEmpty)
{
    CJsonDocument doc;
    doc.GetOptions().Set(JSON_ALLOW_SINGLE_QUOTES);
    ASSERT_EQ(JSON_PARSE_OK, doc.Parse("{'a': [1, \"x\", true, null, {\"b\": }], \"c\": 'q'}"));
    CJsonValue* pRoot = doc.GetRoot();
    std::unique_ptr<CJsonValue> pCopy(pRoot->Clone());
    CString original, copied;
    pRoot->ToText(original);
    pCopy->ToText(copied);
    EXPECT_STREQ(original, copied);
    EXPECT_NE(pRoot->GetAt(0), pCopy->GetAt(0));
    EXPECT_EQ(nullptr, pCopy->GetParent());
    EXPECT_EQ(pCopy.get(), pCopy->GetAt(0)->GetParent());

    CJsonContainer* pContainer = static_cast<CJsonContainer*>(pRoot);
    std::unique_ptr<CJsonContainer> pEmpty(pContainer->CreateEmpty());
    EXPECT_EQ(JSON_TYPE_OBJECT, pEmpty->GetTypeId());
    EXPECT_EQ(2, pEmpty->GetCount());
    EXPECT_EQ(nullptr, pEmpty->GetAt(0));
    EXPECT_EQ(nullptr, pEmpty->Find("a", 0));
    pEmpty->ToText(copied);
    EXPECT_STREQ("{, }", copied);
}
} // namespace
