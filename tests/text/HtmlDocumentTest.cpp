// The HTML document: parsing on demand, the queries and their flags, the
// form queries, and a document whose source comes from elsewhere.
#include "text/HtmlDocument.h"
#include "afx/Collections.h"
#include "text/MarkupParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{

const char kPage[] = "<html><head><title>My <b>Auction</b> &amp; more</title></head><body>"
                     "<div id=top><br><img src=a.gif></div>"
                     "<table><tr><td class=\"price big\">1,000</td><td class=Price>2,000</td></tr>"
                     "<tr><td>x<br>y</td></tr></table>"
                     "<form name=f><input name=Item value=first><input name=item value=second>"
                     "<input name=plain></form></body></html>"
                     "<p>last";

// Fixture pages are in code page 932, as fetched pages are once converted.
std::string ReadFixture(const char* name)
{
    std::ifstream in(std::string(TANZO_FIXTURES) + "/html/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> Strings(CStringList& list)
{
    std::vector<std::string> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back((const char*)list.GetNext(pos));
    return out;
}

std::vector<std::string> Markups(CPtrList& nodes)
{
    std::vector<std::string> out;
    for (POSITION pos = nodes.GetHeadPosition(); pos != nullptr;)
    {
        CString markup;
        static_cast<CMarkupNode*>(nodes.GetNext(pos))->GetMarkup(markup, FALSE);
        out.push_back((const char*)markup);
    }
    return out;
}

// Counts its parses, and takes its source from elsewhere when asked, as
// the HTTP client's request object does.
class CCountingDocument : public CHtmlDocument
{
public:
    CMarkupParser* CreateParser(CMarkupRoot* pRoot) override
    {
        ++m_nParses;
        return CHtmlDocument::CreateParser(pRoot);
    }
    BOOL LoadSource() override
    {
        ++m_nLoads;
        m_strSource = m_strBody;
        return !m_strSource.IsEmpty();
    }

    int m_nParses = 0;
    int m_nLoads = 0;
    CString m_strBody;
};

} // namespace

TEST(HtmlDocument, ParsesOnceOnTheFirstQuery)
{
    CCountingDocument doc;
    doc.SetSource(kPage);
    EXPECT_EQ(0, doc.m_nParses);
    EXPECT_TRUE(doc.HasElement("td"));
    EXPECT_TRUE(doc.HasElement("form"));
    EXPECT_EQ(1, doc.m_nParses);
    EXPECT_EQ(0, doc.m_nLoads);
    doc.SetSource("<b>x</b>");
    EXPECT_FALSE(doc.HasElement("td"));
    EXPECT_EQ(2, doc.m_nParses);
}

TEST(HtmlDocument, ASourceFromElsewhere)
{
    CCountingDocument doc;
    CString out;
    EXPECT_FALSE(doc.GetElementText("b", out));
    EXPECT_EQ(nullptr, doc.FindElement("b"));
    EXPECT_EQ(0, doc.m_nParses);
    EXPECT_EQ(2, doc.m_nLoads);

    doc.m_strBody = "<b>fetched</b>";
    EXPECT_TRUE(doc.GetElementText("b", out));
    EXPECT_STREQ("<b>fetched</b>", out);
    EXPECT_FALSE(doc.IsSourceEmpty());
    EXPECT_EQ(3, doc.m_nLoads);
}

TEST(HtmlDocument, FindElementsAndItsFlags)
{
    CHtmlDocument doc(kPage);
    struct Case
    {
        const char* tag;
        const char* attrName;
        const char* attrValue;
        int flags;
        std::vector<std::string> found;
    };
    const std::vector<Case> cases = {
        {"td",
         nullptr,
         nullptr,
         0,
         {"<td class=\"price big\"></td>", "<td class=\"Price\"></td>", "<td></td>"}},
        {"TD", "class", nullptr, 0, {"<td class=\"price big\"></td>", "<td class=\"Price\"></td>"}},
        {"td", "class", "price", 0, {"<td class=\"Price\"></td>"}},
        {"td", "class", "price", MARKUP_FIND_CONTAINS, {"<td class=\"price big\"></td>"}},
        {"td",
         "class",
         "",
         MARKUP_FIND_CONTAINS,
         {"<td class=\"price big\"></td>", "<td class=\"Price\"></td>"}},
        {"td", "class", "", 0, {}},
        {"td", nullptr, nullptr, MARKUP_FIND_FIRST, {"<td class=\"price big\"></td>"}},
        {"td", nullptr, nullptr, MARKUP_FIND_FIRST | MARKUP_FIND_PARENT, {"<tr></tr>"}},
        {"td", nullptr, nullptr, MARKUP_FIND_PARENT, {"<tr></tr>", "<tr></tr>", "<tr></tr>"}},
        {"p", nullptr, nullptr, MARKUP_FIND_TOP_LEVEL, {"<p></p>"}},
        {"td", nullptr, nullptr, MARKUP_FIND_TOP_LEVEL, {}},
        // An empty tag finds leaf tags, any other tag elements only.
        {"br", nullptr, nullptr, 0, {"<br>", "<br>"}},
        {"img", "src", "A.GIF", 0, {"<img src=\"a.gif\">"}},
        {"text", nullptr, nullptr, 0, {}},
        {"root", nullptr, nullptr, 0, {}},
        {"", nullptr, nullptr, 0, {}},
        {nullptr, nullptr, nullptr, 0, {}},
    };
    for (const Case& c : cases)
    {
        CPtrList nodes;
        EXPECT_EQ(!c.found.empty(), doc.FindElements(c.tag, nodes, c.attrName, c.attrValue, c.flags))
            << (c.tag ? c.tag : "null") << " " << c.flags;
        EXPECT_EQ(c.found, Markups(nodes)) << (c.tag ? c.tag : "null") << " " << c.flags;
    }

    // The nodes are the document's own, and the list is appended to.
    CPtrList nodes;
    doc.FindElements("p", nodes);
    doc.FindElements("p", nodes);
    ASSERT_EQ(2, nodes.GetCount());
    EXPECT_EQ(nodes.GetHead(), nodes.GetTail());
    EXPECT_EQ(doc.GetRoot(), static_cast<CMarkupNode*>(nodes.GetHead())->GetParent());
}

TEST(HtmlDocument, FindElementGivesACopy)
{
    CHtmlDocument doc(kPage);
    CMarkupNode* table = doc.FindElement("table");
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(nullptr, table->GetParent());
    EXPECT_EQ(3, doc.GetRoot()->FindByName("table")->FindByName("tr")->GetChildCount() + 1);
    table->DeleteAllChildren();
    delete table;
    CString cell;
    EXPECT_TRUE(doc.GetElementText("td", cell, "class", "Price"));
    EXPECT_STREQ("<td class=\"Price\">2,000</td>", cell);

    CMarkupNode* row = doc.FindElement("td", "class", "big", MARKUP_FIND_CONTAINS | MARKUP_FIND_PARENT);
    ASSERT_NE(nullptr, row);
    EXPECT_STREQ("tr", row->GetNameText());
    delete row;
    EXPECT_EQ(nullptr, doc.FindElement("td", nullptr, nullptr, MARKUP_FIND_TOP_LEVEL));
}

TEST(HtmlDocument, FindElementsToListFillsAContainerWithCopies)
{
    CHtmlDocument doc(kPage);
    CMarkupRoot list;
    list.AppendChild(new CMarkupText("old"));
    EXPECT_TRUE(doc.FindElementsToList("input", &list, "name", "item", MARKUP_FIND_FIRST));
    CString markup;
    list.GetMarkup(markup, TRUE);
    EXPECT_STREQ("<input name=\"Item\" value=\"first\"><input name=\"item\" value=\"second\">", markup);
    EXPECT_FALSE(doc.FindElementsToList("select", &list));
    EXPECT_EQ(0, list.GetChildCount());
    EXPECT_FALSE(doc.FindElementsToList("td", nullptr));

    // A container of the document itself: copies of its own matches land
    // in it without the search finding them again.
    CMarkupNode* form = doc.GetRoot()->FindByName("form");
    EXPECT_TRUE(doc.FindElementsToList("td", static_cast<CMarkupElement*>(form)));
    EXPECT_EQ(3, form->GetChildCount());
}

TEST(HtmlDocument, AttributeQueries)
{
    CHtmlDocument doc(kPage);
    CString value("stale");
    // The first match without the attribute is passed over.
    EXPECT_TRUE(doc.GetAttribute("td", "class", value));
    EXPECT_STREQ("price big", value);
    EXPECT_TRUE(doc.GetAttribute("input", "value", value, "name", "ITEM"));
    EXPECT_STREQ("first", value);
    EXPECT_FALSE(doc.GetAttribute("input", "value", value, "name", "plain"));
    EXPECT_TRUE(doc.GetAttribute("div", "id", value, nullptr, nullptr, MARKUP_FIND_FIRST));
    EXPECT_STREQ("top", value);

    CStringList values;
    values.AddTail("kept");
    EXPECT_TRUE(doc.GetAttributes("input", "value", values));
    EXPECT_EQ((std::vector<std::string>{"kept", "first", "second"}), Strings(values));
    CStringList none;
    EXPECT_FALSE(doc.GetAttributes("input", "size", none));
}

TEST(HtmlDocument, MarkupQueries)
{
    CHtmlDocument doc(kPage);
    CString out;
    EXPECT_TRUE(doc.GetElementText("td", out, "class", "big", MARKUP_FIND_CONTAINS));
    EXPECT_STREQ("<td class=\"price big\">1,000</td>", out);
    EXPECT_TRUE(doc.GetElementText("td", out, "class", "big", MARKUP_FIND_CONTAINS | MARKUP_FIND_INNER));
    EXPECT_STREQ("1,000", out);
    EXPECT_TRUE(doc.GetElementText("br", out, nullptr, nullptr, MARKUP_FIND_INNER));
    EXPECT_STREQ("<br>", out);
    EXPECT_TRUE(doc.GetElementText("br", out, nullptr, nullptr, MARKUP_FIND_PARENT | MARKUP_FIND_INNER));
    EXPECT_STREQ("<br><img src=\"a.gif\">", out);
    out = "kept";
    EXPECT_FALSE(doc.GetElementText("select", out));
    EXPECT_STREQ("kept", out);

    CStringList texts;
    EXPECT_TRUE(doc.GetElementTexts("td", texts, nullptr, nullptr, MARKUP_FIND_INNER | MARKUP_FIND_FIRST));
    EXPECT_EQ((std::vector<std::string>{"1,000", "2,000", "x<br>y"}), Strings(texts));
    EXPECT_FALSE(doc.GetElementTexts("", texts));
    EXPECT_FALSE(doc.GetElementTexts("select", texts));
    EXPECT_EQ(3, texts.GetCount());

    EXPECT_TRUE(doc.ElementTextContains("table", "CLASS=\"PRICE"));
    EXPECT_TRUE(doc.ElementTextContains("td", "x<BR>Y"));
    EXPECT_FALSE(doc.ElementTextContains("td", "x<BR>Y", "class", nullptr));
    // The empty text is in every match's markup, but needs a match.
    EXPECT_TRUE(doc.ElementTextContains("td", ""));
    EXPECT_FALSE(doc.ElementTextContains("select", ""));
    EXPECT_FALSE(doc.ElementTextContains("td", nullptr));
}

TEST(HtmlDocument, ElementTextContainsSearchesNestedAndLaterMatches)
{
    CHtmlDocument doc("<div id=a><div id=b><p>Inner 表示</p></div>tail</div>"
                      "<div id=c>second <b>ｶﾅ</b></div>");
    const struct
    {
        const char* text;
        const char* attrValue;
        BOOL found;
    } cases[] = {
        {"inner 表", nullptr, TRUE},
        {"</p></div>TAIL</DIV>", nullptr, TRUE}, // across a nested match's end
        {"<div id=\"c\">SECOND <b>ｶﾅ", nullptr, TRUE},
        {"tail</div><div", nullptr, FALSE}, // between two matches: in neither
        {"inner", "b", TRUE},
        {"tail", "b", FALSE},
        {"ｶﾅ</b>", "c", TRUE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.found, doc.ElementTextContains("div", c.text, c.attrValue ? "id" : nullptr, c.attrValue))
            << c.text;
}

TEST(HtmlDocument, TitleInputValueAndHiddenInputs)
{
    CHtmlDocument doc(ReadFixture("hidden-inputs.html").c_str());
    CString title;
    EXPECT_TRUE(doc.GetTitle(title));
    EXPECT_STREQ("ログイン - オークション", title);

    CString value;
    EXPECT_TRUE(doc.GetInputValue(".done", value));
    EXPECT_STREQ("https://auctions.example.jp/jp/show/mystatus?select=selling&hasWinner=1", value);
    EXPECT_FALSE(doc.GetInputValue(".md5", value));
    EXPECT_TRUE(doc.GetInputValue("login", value));
    EXPECT_STREQ("", value);

    CStringList names, values;
    names.AddTail("stale");
    values.AddTail("stale");
    EXPECT_TRUE(doc.GetHiddenInputs(names, values));
    EXPECT_EQ((std::vector<std::string>{".tries", ".src", ".done", ".albatross", ".md5"}), Strings(names));
    EXPECT_EQ((std::vector<std::string>{
                  "1", "auc", "https://auctions.example.jp/jp/show/mystatus?select=selling&hasWinner=1",
                  "dD0yJnE9Q'x\"y", ""}),
              Strings(values));

    CHtmlDocument none("<form><input type=text name=a></form>");
    EXPECT_FALSE(none.GetHiddenInputs(names, values));
    EXPECT_EQ(0, names.GetCount());
    EXPECT_EQ(0, values.GetCount());
}

TEST(HtmlDocument, TitleKeepsEntitiesAndDropsTags)
{
    CHtmlDocument doc(kPage);
    CString title;
    EXPECT_TRUE(doc.GetTitle(title));
    EXPECT_STREQ("My Auction &amp; more", title);
    CHtmlDocument untitled("<p>x");
    EXPECT_FALSE(untitled.GetTitle(title));
}

TEST(HtmlDocument, SourceTreeAndClear)
{
    CHtmlDocument doc;
    EXPECT_TRUE(doc.IsSourceEmpty());
    EXPECT_FALSE(doc.Parse());
    EXPECT_FALSE(doc.HasElement("p"));
    EXPECT_EQ(CHARSET_UNKNOWN, doc.GetCharset());
    doc.SetCharset(CHARSET_EUCJP);
    EXPECT_EQ(CHARSET_EUCJP, doc.GetCharset());

    // A tree without a source is written out as one.
    CMarkupTagElement* p = new CMarkupTagElement("p");
    p->AppendChild(new CMarkupText("x"));
    EXPECT_TRUE(doc.SetFromElement(p));
    EXPECT_TRUE(doc.IsSourceEmpty());
    CString source;
    doc.GetSource(source);
    EXPECT_STREQ("<p>x</p>", source);
    EXPECT_TRUE(doc.HasElement("p"));
    EXPECT_FALSE(doc.SetFromElement(nullptr));

    // A node of the document's own tree may become the whole of it.
    doc.SetSource("<div><table><tr><td>1</td></tr></table></div>");
    CPtrList tables;
    ASSERT_TRUE(doc.FindElements("table", tables));
    EXPECT_TRUE(doc.SetFromElement(static_cast<CMarkupNode*>(tables.GetHead())));
    EXPECT_FALSE(doc.HasElement("div"));
    EXPECT_TRUE(doc.HasElement("td"));
    EXPECT_FALSE(doc.SetFromElement(doc.GetRoot()));

    doc.Clear();
    EXPECT_TRUE(doc.IsSourceEmpty());
    EXPECT_TRUE(doc.GetRoot()->HasNoChildren());
}

// Parsed texts and values stay in the parse's own copy of the source: a
// node taken out of its tree outlives the document, its source and a
// parse again, and a copy of it or of its attributes carries its own text.
TEST(HtmlDocument, NodesTakenOutOutliveTheirDocument)
{
    std::string source = "<div><p class=\"lead note\" id=first title=\"a=b\">some &amp; text<br>more</p>"
                         "<p>second</p></div>";
    CMarkupNode* pTaken = nullptr;
    CMarkupNode* pCopy = nullptr;
    CMarkupAttributeList attributes;
    {
        CHtmlDocument doc(source.c_str());
        CPtrList paragraphs;
        ASSERT_TRUE(doc.FindElements("p", paragraphs));
        pTaken = static_cast<CMarkupNode*>(paragraphs.GetHead());
        pTaken->GetParent()->RemoveChild(pTaken);
        pCopy = static_cast<CMarkupNode*>(paragraphs.GetTail())->Clone();
        attributes = *pTaken->GetAttributeList();
        doc.SetSource("<p>another page</p>");
        EXPECT_TRUE(doc.HasElement("p"));
    }
    source.assign(source.size(), 'x');

    CString markup;
    pTaken->GetMarkup(markup, TRUE);
    EXPECT_STREQ("<p class=\"lead note\" id=\"first\" title=\"a=b\">some &amp; text<br>more</p>", markup);
    CString value;
    EXPECT_TRUE(pTaken->GetAttribute("title", value));
    EXPECT_STREQ("a=b", value);
    EXPECT_FALSE(pTaken->Matches("p", "class", "NOTE", TRUE));
    EXPECT_TRUE(pTaken->Matches("p", "class", "note", TRUE));
    EXPECT_TRUE(pTaken->Matches("p", "ID", "FIRST", FALSE));
    const CMarkupText* pText = static_cast<const CMarkupText*>(pTaken->FindByType(MARKUP_TEXT));
    ASSERT_NE(nullptr, pText);
    EXPECT_STREQ("some &amp; text", pText->GetText());
    CMarkupNode* pTextCopy = pText->Clone();
    pTaken->SetText("changed");
    EXPECT_STREQ("changed", pText->GetText());
    CString copied;
    pTextCopy->GetMarkup(copied, FALSE);
    EXPECT_STREQ("some &amp; text", copied);
    delete pTextCopy;
    delete pTaken;

    ASSERT_EQ(3, attributes.GetCount());
    EXPECT_STREQ("lead note", attributes.GetAt(0).GetValue());
    CString second;
    pCopy->GetMarkup(second, TRUE);
    EXPECT_STREQ("<p>second</p>", second);
    delete pCopy;
}

// Nodes of several parses in one tree, in turns, and deleted together:
// every parse's memory is given back once, whichever order its nodes go
// in (the sanitizers catch a double or missing release).
TEST(HtmlDocument, ATreeOfNodesFromSeveralParses)
{
    CMarkupRoot mixed;
    {
        CHtmlDocument first("<p>1a</p><p>1b</p><p>1c</p>");
        CHtmlDocument second("<div><p>2a<b>x</b></p></div><p>2b</p>");
        CPtrList a, b;
        ASSERT_TRUE(first.FindElements("p", a));
        ASSERT_TRUE(second.FindElements("p", b));
        for (POSITION pa = a.GetHeadPosition(), pb = b.GetHeadPosition(); pa != nullptr || pb != nullptr;)
        {
            if (pa != nullptr)
                mixed.AppendChild(static_cast<CMarkupNode*>(a.GetNext(pa)));
            if (pb != nullptr)
                mixed.AppendChild(static_cast<CMarkupNode*>(b.GetNext(pb)));
        }
        // The second page parsed again while its old nodes live on.
        second.SetSource("<p>3a</p>");
        CPtrList c;
        ASSERT_TRUE(second.FindElements("p", c));
        mixed.GetChild(1)->AppendChild(static_cast<CMarkupNode*>(c.GetHead()));
    }
    CString markup;
    mixed.GetMarkup(markup, TRUE);
    EXPECT_STREQ("<p>1a</p><p>2a<b>x</b><p>3a</p></p><p>1b</p><p>2b</p><p>1c</p>", markup);
    // A node of the last parse deleted by itself, then the rest at once.
    delete mixed.GetChild(1)->GetChild(2);
    EXPECT_TRUE(mixed.DeleteAllChildren());
    EXPECT_TRUE(mixed.HasNoChildren());
}

TEST(HtmlDocument, PlainTextWithoutScripts)
{
    CHtmlDocument doc("<div id=d>a<script>var x = 1;</script>b<noscript>c</noscript>"
                      "<p>d<!-- e -->&amp;</p><SCRIPT>f</SCRIPT></div>");
    CPtrList divs;
    ASSERT_TRUE(doc.FindElements("div", divs));
    CString text("> ");
    EXPECT_TRUE(GetPlainTextWithoutScripts(static_cast<CMarkupNode*>(divs.GetHead()), text));
    EXPECT_STREQ("> abd&amp;", text);
    // The page itself keeps its scripts.
    EXPECT_TRUE(doc.HasElement("script"));
    CMarkupText leaf("t");
    EXPECT_TRUE(GetPlainTextWithoutScripts(&leaf, text));
    EXPECT_STREQ("> abd&amp;t", text);
    EXPECT_FALSE(GetPlainTextWithoutScripts(nullptr, text));
}

TEST(HtmlDocument, TheGenericDocumentKnowsNoEmptyTags)
{
    CMarkupDocument doc("<item><br></br><value>v</value></item>");
    EXPECT_TRUE(doc.HasElement("br"));
    CString value;
    EXPECT_TRUE(doc.GetElementText("value", value, nullptr, nullptr, MARKUP_FIND_INNER));
    EXPECT_STREQ("v", value);
}
