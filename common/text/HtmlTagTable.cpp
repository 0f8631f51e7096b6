#include "text/HtmlTagTable.h"

#include <cstdint>
#include <cstring>

namespace
{

struct TagEntry
{
    const char* name; // lower case
    DWORD flags;
};

// clang-format off
const TagEntry g_tags[] = {
    {"address", 0}, {"blockquote", 0}, {"caption", 0}, {"center", 0}, {"comment", 0}, {"del", 0},
    {"dir", 0}, {"div", 0}, {"dl", 0}, {"fieldset", 0}, {"form", 0}, {"frameset", 0}, {"h1", 0},
    {"h2", 0}, {"h3", 0}, {"h4", 0}, {"h5", 0}, {"h6", 0}, {"ins", 0}, {"legend", 0}, {"listing", 0},
    {"marquee", 0}, {"menu", 0}, {"multicol", 0}, {"noembed", 0}, {"noframes", 0}, {"noscript", 0},
    {"ol", 0}, {"optgroup", 0}, {"server", 0}, {"style", 0}, {"table", 0}, {"ul", 0},

    {"body", 1}, {"colgroup", 1}, {"dd", 1}, {"dt", 1}, {"head", 1}, {"html", 1}, {"li", 1},
    {"option", 1}, {"p", 1}, {"tbody", 1}, {"td", 1}, {"tfoot", 1}, {"th", 1}, {"thead", 1}, {"tr", 1},

    {"!doctype", 2}, {"area", 2}, {"base", 2}, {"bgsound", 2}, {"col", 2}, {"frame", 2}, {"hr", 2},
    {"input", 2}, {"isindex", 2}, {"keygen", 2}, {"link", 2}, {"meta", 2}, {"nextid", 2}, {"param", 2},

    {"a", 16}, {"abbr", 16}, {"acronym", 16}, {"applet", 16}, {"b", 16}, {"bdo", 16}, {"big", 16},
    {"blink", 16}, {"button", 16}, {"cite", 16}, {"code", 16}, {"dfn", 16}, {"em", 16}, {"embed", 16},
    {"font", 16}, {"i", 16}, {"iframe", 16}, {"ilayer", 16}, {"kbd", 16}, {"label", 16}, {"layer", 16},
    {"map", 16}, {"nobr", 16}, {"nolayer", 16}, {"object", 16}, {"q", 16}, {"ruby", 16}, {"s", 16},
    {"samp", 16}, {"select", 16}, {"small", 16}, {"span", 16}, {"strike", 16}, {"strong", 16},
    {"sub", 16}, {"sup", 16}, {"tt", 16}, {"u", 16}, {"var", 16},

    {"rb", 17}, {"rp", 17}, {"rt", 17},
    {"basefont", 18}, {"br", 18}, {"img", 18}, {"spacer", 18}, {"wbr", 18},
    {"pre", 32},
    {"title", 64},
    {"script", 80},
    {"plaintext", 96}, {"textarea", 96}, {"xmp", 96},
};
// clang-format on

const int kTagCount = (int)(sizeof(g_tags) / sizeof(g_tags[0]));
static_assert(kTagCount == HTML_TAG_COUNT, "tag table size");
const int kMaxNameLength = 15;
const int kSlots = 512; // a power of two well above the entry count

inline unsigned char LowerAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? (unsigned char)(c + 32) : c;
}

// Names are a few bytes: a loop costs less than a call to memcmp.
inline bool SameBytes(const char* a, const unsigned char* b, int n)
{
    for (int i = 0; i < n; ++i)
        if ((unsigned char)a[i] != b[i])
            return false;
    return true;
}

inline unsigned HashName(const unsigned char* p, int n)
{
    unsigned h = 2166136261u;
    for (int i = 0; i < n; ++i)
        h = (h ^ p[i]) * 16777619u;
    return h;
}

// Open addressing over the lower-case names; built once, on first use,
// and read-only after that.
class TagIndex
{
public:
    TagIndex()
    {
        for (int s = 0; s < kSlots; ++s)
            m_slots[s] = -1;
        for (int i = 0; i < kTagCount; ++i)
        {
            const unsigned char* name = (const unsigned char*)g_tags[i].name;
            int n = (int)std::strlen(g_tags[i].name);
            unsigned s = HashName(name, n) & (kSlots - 1);
            while (m_slots[s] >= 0)
                s = (s + 1) & (kSlots - 1);
            m_slots[s] = (short)i;
            m_lengths[i] = (unsigned char)n;
            std::memcpy(m_names + i * kNameRoom, name, (size_t)n + 1);
        }
    }

    const char* NameAt(int i) const { return m_names + i * kNameRoom; }
    bool Holds(const char* p) const
    {
        // Compared as addresses: p may point anywhere.
        const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(p);
        const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(m_names);
        return a >= start && a - start < sizeof(m_names);
    }

    int Find(const char* name, int length) const
    {
        if (length <= 0 || length > kMaxNameLength)
            return -1;
        unsigned char lower[kMaxNameLength];
        for (int i = 0; i < length; ++i)
            lower[i] = LowerAscii((unsigned char)name[i]);
        unsigned s = HashName(lower, length) & (kSlots - 1);
        for (;;)
        {
            int i = m_slots[s];
            if (i < 0)
                return -1;
            if (m_lengths[i] == length && SameBytes(g_tags[i].name, lower, length))
                return i;
            s = (s + 1) & (kSlots - 1);
        }
    }

private:
    short m_slots[kSlots];
    unsigned char m_lengths[kTagCount];
    // The names in one piece, so that a pointer tells whether it is one.
    static const int kNameRoom = kMaxNameLength + 1;
    char m_names[kTagCount * kNameRoom];
};

const TagIndex& Index()
{
    static const TagIndex index;
    return index;
}

int IndexOf(const char* name)
{
    return Index().Find(name, (int)std::strlen(name));
}

} // namespace

int LookupHtmlTag(LPCTSTR name, int length, DWORD* flags)
{
    int i = name != nullptr ? Index().Find(name, length) : -1;
    if (flags != nullptr)
        *flags = i >= 0 ? g_tags[i].flags : 0;
    return i;
}

int LookupHtmlTag(LPCTSTR name, DWORD* flags)
{
    return LookupHtmlTag(name, name != nullptr ? (int)std::strlen(name) : 0, flags);
}

LPCTSTR GetHtmlTagNameAt(int index)
{
    return index >= 0 && index < kTagCount ? Index().NameAt(index) : nullptr;
}

BOOL IsHtmlTagNameText(LPCTSTR p)
{
    return Index().Holds(p);
}

DWORD GetHtmlTagFlagsAt(int index)
{
    return index >= 0 && index < kTagCount ? g_tags[index].flags : 0;
}

BOOL IsKnownTag(LPCTSTR name)
{
    return LookupHtmlTag(name) >= 0;
}

BOOL GetTagFlags(LPCTSTR name, DWORD& flags)
{
    return LookupHtmlTag(name, &flags) >= 0;
}

BOOL TagHasFlags(LPCTSTR name, DWORD bits)
{
    DWORD flags = 0;
    return LookupHtmlTag(name, &flags) >= 0 && (flags & bits) != 0;
}

BOOL CanContainTag(int parentIndex, int childIndex)
{
    static const int p = IndexOf("p");
    static const int li = IndexOf("li");
    static const int option = IndexOf("option");
    static const int tr = IndexOf("tr");
    static const int td = IndexOf("td");
    static const int th = IndexOf("th");
    if (parentIndex == p)
        return (GetHtmlTagFlagsAt(childIndex) & HTML_TAG_INLINE) != 0;
    if (parentIndex == li || parentIndex == option)
        return childIndex != parentIndex;
    if (parentIndex == tr)
        return childIndex == td || childIndex == th;
    return TRUE;
}

BOOL CanContain(LPCTSTR parentName, LPCTSTR childName)
{
    return CanContainTag(LookupHtmlTag(parentName), LookupHtmlTag(childName));
}
