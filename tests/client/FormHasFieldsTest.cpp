// Recognising a form of the service by the names of its fields.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "afx/Collections.h"
#include "client/TanzoOperation.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

namespace
{
bool HasFields(const char* html, std::initializer_list<const char*> names)
{
    CHtmlDocument page(html);
    CPtrList forms;
    page.FindElements("form", forms);
    CMarkupNode* pForm = forms.IsEmpty() ? nullptr : static_cast<CMarkupNode*>(forms.GetHead());
    CStringList list;
    for (const char* name : names)
        list.AddTail(name);
    return CTanzoOperation::FormHasFields(pForm, list) != FALSE;
}
} // namespace

TEST(FormHasFields, EachNameNeedsAFieldOfItsOwn)
{
    const struct
    {
        const char* html;
        std::initializer_list<const char*> names;
        bool has;
    } cases[] = {
        // Names compare without case, in any order.
        {"<form><input name=b><input name=A></form>", {"a", "B"}, true},
        // One field answers one name only.
        {"<form><input name=a></form>", {"a", "a"}, false},
        {"<form><input name=a><input name=A></form>", {"a", "a"}, true},
        // Selects and text areas count, other elements do not.
        {"<form><select name=s></select><textarea name=t></textarea></form>", {"t", "s"}, true},
        {"<form><button name=b></button><div name=d></div></form>", {"b"}, false},
        // Fields without a name are passed over.
        {"<form><input type=hidden><input value=x><input name=n></form>", {"n"}, true},
        {"<form><input type=hidden value=n></form>", {"n"}, false},
        // A form without fields has none of the names, but no names ask for none.
        {"<form><p>text</p></form>", {"x"}, false},
        {"<form><p>text</p></form>", {}, true},
        // Fields deep inside the form count.
        {"<form><table><tr><td><input name=deep></td></tr></table></form>", {"DEEP"}, true},
        // A field outside the form does not.
        {"<input name=out><form><input name=in></form>", {"out"}, false},
        // No form at all.
        {"<p>none</p>", {"a"}, false},
        {"<p>none</p>", {}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.has, HasFields(c.html, c.names)) << c.html;
}
