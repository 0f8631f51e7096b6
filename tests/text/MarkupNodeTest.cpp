// The markup tree: node kinds, attributes, child list operations, searches,
// copies and deletion, on trees built by hand.
#include "text/MarkupNode.h"
#include "afx/Collections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

CString Markup(const CMarkupNode& node, BOOL bDeep = TRUE)
{
    CString out;
    node.GetMarkup(out, bDeep);
    return out;
}

CMarkupTagElement* Element(const char* name, std::vector<CMarkupNode*> children = {})
{
    CMarkupTagElement* p = new CMarkupTagElement(name);
    for (CMarkupNode* child : children)
        p->AppendChild(child);
    return p;
}

std::vector<CMarkupNode*> ToVector(CPtrList& list)
{
    std::vector<CMarkupNode*> nodes;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        nodes.push_back(static_cast<CMarkupNode*>(list.GetNext(pos)));
    return nodes;
}

// <p>one <b class="x">two</b><!--three--><br>four</p>
CMarkupTagElement* Paragraph()
{
    CMarkupTagElement* b = Element("b", {new CMarkupText("two")});
    b->AddAttribute("class", "x");
    return Element("p", {new CMarkupText("one "), b, new CMarkupComment("three"), new CMarkupTag("br"),
                         new CMarkupText("four")});
}

} // namespace

TEST(MarkupNode, KindsReportTheirTypeNameAndMarkup)
{
    CMarkupText text("a&amp;b");
    CMarkupComment comment(" c ");
    CMarkupTag tag("BR");
    CMarkupTagElement element("Div");
    CMarkupRoot root;
    struct Case
    {
        const CMarkupNode* node;
        int type;
        int leaf;
        const char* name;
        const char* markup;
    };
    const Case cases[] = {
        {&text, MARKUP_TEXT, 1, "text", "a&amp;b"}, {&comment, MARKUP_COMMENT, 1, "comment", "<!-- c -->"},
        {&tag, MARKUP_TAG, 1, "BR", "<BR>"},        {&element, MARKUP_TAG_ELEMENT, 0, "Div", "<Div></Div>"},
        {&root, MARKUP_ROOT, 0, "root", ""},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.type, c.node->GetType()) << c.name;
        EXPECT_EQ(c.leaf, c.node->IsLeaf()) << c.name;
        CString name;
        c.node->GetName(name);
        EXPECT_STREQ(c.name, name);
        EXPECT_STREQ(c.markup, Markup(*c.node)) << c.name;
    }
    EXPECT_EQ(0x10000, MARKUP_TAG_ELEMENT & 0xFFFF0000);
    EXPECT_EQ(0x10000, MARKUP_ROOT & 0xFFFF0000);
}

// A name is kept as it was given or set, whether the tag table spells it
// so, in another case, or not at all; renaming from its own name too.
TEST(MarkupNode, TagNamesAreKeptAsGiven)
{
    const char* names[] = {"td", "TD", "tD", "custom", "", "blockquote", "blockquotes", "t"};
    for (const char* first : names)
        for (const char* second : names)
        {
            CMarkupTagElement element(first);
            CMarkupTag tag(first);
            EXPECT_STREQ(first, element.GetNameText());
            EXPECT_STREQ(first, tag.GetNameText());
            CMarkupNode* copy = element.Clone();
            CMarkupElement* empty = element.CreateEmptyCopy();
            EXPECT_TRUE(element.SetName(second));
            EXPECT_TRUE(tag.SetName(tag.GetNameText()));
            EXPECT_STREQ(second, element.GetNameText());
            EXPECT_STREQ(first, tag.GetNameText());
            EXPECT_STREQ(first, copy->GetNameText());
            EXPECT_STREQ(first, empty->GetNameText());
            EXPECT_TRUE(element.SetName(element.GetNameText()));
            EXPECT_STREQ(second, element.GetNameText());
            delete copy;
            delete empty;
        }
}

TEST(MarkupNode, TextAndCommentReplaceTheOutputTagsAppend)
{
    CString out("old");
    CMarkupText("new").GetMarkup(out, TRUE);
    EXPECT_STREQ("new", out);
    CMarkupComment("c").GetMarkup(out, TRUE);
    EXPECT_STREQ("<!--c-->", out);
    CMarkupTag("hr").GetMarkup(out, TRUE);
    EXPECT_STREQ("<!--c--><hr>", out);
    CMarkupTagElement* i = Element("i", {new CMarkupText("x")});
    i->GetMarkup(out, TRUE);
    EXPECT_STREQ("<!--c--><hr><i>x</i>", out);
    delete i;
}

TEST(MarkupNode, AttributesAreWrittenInOrderWithOrWithoutValue)
{
    CMarkupTag input("input");
    input.AddAttribute("nowrap", nullptr);
    input.AddAttribute("value", "");
    input.AddAttributeInt("size", -12);
    input.AddAttribute("title", "say \"hi\" & <go>");
    EXPECT_STREQ("<input nowrap value=\"\" size=\"-12\" title=\"say &quot;hi&quot; & <go>\">", Markup(input));
    EXPECT_EQ(4, input.GetAttributeCount());
    EXPECT_TRUE(input.HasAttribute());
    EXPECT_TRUE(input.HasAttribute("NOWRAP"));
    EXPECT_FALSE(input.HasAttribute("checked"));
    EXPECT_EQ(-12, input.GetAttributeInt("Size"));

    CStringList names, values;
    names.AddTail("stale");
    EXPECT_TRUE(input.GetAttributes(names, values));
    ASSERT_EQ(4, names.GetCount());
    EXPECT_STREQ("nowrap", names.GetHead());
    EXPECT_STREQ("", values.GetHead());
    EXPECT_STREQ("title", names.GetTail());
    EXPECT_STREQ("say \"hi\" & <go>", values.GetTail());
}

TEST(MarkupNode, AValuelessAttributeReadsAsEmptyNeverStale)
{
    CMarkupTag option("option");
    option.AddAttribute("selected", nullptr);
    CString value("stale");
    EXPECT_TRUE(option.GetAttribute("selected", value));
    EXPECT_STREQ("", value);
    value = "kept";
    EXPECT_FALSE(option.GetAttribute("missing", value));
    EXPECT_STREQ("kept", value);
}

TEST(MarkupNode, RepeatedAttributesStayAndTheFirstIsUsed)
{
    CMarkupTagElement td("td");
    td.AddAttribute("class", "a");
    td.AddAttribute("CLASS", "b");
    CString value;
    EXPECT_TRUE(td.GetAttribute("class", value));
    EXPECT_STREQ("a", value);
    EXPECT_TRUE(td.SetAttribute("Class", "c"));
    EXPECT_STREQ("<td class=\"c\" CLASS=\"b\"></td>", Markup(td));
    EXPECT_TRUE(td.SetAttribute("class", nullptr));
    EXPECT_TRUE(td.SetAttributeInt("width", 300));
    EXPECT_STREQ("<td class CLASS=\"b\" width=\"300\"></td>", Markup(td));
    EXPECT_TRUE(td.RemoveAttribute("class"));
    EXPECT_STREQ("<td CLASS=\"b\" width=\"300\"></td>", Markup(td));
    EXPECT_TRUE(td.RemoveAttribute("class"));
    EXPECT_FALSE(td.RemoveAttribute("class"));
    EXPECT_TRUE(td.RemoveAllAttributes());
    EXPECT_FALSE(td.HasAttribute());
}

TEST(MarkupNode, KindsWithoutAttributesRefuseThem)
{
    CMarkupText text("t");
    CMarkupComment comment("c");
    CMarkupRoot root;
    for (CMarkupNode* node : std::vector<CMarkupNode*>{&text, &comment, &root})
    {
        EXPECT_EQ(0, node->CanHaveAttributes());
        EXPECT_FALSE(node->AddAttribute("a", "b"));
        EXPECT_FALSE(node->SetAttribute("a", "b"));
        EXPECT_FALSE(node->HasAttribute());
        EXPECT_FALSE(node->SetName("x"));
        CString value;
        EXPECT_FALSE(node->GetAttribute("a", value));
    }
    EXPECT_EQ(1, CMarkupTag("a").CanHaveAttributes());
}

TEST(MarkupNode, SetAndAppendText)
{
    CMarkupText text("a");
    EXPECT_TRUE(text.SetText(nullptr));
    EXPECT_TRUE(text.AppendText("b"));
    EXPECT_STREQ("ab", text.GetText());
    CMarkupTag tag("br");
    EXPECT_FALSE(tag.SetText("x"));

    // A container changes its first text node below it.
    CMarkupTagElement* p = Element("p", {Element("b", {new CMarkupText("1")}), new CMarkupText("2")});
    EXPECT_TRUE(p->SetText("one"));
    EXPECT_TRUE(p->AppendText("!"));
    EXPECT_STREQ("<p><b>one!</b>2</p>", Markup(*p));
    CMarkupTagElement empty("td");
    EXPECT_FALSE(empty.SetText("x"));
    delete p;
}

TEST(MarkupNode, PlainTextOfASubtree)
{
    CMarkupTagElement* p = Paragraph();
    CString text("ignored? ");
    p->GetTextOfType(MARKUP_TEXT, text);
    EXPECT_STREQ("ignored? one twofour", text);

    CString tags;
    p->GetTextOfType(MARKUP_TAG, tags);
    EXPECT_STREQ("<br>", tags);
    CString comments;
    p->GetTextOfType(MARKUP_COMMENT, comments);
    EXPECT_STREQ("<!--three-->", comments);
    CString elements;
    EXPECT_EQ(MARKUP_TAG_ELEMENT, p->GetTextOfType(MARKUP_TAG_ELEMENT, elements));
    EXPECT_STREQ("<p><b class=\"x\"></b></p>", elements);
    delete p;
}

TEST(MarkupNode, SearchesGoInDocumentOrder)
{
    CMarkupRoot root;
    root.AppendChild(Element("div", {Element("span", {new CMarkupText("Hello")}), Element("SPAN")}));
    root.AppendChild(Element("span"));

    CMarkupNode* first = root.FindByName("span");
    ASSERT_NE(nullptr, first);
    EXPECT_STREQ("<span>Hello</span>", Markup(*first));
    EXPECT_EQ(&root, root.FindByType(MARKUP_ROOT));
    EXPECT_EQ(nullptr, root.FindChildByName("div")->FindChildByName("b"));
    EXPECT_EQ(root.GetChild(1), root.FindChildByName("Span"));
    EXPECT_EQ(nullptr, root.FindByName(""));

    CPtrList all;
    root.CollectByName("span", all);
    EXPECT_EQ(3, all.GetCount());
    CPtrList children;
    root.CollectChildrenByName("span", children);
    EXPECT_EQ(1, children.GetCount());
    CPtrList texts;
    root.CollectByType(MARKUP_TEXT, texts);
    EXPECT_EQ(1, texts.GetCount());

    CMarkupNode* hello = root.FindContainingText("hello", FALSE);
    ASSERT_NE(nullptr, hello);
    EXPECT_EQ(MARKUP_TEXT, hello->GetType());
    EXPECT_EQ(nullptr, root.FindContainingText("hello", TRUE));
    CPtrList spans;
    root.CollectContainingText("<span>", spans, FALSE);
    EXPECT_EQ(3, spans.GetCount());
    // The empty text is in every node whose own markup is not empty: all
    // but the root.
    EXPECT_EQ(root.GetChild(0), root.FindContainingText("", TRUE));
    CPtrList any;
    root.CollectContainingText("", any, FALSE);
    EXPECT_EQ(5, any.GetCount());
    EXPECT_EQ(nullptr, root.FindContainingText(nullptr, FALSE));

    EXPECT_EQ(root.GetChild(0), hello->FindAncestorByName("DIV"));
    EXPECT_EQ(hello->GetParent(), hello->FindAncestorByName("span"));
    EXPECT_EQ(nullptr, hello->FindAncestorByName("div", root.GetChild(0)));
    EXPECT_EQ(&root, hello->FindAncestorByName("root"));
}

TEST(MarkupNode, MatchingRule)
{
    CMarkupRoot root;
    CMarkupTagElement* a = Element("td");
    a->AddAttribute("class", "Price big");
    CMarkupTagElement* b = Element("TD");
    b->AddAttribute("nowrap", nullptr);
    CMarkupTag* c = new CMarkupTag("input");
    c->AddAttribute("class", "price");
    root.AppendChild(a);
    root.AppendChild(b);
    root.AppendChild(c);
    struct Case
    {
        const char* name;
        const char* attrName;
        const char* attrValue;
        BOOL bSubstring;
        std::vector<CMarkupNode*> found;
    };
    const std::vector<Case> cases = {
        {"td", nullptr, nullptr, FALSE, {a, b}},
        {"", "class", nullptr, FALSE, {a, c}},
        {"", "", nullptr, FALSE, {}},
        {"td", "class", "price big", FALSE, {a}},
        {"td", "class", "Price", FALSE, {}},
        {"td", "class", "Price", TRUE, {a}},
        {"td", "class", "price", TRUE, {}},
        {nullptr, "class", "price", FALSE, {c}},
        {"td", "nowrap", "", FALSE, {b}},
        {"td", "nowrap", "", TRUE, {b}},
        {"td", "class", "", TRUE, {a}},
        {"td", "class", "", FALSE, {}},
    };
    for (const Case& k : cases)
    {
        CPtrList list;
        root.CollectMatching(k.name, list, k.attrName, k.attrValue, k.bSubstring);
        EXPECT_EQ(k.found, ToVector(list))
            << (k.name ? k.name : "null") << " " << (k.attrName ? k.attrName : "") << "="
            << (k.attrValue ? k.attrValue : "null");
        CMarkupNode* first = root.FindMatching(k.name, k.attrName, k.attrValue, k.bSubstring);
        EXPECT_EQ(k.found.empty() ? nullptr : k.found[0], first);
    }
}

TEST(MarkupNode, DeletingAnAttachedNodeDetachesIt)
{
    CMarkupTagElement* p = Paragraph();
    EXPECT_EQ(5, p->GetChildCount());
    CMarkupNode* b = p->GetChild(1);
    delete b;
    EXPECT_EQ(4, p->GetChildCount());
    EXPECT_STREQ("<p>one <!--three--><br>four</p>", Markup(*p));
    delete p;
}

TEST(MarkupNode, ChildListOperations)
{
    auto names = [](const CMarkupElement& e)
    {
        std::string s;
        for (int i = 0; i < e.GetChildCount(); ++i)
        {
            CString name;
            e.GetChild(i)->GetName(name);
            s += (const char*)name;
        }
        return s;
    };
    CMarkupRoot root;
    CMarkupTagElement* b = Element("b");
    EXPECT_TRUE(root.InsertChildAt(5, b, TRUE)); // an empty container appends
    EXPECT_TRUE(root.AppendChild(Element("c")));
    EXPECT_TRUE(root.PrependChild(Element("a")));
    EXPECT_EQ("abc", names(root));
    EXPECT_TRUE(root.InsertChildAt(0, Element("x"), TRUE));
    EXPECT_EQ("axbc", names(root));
    CMarkupTagElement* y = Element("y");
    EXPECT_FALSE(root.InsertChildAt(4, y, FALSE));
    EXPECT_FALSE(root.InsertChildAt(-1, y, FALSE));
    EXPECT_TRUE(root.InsertChildAt(3, y, FALSE));
    EXPECT_EQ("axbyc", names(root));

    CMarkupTagElement stranger("s");
    EXPECT_TRUE(root.InsertChildBeside(&stranger, Element("h"), FALSE));
    EXPECT_TRUE(root.InsertChildBeside(&stranger, Element("t"), TRUE));
    EXPECT_TRUE(root.InsertChildBeside(b, Element("z"), TRUE));
    EXPECT_EQ("haxbzyct", names(root));

    EXPECT_TRUE(root.MoveChild(0, 3));
    EXPECT_EQ("axbhzyct", names(root));
    EXPECT_TRUE(root.MoveChild(6, 1));
    EXPECT_EQ("acxbhzyt", names(root));
    EXPECT_TRUE(root.MoveChild(2, 2));
    EXPECT_FALSE(root.MoveChild(8, 1));
    EXPECT_FALSE(root.MoveChild(1, -1));
    EXPECT_EQ("acxbhzyt", names(root));

    EXPECT_TRUE(root.RemoveChild(b));
    EXPECT_EQ(nullptr, b->GetParent());
    EXPECT_FALSE(root.RemoveChild(b));
    delete b;
    EXPECT_EQ(nullptr, root.GetChild(7));
    EXPECT_EQ(nullptr, root.GetChild(-1));
    EXPECT_EQ(7, root.GetChildCount(MARKUP_TAG_ELEMENT));
    EXPECT_EQ(0, root.GetChildCount(MARKUP_TEXT));
}

TEST(MarkupNode, AdoptionMovesANodeAndRefusesCycles)
{
    CMarkupRoot one, two;
    CMarkupTagElement* outer = Element("outer", {Element("inner")});
    one.AppendChild(outer);
    CMarkupNode* inner = outer->GetChild(0);
    EXPECT_TRUE(two.AppendChild(inner));
    EXPECT_EQ(&two, inner->GetParent());
    EXPECT_EQ(0, outer->GetChildCount());
    // A node cannot go below itself.
    EXPECT_FALSE(outer->AppendChild(outer));
    EXPECT_FALSE(outer->AppendChild(&one));
    EXPECT_FALSE(outer->AppendChild(nullptr));
    EXPECT_EQ(1, one.GetChildCount());
}

TEST(MarkupNode, LeavesHaveNoChildren)
{
    CMarkupText leaf("x");
    CMarkupTagElement* orphan = Element("o");
    EXPECT_FALSE(leaf.AppendChild(orphan));
    EXPECT_FALSE(leaf.PrependChild(orphan));
    EXPECT_FALSE(leaf.InsertChildAt(0, orphan, TRUE));
    EXPECT_FALSE(leaf.RemoveChild(orphan));
    EXPECT_FALSE(leaf.MoveChild(0, 0));
    EXPECT_EQ(nullptr, leaf.GetChild(0));
    EXPECT_EQ(0, leaf.GetChildCount());
    EXPECT_TRUE(leaf.HasNoChildren());
    EXPECT_TRUE(leaf.DeleteAllChildren());
    EXPECT_FALSE(leaf.ReplaceByName("x", orphan));
    EXPECT_EQ(nullptr, leaf.CreateEmptyCopy());
    delete orphan;
}

TEST(MarkupNode, CloneIsADeepUnattachedCopy)
{
    CMarkupRoot root;
    root.AppendChild(Paragraph());
    CMarkupNode* copy = root.GetChild(0)->Clone();
    EXPECT_EQ(nullptr, copy->GetParent());
    EXPECT_STREQ(Markup(*root.GetChild(0)), Markup(*copy));
    copy->GetChild(1)->SetAttribute("class", "y");
    copy->GetChild(0)->SetText("ONE ");
    EXPECT_STREQ("<p>one <b class=\"x\">two</b><!--three--><br>four</p>", Markup(root));
    EXPECT_STREQ("<p>ONE <b class=\"y\">two</b><!--three--><br>four</p>", Markup(*copy));
    EXPECT_EQ(copy, copy->GetChild(1)->GetParent());
    delete copy;

    CMarkupNode* rootCopy = root.Clone();
    EXPECT_EQ(MARKUP_ROOT, rootCopy->GetType());
    EXPECT_STREQ(Markup(root), Markup(*rootCopy));
    delete rootCopy;

    CMarkupElement* empty = root.GetChild(0)->CreateEmptyCopy();
    EXPECT_STREQ("<p></p>", Markup(*empty));
    delete empty;
}

TEST(MarkupNode, MarkupOfContainers)
{
    CMarkupTagElement* p = Paragraph();
    EXPECT_STREQ("<p></p>", Markup(*p, FALSE));
    CString inner("stale");
    p->GetInnerMarkup(inner);
    EXPECT_STREQ("one <b class=\"x\">two</b><!--three--><br>four", inner);
    CMarkupRoot root;
    root.AppendChild(p);
    EXPECT_STREQ("", Markup(root, FALSE));
    EXPECT_STREQ("<p>one <b class=\"x\">two</b><!--three--><br>four</p>", Markup(root));
}

TEST(MarkupNode, DeleteFirstMatching)
{
    CMarkupRoot root;
    root.AppendChild(Paragraph());
    root.AppendChild(Paragraph());
    EXPECT_TRUE(root.DeleteFirstMatching("b", nullptr, nullptr, FALSE));
    EXPECT_TRUE(root.DeleteFirstMatching("", "class", "x", FALSE));
    EXPECT_FALSE(root.DeleteFirstMatching("b", nullptr, nullptr, FALSE));
    EXPECT_TRUE(root.DeleteFirstMatching("comment", nullptr, nullptr, FALSE));
    EXPECT_STREQ("<p>one <br>four</p><p>one <!--three--><br>four</p>", Markup(root));
}

TEST(MarkupNode, DeletingNestedMatchesFreesEachNodeOnce)
{
    // div > div > (div, text) and a text beside: every div matches, and so
    // does every text.
    CMarkupRoot root;
    root.AppendChild(
        Element("div", {Element("DIV", {Element("div", {new CMarkupText("deep")}), new CMarkupText("mid")}),
                        new CMarkupText("top")}));
    root.AppendChild(new CMarkupText("beside"));
    root.AppendChild(Element("span", {Element("div", {Element("div")})}));
    EXPECT_TRUE(root.DeleteAllMatching("div", nullptr, nullptr, FALSE));
    EXPECT_STREQ("beside<span></span>", Markup(root));

    CMarkupRoot texts;
    CMarkupTagElement* p = Paragraph();
    texts.AppendChild(p);
    EXPECT_TRUE(texts.DeleteAllOfType(MARKUP_TEXT));
    EXPECT_STREQ("<p><b class=\"x\"></b><!--three--><br></p>", Markup(texts));
    // Elements that hold elements of their own kind.
    EXPECT_TRUE(texts.DeleteAllOfType(MARKUP_TAG_ELEMENT));
    EXPECT_STREQ("", Markup(texts));

    CMarkupRoot attrs;
    CMarkupTagElement* outer = Element("td", {Element("td", {new CMarkupText("x")})});
    outer->AddAttribute("class", "cell");
    outer->GetChild(0)->AddAttribute("class", "cell inner");
    attrs.AppendChild(outer);
    attrs.AppendChild(new CMarkupText("kept"));
    EXPECT_TRUE(attrs.DeleteAllMatching("td", "class", "cell", TRUE));
    EXPECT_STREQ("kept", Markup(attrs));
}

TEST(MarkupNode, ReplaceByName)
{
    CMarkupRoot root;
    root.AppendChild(Element("p", {new CMarkupTag("br"), new CMarkupText("a"), new CMarkupTag("BR")}));
    root.AppendChild(new CMarkupTag("br"));
    CMarkupText lineBreak("\n");
    EXPECT_TRUE(root.ReplaceByName("br", &lineBreak));
    EXPECT_STREQ("<p>\na\n</p>\n", Markup(root));
    EXPECT_EQ(root.GetChild(0), root.GetChild(0)->GetChild(0)->GetParent());
    EXPECT_FALSE(root.ReplaceByName("br", &lineBreak));
    EXPECT_FALSE(root.ReplaceByName("p", nullptr));

    // The replacement may come from the tree itself.
    CMarkupRoot self;
    self.AppendChild(Element("b", {Element("b", {new CMarkupText("x")})}));
    self.AppendChild(Element("b"));
    EXPECT_TRUE(self.ReplaceByName("b", self.GetChild(0)));
    EXPECT_STREQ("<b><b>x</b></b><b><b>x</b></b>", Markup(self));
}

TEST(MarkupNode, ATreeOfAnyDepthIsWalkedCopiedAndDeleted)
{
    const int kDepth = 200000;
    CMarkupRoot root;
    CMarkupElement* e = &root;
    for (int i = 0; i < kDepth; ++i)
    {
        CMarkupTagElement* child = new CMarkupTagElement("div");
        e->AppendChild(child);
        e = child;
    }
    e->AppendChild(new CMarkupText("bottom"));

    CString markup;
    root.GetMarkup(markup, TRUE);
    EXPECT_EQ(kDepth * 11 + 6, markup.GetLength());
    CString text;
    root.GetTextOfType(MARKUP_TEXT, text);
    EXPECT_STREQ("bottom", text);
    EXPECT_NE(nullptr, root.FindByType(MARKUP_TEXT));
    CPtrList divs;
    root.CollectByName("div", divs);
    EXPECT_EQ(kDepth, divs.GetCount());

    CMarkupNode* copy = root.Clone();
    CString copied;
    copy->GetMarkup(copied, TRUE);
    EXPECT_TRUE(copied == markup);
    delete copy;
    EXPECT_TRUE(root.DeleteAllOfType(MARKUP_TEXT));
    EXPECT_TRUE(root.DeleteAllChildren());
}
