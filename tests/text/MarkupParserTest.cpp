// The HTML parser and its tag table: how loosely written pages become a
// tree, what stays text, strict modes, the generic markup parser, and
// inputs that must neither crash nor hang it.
#include "text/MarkupParser.h"
#include "afx/String.h"
#include "text/HtmlParser.h"
#include "text/HtmlTagTable.h"
#include "text/MarkupNode.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace
{

// A compact picture of a tree: element(children), <leaf tag>, "text",
// !comment; attributes as [name=value] or [name].
std::string Dump(const CMarkupNode* node)
{
    std::string s;
    CString name;
    node->GetName(name);
    switch (node->GetType())
    {
    case MARKUP_TEXT:
        return "\"" + std::string((const char*)static_cast<const CMarkupText*>(node)->GetText()) + "\"";
    case MARKUP_COMMENT:
        return "!" + std::string((const char*)static_cast<const CMarkupComment*>(node)->GetText());
    case MARKUP_TAG:
        s = "<" + std::string((const char*)name);
        break;
    case MARKUP_TAG_ELEMENT:
        s = (const char*)name;
        break;
    }
    if (const CMarkupAttributeList* attrs = node->GetAttributeList())
        for (int i = 0; i < attrs->GetCount(); ++i)
        {
            s += "[" + std::string((const char*)attrs->GetAt(i).GetName());
            if (attrs->GetAt(i).HasValue())
                s += "=" + std::string((const char*)attrs->GetAt(i).GetValue());
            s += "]";
        }
    if (node->GetType() == MARKUP_TAG)
        return s + ">";
    if (node->IsLeaf())
        return s;
    std::string children;
    for (int i = 0; i < node->GetChildCount(); ++i)
        children += (i ? " " : "") + Dump(node->GetChild(i));
    if (node->GetType() == MARKUP_ROOT)
        return children;
    return s + "(" + children + ")";
}

std::string ParseDump(const std::string& html)
{
    CMarkupRoot root;
    CHtmlParser parser(&root);
    EXPECT_EQ(MARKUP_PARSE_DONE, parser.Parse(html.c_str(), (int)html.size()));
    return Dump(&root);
}

CString ParseMarkup(const std::string& html)
{
    CMarkupRoot root;
    CHtmlParser(&root).Parse(html.c_str(), (int)html.size());
    CString out;
    root.GetMarkup(out, TRUE);
    return out;
}

// Fixture pages are in code page 932, as fetched pages are once converted.
std::string ReadFixture(const char* name)
{
    std::ifstream in(std::string(TANZO_FIXTURES) + "/html/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct Case
{
    const char* html;
    const char* tree;
};

void ExpectTrees(const Case* cases, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        EXPECT_EQ(cases[i].tree, ParseDump(cases[i].html)) << cases[i].html;
}

} // namespace

TEST(HtmlTagTable, FlagsOfTheKnownTags)
{
    struct Entry
    {
        const char* name;
        DWORD flags;
    };
    const Entry entries[] = {{"div", 0},      {"TABLE", 0},     {"li", 1},    {"Tr", 1},
                             {"!DOCTYPE", 2}, {"!doctype", 2},  {"input", 2}, {"a", 16},
                             {"rt", 17},      {"BR", 18},       {"pre", 32},  {"title", 64},
                             {"script", 80},  {"textarea", 96}, {"xmp", 96}};
    for (const Entry& e : entries)
    {
        DWORD flags = 0xFF;
        EXPECT_TRUE(GetTagFlags(e.name, flags)) << e.name;
        EXPECT_EQ(e.flags, flags) << e.name;
    }
    DWORD flags = 7;
    EXPECT_FALSE(GetTagFlags("blockquotes", flags));
    EXPECT_FALSE(IsKnownTag("foo"));
    EXPECT_FALSE(IsKnownTag("b "));
    EXPECT_FALSE(IsKnownTag(""));
    EXPECT_FALSE(IsKnownTag(nullptr));
    EXPECT_TRUE(IsEmptyTag("img"));
    EXPECT_FALSE(IsEmptyTag("div"));
    EXPECT_TRUE(IsInlineTag("span"));
    EXPECT_TRUE(IsRawTextTag("SCRIPT"));
    EXPECT_FALSE(IsRawTextTag("style"));
    EXPECT_TRUE(IsOptionalEndTag("p"));
    EXPECT_EQ(LookupHtmlTag("table"), LookupHtmlTag("taBLe xyz", 5));

    // Each real tag has a place of its own in the table, which holds its
    // flags: the first and last of each kind, and the longest names.
    std::set<int> places;
    for (const char* name : {"address", "blockquote", "table", "body", "tr", "!doctype", "param", "a", "var",
                             "rb", "rt", "basefont", "wbr", "pre", "title", "script", "plaintext", "xmp"})
    {
        int index = LookupHtmlTag(name);
        ASSERT_GE(index, 0) << name;
        EXPECT_LT(index, HTML_TAG_COUNT) << name;
        EXPECT_TRUE(places.insert(index).second) << name;
        DWORD nameFlags = 0;
        ASSERT_TRUE(GetTagFlags(name, nameFlags));
        EXPECT_EQ(nameFlags, GetHtmlTagFlagsAt(index)) << name;
    }
}

TEST(HtmlTagTable, WhatAnOpenElementMayHold)
{
    struct Rule
    {
        const char* parent;
        const char* child;
        BOOL bCan;
    };
    const Rule rules[] = {{"p", "b", TRUE},      {"p", "div", FALSE},   {"p", "p", FALSE},
                          {"li", "ul", TRUE},    {"li", "li", FALSE},   {"option", "option", FALSE},
                          {"option", "b", TRUE}, {"tr", "td", TRUE},    {"tr", "TH", TRUE},
                          {"tr", "tr", FALSE},   {"tr", "form", FALSE}, {"td", "td", TRUE},
                          {"body", "div", TRUE}, {"dd", "dt", TRUE}};
    for (const Rule& r : rules)
        EXPECT_EQ(r.bCan, CanContain(r.parent, r.child)) << r.parent << " " << r.child;
}

TEST(HtmlParser, ElementsWhoseEndTagIsOptional)
{
    const Case cases[] = {
        {"<ul><li>a<li>b</ul>", "ul(li(\"a\") li(\"b\"))"},
        {"<p>x<div>y</div>", "p(\"x\") div(\"y\")"},
        {"<p>x<b>y</b>z<p>w", "p(\"x\" b(\"y\") \"z\") p(\"w\")"},
        {"<select><option>1<option selected>2</select>", "select(option(\"1\") option[selected](\"2\"))"},
        // A cell holds anything, another cell or row too.
        {"<table><tr><td>1<td>2<tr><td>3</table>x", "table(tr(td(\"1\" td(\"2\" tr(td(\"3\")))))) \"x\""},
        {"<table><tr><td>1</td><tr><td>2</td></table>", "table(tr(td(\"1\")) tr(td(\"2\")))"},
        {"<table><td>1</td></table>", "table(tr(td(\"1\")))"},
        {"<tr><form></form>", "tr() form()"},
        // A leaf never closes anything.
        {"<p>a<br>b<input>c", "p(\"a\" <br> \"b\" <input> \"c\")"},
        {"<dl><dt>t<dd>d</dl>", "dl(dt(\"t\" dd(\"d\")))"},
    };
    ExpectTrees(cases, std::size(cases));
}

TEST(HtmlParser, EndTagsCloseAsFarAsTheRulesAllow)
{
    const Case cases[] = {
        {"<div><span>x</div>y", "div(span(\"x\")) \"y\""},
        {"<div><p>x</div>y", "div(p(\"x\")) \"y\""},
        {"<table><tr><td><b>x</table>y", "table(tr(td(b(\"x\")))) \"y\""},
        // "</b>" cannot pass the div: dropped, and the b stays open.
        {"<b><div>x</b>y</div>z", "b(div(\"xy\") \"z\")"},
        {"x</div>y", "\"xy\""},
        {"<DIV>x</div>y", "DIV(\"x\") \"y\""},
        {"<div><div>a</div>b</div>c", "div(div(\"a\") \"b\") \"c\""},
        // An end tag with a blank before '>' is no end tag.
        {"<td>x</td >y", "td(\"x</td >y\")"},
    };
    ExpectTrees(cases, std::size(cases));
}

TEST(HtmlParser, WhatStaysText)
{
    const Case cases[] = {
        {"<foo>x</foo>", "\"<foo>x</foo>\""},
        {"a<foo>b<b>c</b>", "\"a<foo>b\" b(\"c\")"},
        {"a < b", "\"a < b\""},
        {"x <b", "\"x <b\""},
        {"<>x<>", "\"x\""},
        {"<?xml version=\"1.0\"?><p>", "\"<?xml version=\"1.0\"?>\" p()"},
        {"\xE4<b>", "\"\xE4\" b()"},
        // Blanks and line breaks are kept as written.
        {"<p>\r\n  a  \r\n</p>", "p(\"\r\n  a  \r\n\")"},
    };
    ExpectTrees(cases, std::size(cases));
}

TEST(HtmlParser, Attributes)
{
    const Case cases[] = {
        {"<a href=x.html title='a b' nowrap>l</a>", "a[href=x.html][title=a b][nowrap](\"l\")"},
        {"<td class = \"c d\"  width= 3 height =4>", "td[class=c d][width=3][height=4]()"},
        {"<td a=\"\" b= c=>", "td[a=][b=c=]()"},
        {"<td \"a\" =b>", "td[a][b]()"},
        {"<td =x>", "\"<td =x>\""},
        {"<a title=\"1>2\">t</a>", "a[title=1>2](\"t\")"},
        {"<a title='say \"hi\"' alt=\"it's\">", "a[title=say \"hi\"][alt=it's]()"},
        {"<td class=a class=b>", "td[class=a][class=b]()"},
        {"<input\r\nname=a\tvalue=b>", "<input[name=a][value=b]>"},
        {"<INPUT Type=Hidden>", "<INPUT[Type=Hidden]>"},
        // A quote that no other quote follows opens nothing.
        {"<a title=\"x>y", "a[title=x](\"y\")"},
        // A quote not after "name=" opens nothing either.
        {"<a \"b>c\">d", "a[b](\"c\">d\")"},
        {"<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01//EN\">",
         "<!DOCTYPE[html][PUBLIC][-//W3C//DTD HTML 4.01//EN]>"},
        {"<!doctype html>", "<!doctype[html]>"},
    };
    ExpectTrees(cases, std::size(cases));
}

// Names and values that do not stand in the page as they are read: split
// by quotes, glued across blanks, with line breaks inside quotes.
TEST(HtmlParser, AttributesPiecedTogether)
{
    const Case cases[] = {
        {"<td a\"b\"c=d>", "td[ab][c=d]()"},
        {"<td \"a\r\nb\"=1 c='x\ny'>", "td[ab][1][c=x\ny]()"},
        {"<td a = b\"c\" d='e'f>", "td[a=bc][d=e][f]()"},
        {"<td \"x\" ==a b==c>", "td[x][a][b==c]()"},
        {"<td \"\r\n\"=v w>", "td[v][w]()"},
    };
    ExpectTrees(cases, std::size(cases));
}

// A tag of more attributes than the parser gathers at once keeps them all,
// in order, and they can be read, changed and removed like any others.
TEST(HtmlParser, ATagOfManyAttributes)
{
    for (int count : {31, 32, 33, 64, 65, 200})
    {
        std::string html = "<td";
        std::string tree = "td";
        for (int i = 0; i < count; ++i)
        {
            const std::string n = std::to_string(i);
            html += i % 3 == 0   ? " n" + n + "=\"v " + n + "\""
                    : i % 3 == 1 ? " n" + n
                                 : " n" + n + " = v" + n;
            tree += i % 3 == 0   ? "[n" + n + "=v " + n + "]"
                    : i % 3 == 1 ? "[n" + n + "]"
                                 : "[n" + n + "=v" + n + "]";
        }
        html += ">";
        EXPECT_EQ(tree + "()", ParseDump(html)) << count;

        CMarkupRoot root;
        CHtmlParser(&root).Parse(html.c_str(), (int)html.size());
        CMarkupNode* td = root.GetChild(0);
        ASSERT_NE(nullptr, td);
        EXPECT_EQ(count, td->GetAttributeCount());
        CString value;
        EXPECT_TRUE(td->GetAttribute("N30", value));
        EXPECT_STREQ("v 30", value);
        EXPECT_TRUE(td->SetAttribute("n1", "one"));
        EXPECT_TRUE(td->RemoveAttribute("n0"));
        EXPECT_TRUE(td->AddAttribute("last", nullptr));
        CStringList names, values;
        ASSERT_TRUE(td->GetAttributes(names, values));
        ASSERT_EQ(count, names.GetCount());
        EXPECT_STREQ("n1", names.GetHead());
        EXPECT_STREQ("one", values.GetHead());
        EXPECT_STREQ("last", names.GetTail());
        CString markup;
        td->GetMarkup(markup, FALSE);
        EXPECT_EQ(0, markup.Find("<td n1=\"one\" n2=\"v2\" n3=\"v 3\" n4"));
        EXPECT_EQ(markup.GetLength() - 11, markup.Find(" last></td>")) << (LPCTSTR)markup;
        CMarkupNode* copy = td->Clone();
        root.DeleteAllChildren();
        CString copied;
        copy->GetMarkup(copied, FALSE);
        EXPECT_STREQ(markup, copied);
        delete copy;
    }
}

TEST(HtmlParser, XhtmlStyleEmptyTags)
{
    const Case cases[] = {
        {"a<br/>b<br />c", "\"a\" <br> \"b\" <br[/]> \"c\""},
        {"<input type=\"hidden\" name=\"k\" value=\"v\"/>", "<input[type=hidden][name=k][value=v][/]>"},
        {"<div/>x", "div(\"x\")"},
        {"<foo/>", "\"<foo/>\""},
    };
    ExpectTrees(cases, std::size(cases));
}

TEST(HtmlParser, Comments)
{
    const Case cases[] = {
        {"<!-- a -->b", "! a  \"b\""},
        {"<!-- a > b -->c", "! a > b  \"c\""},
        {"<!---->", "!"},
        // Line breaks inside a comment are not kept.
        {"<!--a\r\nb-->", "!ab"},
        // A comment that is never closed is text.
        {"<!-- a > b", "\"<!-- a > b\""},
        {"<div><!-- x --></div>", "div(! x )"},
        {"<!-- <a title=\"-->\" -->", "! <a title=\" \"\" -->\""},
    };
    ExpectTrees(cases, std::size(cases));
}

TEST(HtmlParser, RawTextElements)
{
    const Case cases[] = {
        {"<script>if (a<b && c>d) x = '<b>';</script>y", "script(\"if (a<b && c>d) x = '<b>';\") \"y\""},
        {"<SCRIPT>a</script>b", "SCRIPT(\"a\") \"b\""},
        {"<title>T&amp;<b>x</b></title>", "title(\"T&amp;<b>x</b>\")"},
        {"<textarea name=t><p>line</textarea>", "textarea[name=t](\"<p>line\")"},
        {"<script>a<!-- b -->c</script>", "script(\"a\" ! b  \"c\")"},
        // No quote counts inside a script, even in tag-like text.
        {"<script>document.write(\"<a href='x'>\")</script>z",
         "script(\"document.write(\"<a href='x'>\")\") \"z\""},
        // An end tag inside a script before any start tag there is text
        // too: it must not close the elements around the script.
        {"<div><script>x='</div>';</script>after</div>end", "div(script(\"x='</div>';\") \"after\") \"end\""},
        {"<title>a</head><body>b", "title(\"a</head><body>b\")"},
    };
    ExpectTrees(cases, std::size(cases));
}

TEST(HtmlParser, TwoByteCharacters)
{
    // "表" and "ソ" end in 0x5C, "ア" in 'A': trail bytes are never markup,
    // letters or backslashes.
    const Case cases[] = {
        {"<td title=表>ソ</td>", "td[title=表](\"ソ\")"},
        {"<a title=\"表\">ア</a>", "a[title=表](\"ア\")"},
        {"<td class = \"ア ソ\">x", "td[class=ア ソ](\"x\")"},
        // A lead byte without its second byte does not hide a '<'.
        {"\x81<b>x</b>", "\"\x81\" b(\"x\")"},
        {"<b>x\x81", "b(\"x\x81\")"},
    };
    ExpectTrees(cases, std::size(cases));
}

TEST(HtmlParser, ConsecutiveTextIsOneNode)
{
    CMarkupRoot root;
    CHtmlParser(&root).Parse("a<x>b<y>c</z>d<b>e</b>f");
    ASSERT_EQ(3, root.GetChildCount());
    EXPECT_EQ(MARKUP_TEXT, root.GetChild(0)->GetType());
    EXPECT_STREQ("a<x>b<y>c</z>d", static_cast<CMarkupText*>(root.GetChild(0))->GetText());
}

TEST(HtmlParser, TheContainerIsEmptiedAndNeverClosed)
{
    CMarkupTagElement div("div");
    div.AppendChild(new CMarkupText("old"));
    CHtmlParser parser(&div);
    EXPECT_EQ(MARKUP_PARSE_DONE, parser.Parse("a</div>b<p>c</p></div>d"));
    EXPECT_EQ("div(\"ab\" p(\"c\") \"d\")", Dump(&div));
    EXPECT_EQ(nullptr, div.GetParent());

    // Parsing into a table puts cells into rows.
    CMarkupTagElement table("table");
    CHtmlParser(&table).Parse("<td>1");
    EXPECT_EQ("table(tr(td(\"1\")))", Dump(&table));

    CMarkupRoot root;
    CHtmlParser(&root).Parse(nullptr);
    CHtmlParser(&root).Parse("");
    EXPECT_EQ(0, root.GetChildCount());
}

TEST(HtmlParser, ReadsPastNulBytesWhenGivenALength)
{
    const char html[] = "<b>a\0b</b><i>c</i>";
    CMarkupRoot root;
    CHtmlParser(&root).Parse(html, sizeof(html) - 1);
    ASSERT_EQ(2, root.GetChildCount());
    EXPECT_EQ(3, static_cast<CMarkupText*>(root.GetChild(0)->GetChild(0))->GetText().GetLength());
}

TEST(HtmlParser, StrictModesStopAtTheFirstOffence)
{
    struct Strict
    {
        const char* html;
        int nStrictness;
        int nCode;
        int nPosition;
        const char* tag;
        const char* tree;
    };
    const Strict cases[] = {
        {"<div>a</span>b", 1, MARKUP_PARSE_STRAY_END_TAG, 6, "/span", "div(\"a\")"},
        {"<div>a</span>b", 0, MARKUP_PARSE_DONE, -1, "", "div(\"ab\")"},
        {"<a \"x\">", 1, MARKUP_PARSE_STRAY_QUOTE, 0, "a ", ""},
        {"<!x \"y\">", 1, MARKUP_PARSE_DONE, -1, "", "\"<!x \"y\">\""},
        {"<table><td>", 1, MARKUP_PARSE_DONE, -1, "", "table(tr(td()))"},
        {"<p><table><td>", 2, MARKUP_PARSE_CELL_IN_TABLE, 10, "td", "p() table()"},
        // Strictness 2 closes only across elements whose end tag is optional.
        {"<div><span>x</div>", 2, MARKUP_PARSE_STRAY_END_TAG, 12, "/div", "div(span(\"x\"))"},
        {"<div><p>x</div>", 2, MARKUP_PARSE_DONE, -1, "", "div(p(\"x\"))"},
    };
    for (const Strict& c : cases)
    {
        CMarkupRoot root;
        CHtmlParser parser(&root, c.nStrictness);
        EXPECT_EQ(c.nCode, parser.Parse(c.html)) << c.html;
        EXPECT_EQ(c.tree, Dump(&root)) << c.html;
        const CMarkupParseError* error = parser.GetParseError();
        if (c.nPosition < 0)
            EXPECT_EQ(nullptr, error) << c.html;
        else
        {
            ASSERT_NE(nullptr, error) << c.html;
            EXPECT_EQ(c.nPosition, error->m_nPosition) << c.html;
            EXPECT_STREQ(c.tag, error->m_strTagText) << c.html;
        }
    }
}

TEST(MarkupParser, TheGenericParserKnowsNoTagTable)
{
    CMarkupRoot root;
    CMarkupParser parser(&root);
    EXPECT_EQ(
        MARKUP_PARSE_DONE,
        parser.Parse("<?xml version=\"1.0\"?><item id='1'><Name>a&lt;b</name><!-- c --><br></br></item>"));
    EXPECT_EQ("<?xml[version=1.0]> item[id=1](Name(\"a&lt;b\") ! c  br())", Dump(&root));

    CMarkupRoot other;
    CMarkupParser strict(&other);
    EXPECT_EQ(MARKUP_PARSE_STRAY_END_TAG, strict.Parse("<a><b>x</a>"));
    EXPECT_EQ("a(b(\"x\"))", Dump(&other));
    // Only double quotes hide a '>': the one after a single quote ends the tag.
    CMarkupParser(&other).Parse("<a t='x>y'>");
    EXPECT_EQ("a[t=x](\"y'>\")", Dump(&other));
}

TEST(HtmlParser, DeepNestingIsCappedNotRecursed)
{
    std::string html;
    for (int i = 0; i < 100000; ++i)
        html += "<div>";
    html += "x";
    for (int i = 0; i < 100000; ++i)
        html += "</div>";
    html += "<b>after</b>";
    CMarkupRoot root;
    EXPECT_EQ(MARKUP_PARSE_DONE, CHtmlParser(&root).Parse(html.c_str()));
    int nDepth = 0;
    const CMarkupNode* node = &root;
    while (node->GetChildCount() > 0 && node->GetChild(0)->GetType() == MARKUP_TAG_ELEMENT)
    {
        node = node->GetChild(0);
        ++nDepth;
    }
    // The deepest open element holds the rest side by side, and the text.
    EXPECT_EQ(CMarkupParser::kMaxDepth + 1, nDepth);
    EXPECT_EQ(100000 - CMarkupParser::kMaxDepth + 1, node->GetParent()->GetChildCount());
    EXPECT_EQ(2, root.GetChildCount());
    CString text;
    root.GetTextOfType(MARKUP_TEXT, text);
    EXPECT_STREQ("xafter", text);
    EXPECT_NE(nullptr, root.FindByName("b"));
}

TEST(HtmlParser, PagesThatUsedToCostQuadraticTime)
{
    // Each of these parses in a single pass; the test checks that they
    // come out right, the benchmark shows the time.
    const int n = 100000;
    std::string quotes = "<td title=";
    for (int i = 0; i < n; ++i)
        quotes += "\"a\" b=";
    quotes += ">x";
    CMarkupRoot root;
    CHtmlParser(&root).Parse(quotes.c_str());
    ASSERT_EQ(1, root.GetChildCount());
    EXPECT_EQ(n + 1, root.GetChild(0)->GetAttributeCount());

    std::string stray(n, '"');
    stray = "<a " + stray + ">";
    CHtmlParser(&root).Parse(stray.c_str());
    EXPECT_EQ(1, root.GetChildCount());

    std::string comment = "<!--";
    for (int i = 0; i < n; ++i)
        comment += "a>";
    comment += "-->";
    CHtmlParser(&root).Parse(comment.c_str());
    ASSERT_EQ(1, root.GetChildCount());
    EXPECT_EQ(MARKUP_COMMENT, root.GetChild(0)->GetType());

    std::string script = "<script>";
    for (int i = 0; i < n; ++i)
        script += "<<!--";
    script += "</script>";
    CHtmlParser(&root).Parse(script.c_str());
    ASSERT_EQ(1, root.GetChildCount());
    EXPECT_EQ(5 * n, static_cast<CMarkupText*>(root.GetChild(0)->GetChild(0))->GetText().GetLength());

    std::string inlines;
    for (int i = 0; i < 400; ++i)
        inlines += "<b>";
    for (int i = 0; i < n; ++i)
        inlines += "</div>";
    CHtmlParser(&root).Parse(inlines.c_str());
    EXPECT_EQ(1, root.GetChildCount());
}

TEST(HtmlParser, AStatusTableWithOmittedEndTags)
{
    CMarkupRoot root;
    CHtmlParser(&root).Parse(ReadFixture("omitted-end-tags.html").c_str());
    CPtrList rows;
    root.CollectByName("tr", rows);
    ASSERT_EQ(3, rows.GetCount());
    for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
    {
        CMarkupNode* row = static_cast<CMarkupNode*>(rows.GetNext(pos));
        EXPECT_EQ(3, row->GetChildCount(MARKUP_TAG_ELEMENT));
        EXPECT_STREQ("tbody", static_cast<CMarkupNode*>(row->GetParent())->GetNameText());
    }
    CPtrList cells;
    root.CollectByName("td", cells);
    EXPECT_EQ(9, cells.GetCount());
    // The script's end tag in its text does not end the table early.
    CMarkupNode* table = root.FindByName("table");
    ASSERT_NE(nullptr, table);
    EXPECT_NE(nullptr, table->FindByName("script"));
    EXPECT_STREQ(
        "p", static_cast<CMarkupNode*>(table->GetParent()->GetChild(table->GetParent()->GetChildCount() - 1))
                 ->GetNameText());
}

TEST(HtmlParser, MarkupWrittenBackParsesToTheSameTree)
{
    const char* pages[] = {
        "<html><head><title>x</title></head><body><table><tr><td class=a>1<td>2</table></body></html>",
        "<a title='say \"hi\"'>x</a><br/><input type=hidden name=q value=\"a&amp;b\">",
        "<ul><li>a<li>b</ul><p>c<div>d</div><!-- e > f -->",
    };
    for (const char* page : pages)
    {
        CString once = ParseMarkup(page);
        CString twice = ParseMarkup((const char*)once);
        EXPECT_STREQ(once, twice) << page;
    }
}
