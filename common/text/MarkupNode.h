#ifndef TANZO_TEXT_MARKUPNODE_H
#define TANZO_TEXT_MARKUPNODE_H

#include <cstddef>
#include <utility>
#include <vector>

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/MarkupArena.h"

// The tree of a parsed page: leaves (text, comment, tag without children)
// and containers (element with a tag name, and the root), each with a
// pointer to the container that holds it. Containers own their children.
// Names of tags and attributes compare without regard to letter case.
//
// No operation recurses: walks over a subtree keep their own stack, so a
// tree of any depth can be searched, written out, copied and deleted.

// Type codes (GetType); the high word 1 marks the containers.
#define MARKUP_TEXT 1
#define MARKUP_TAG 2
#define MARKUP_COMMENT 3
#define MARKUP_TAG_ELEMENT 0x10001
#define MARKUP_ROOT 0x10002

class CMarkupElement;
class CMarkupParser;
class CMarkupNode;

typedef std::vector<CMarkupNode*, CMarkupAllocator<CMarkupNode*>> CMarkupNodeVector;

// One attribute of a tag, written with or without a value (such as nowrap).
// A parsed name and value stay where they lie in the parse's source until
// someone asks for them as strings; a copy of the attribute carries its
// own strings.
class CMarkupAttribute
{
public:
    CMarkupAttribute(LPCTSTR name, LPCTSTR value); // value null: no value
    CMarkupAttribute(CString&& name, CString&& value, BOOL bHasValue);
    // Name and value in place: bytes that live as long as the attribute's
    // node (nValue -1: no value).
    CMarkupAttribute(LPCTSTR name, int nName, LPCTSTR value, int nValue);
    CMarkupAttribute(const CMarkupAttribute& other);
    CMarkupAttribute(CMarkupAttribute&& other) noexcept;
    CMarkupAttribute& operator=(const CMarkupAttribute& other);
    CMarkupAttribute& operator=(CMarkupAttribute&& other) noexcept;
    ~CMarkupAttribute();

    const CString& GetName() const
    {
        if (m_pStrings == nullptr)
            TakeStrings();
        return m_pStrings->strName;
    }
    BOOL HasValue() const { return m_nValue >= 0; }
    // Empty for an attribute without a value.
    const CString& GetValue() const
    {
        if (m_pStrings == nullptr)
            TakeStrings();
        return m_pStrings->strValue;
    }
    // The name's and the value's bytes without making strings of them.
    void GetNameBytes(LPCTSTR& p, int& nLength) const;
    void GetValueBytes(LPCTSTR& p, int& nLength) const;
    void SetValue(LPCTSTR value);

    // A blank and the name, then ="value" when it has one; a double quote
    // inside the value is written as &quot; so the tag reads back the same.
    void AppendMarkup(CString& out) const;

private:
    struct Strings
    {
        CString strName;
        CString strValue;
    };
    void TakeStrings() const;

    // The strings once made; until then the name and the value in place.
    mutable Strings* m_pStrings = nullptr;
    mutable LPCTSTR m_pName = nullptr;
    mutable LPCTSTR m_pValue = nullptr;
    int m_nName = 0;
    mutable int m_nValue = -1; // -1: no value; with the strings, 0 when it has one
};

// Attributes in source order. Names may repeat; a lookup takes the first.
// A tag without attributes holds no more than a null pointer.
class CMarkupAttributeList
{
public:
    CMarkupAttributeList() = default;
    CMarkupAttributeList(const CMarkupAttributeList& other);
    CMarkupAttributeList(CMarkupAttributeList&& other) noexcept : m_pBlock(other.m_pBlock)
    {
        other.m_pBlock = nullptr;
    }
    CMarkupAttributeList& operator=(const CMarkupAttributeList& other);
    ~CMarkupAttributeList();

    int GetCount() const { return m_pBlock != nullptr ? m_pBlock->nCount : 0; }
    const CMarkupAttribute& GetAt(int i) const { return Items()[i]; }
    const CMarkupAttribute* Find(LPCTSTR name) const;
    CMarkupAttribute* Find(LPCTSTR name);

    void Add(LPCTSTR name, LPCTSTR value);
    void Add(CMarkupAttribute&& attribute);
    // Room for so many in all without a move.
    void Reserve(int nCount);
    // Changes the first of that name, else adds one.
    void Set(LPCTSTR name, LPCTSTR value);
    BOOL Remove(LPCTSTR name);
    void RemoveAll();

    void AppendMarkup(CString& out) const;

private:
    // The count and room, then the attributes, in one piece of the
    // current arena (or the heap).
    struct Block
    {
        int nCount;
        int nCapacity;
    };
    CMarkupAttribute* Items() const { return reinterpret_cast<CMarkupAttribute*>(m_pBlock + 1); }
    void Grow(int nCapacity);

    Block* m_pBlock = nullptr;
};

// A tag's name: the tag table's own spelling when it is written so, with
// no copy, else a copy of its own.
class CMarkupTagName
{
public:
    CMarkupTagName() = default;
    explicit CMarkupTagName(LPCTSTR name);
    // nTag: the name's index in the HTML tag table, -1 to look it up.
    CMarkupTagName(LPCTSTR name, int nLength, int nTag);
    CMarkupTagName(const CMarkupTagName& other);
    CMarkupTagName& operator=(const CMarkupTagName& other);
    CMarkupTagName& operator=(LPCTSTR name);
    ~CMarkupTagName();

    operator LPCTSTR() const { return m_p != nullptr ? m_p : ""; }

private:
    void Assign(LPCTSTR name, int nLength, int nTag);
    void Free();

    LPCTSTR m_p = nullptr;
};

class CMarkupNode
{
public:
    virtual ~CMarkupNode(); // detaches the node from its parent

    // The nodes a parse makes come from its arena (MarkupArena.h), any
    // other from the heap; delete is right for both.
    static void* operator new(size_t nBytes);
    static void operator delete(void* p) noexcept;

    // Text and comment replace out; tags and containers append to it.
    // Without bDeep a container writes its own start and end tags only.
    virtual void GetMarkup(CString& out, BOOL bDeep) const = 0;
    virtual BOOL SetText(LPCTSTR text);
    virtual BOOL AppendText(LPCTSTR text);
    // Containers append the markup of every node of that type below them
    // (MARKUP_TEXT gives the plain text); a tag element asked for
    // MARKUP_TAG_ELEMENT wraps it in its own tags. Returns the own type.
    virtual int GetTextOfType(int nType, CString& out) const;

    // Searches over the node itself and then its descendants in document
    // order; the Child forms look at the direct children only.
    virtual CMarkupNode* FindByName(LPCTSTR name);
    virtual CMarkupNode* FindByType(int nType);
    virtual CMarkupNode* FindChildByName(LPCTSTR name);
    virtual CMarkupNode* FindChildByType(int nType);
    // A node whose own markup (GetMarkup without bDeep) contains the text.
    virtual CMarkupNode* FindContainingText(LPCTSTR text, BOOL bCaseSensitive);
    virtual CMarkupNode* FindMatching(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring);
    // The node itself or the nearest ancestor of that name, below pStopAt.
    virtual CMarkupNode* FindAncestorByName(LPCTSTR name, const CMarkupNode* pStopAt = nullptr);
    virtual void CollectByName(LPCTSTR name, CPtrList& list);
    virtual void CollectByType(int nType, CPtrList& list);
    virtual void CollectChildrenByName(LPCTSTR name, CPtrList& list);
    virtual void CollectChildrenByType(int nType, CPtrList& list);
    virtual void CollectContainingText(LPCTSTR text, CPtrList& list, BOOL bCaseSensitive);
    virtual void CollectMatching(LPCTSTR name, CPtrList& list, LPCTSTR attrName, LPCTSTR attrValue,
                                 BOOL bSubstring);

    virtual int IsLeaf() const = 0;
    virtual int GetType() const = 0;

    // Child list operations; a leaf answers null, 0 or FALSE. A node given
    // to a container leaves its former parent and is owned by the container.
    virtual CMarkupNode* GetChild(int nIndex) const;
    virtual BOOL AppendChild(CMarkupNode* pNode);
    virtual BOOL PrependChild(CMarkupNode* pNode);
    virtual BOOL InsertChildBeside(CMarkupNode* pRef, CMarkupNode* pNode, BOOL bAfter);
    virtual BOOL InsertChildAt(int nIndex, CMarkupNode* pNode, BOOL bAfter);
    virtual BOOL MoveChild(int nFrom, int nTo);
    virtual BOOL RemoveChild(CMarkupNode* pNode); // not deleted
    virtual BOOL DeleteFirstMatching(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring);
    virtual BOOL DeleteAllChildren();
    // Delete the matching nodes below the container (a match inside a
    // deleted match goes with it).
    virtual BOOL DeleteAllOfType(int nType);
    virtual BOOL DeleteAllMatching(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring);
    // Every node of that name below the container is replaced by a copy of
    // pReplacement; TRUE when any was.
    virtual BOOL ReplaceByName(LPCTSTR name, const CMarkupNode* pReplacement);
    // nType 0: all children, else the direct children of that type.
    virtual int GetChildCount(int nType = 0) const;
    virtual BOOL HasNoChildren() const;

    // An unattached deep copy, owned by the caller.
    virtual CMarkupNode* Clone() const = 0;
    virtual void GetName(CString& out) const;
    virtual BOOL SetName(LPCTSTR name);

    virtual int CanHaveAttributes() const;
    virtual int GetAttributeCount() const;
    virtual BOOL AddAttributeInt(LPCTSTR name, int value);
    virtual BOOL AddAttribute(LPCTSTR name, LPCTSTR value); // value null: none
    virtual BOOL SetAttributeInt(LPCTSTR name, int value);
    virtual BOOL SetAttribute(LPCTSTR name, LPCTSTR value);
    // Empties both lists, then every name and its value ("" when none).
    virtual BOOL GetAttributes(CStringList& names, CStringList& values) const;
    virtual int GetAttributeInt(LPCTSTR name) const;
    // TRUE when the attribute exists; out receives its value ("" when it
    // was written without one).
    virtual BOOL GetAttribute(LPCTSTR name, CString& out) const;
    virtual BOOL RemoveAttribute(LPCTSTR name);
    virtual BOOL RemoveAllAttributes();
    // With a null name: whether the node has any attribute.
    virtual BOOL HasAttribute(LPCTSTR name = nullptr) const;
    // Containers: a new container of the same kind, name and attributes.
    virtual CMarkupElement* CreateEmptyCopy() const;

    CMarkupElement* GetParent() const { return m_pParent; }
    // The name without a copy: the tag name, or "text", "comment", "root".
    virtual LPCTSTR GetNameText() const = 0;
    BOOL IsNamed(LPCTSTR name) const;
    // The attributes of the kinds that have them, else null.
    virtual const CMarkupAttributeList* GetAttributeList() const;
    // The matching rule of FindMatching for this node alone.
    BOOL Matches(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring) const;

protected:
    CMarkupNode() : m_pParent(nullptr) {}

    // The node's own markup: the whole text or comment, a start tag.
    virtual void AppendOpen(CString& out) const = 0;
    // After the children: the end tag of an element.
    virtual void AppendClose(CString& out) const;

    virtual CMarkupAttributeList* GetMutableAttributeList();

private:
    CMarkupNode(const CMarkupNode&) = delete;
    CMarkupNode& operator=(const CMarkupNode&) = delete;

    BOOL ContainsText(LPCTSTR text, BOOL bCaseSensitive) const;

    CMarkupElement* m_pParent;

    friend class CMarkupElement;
    friend class CMarkupChildList;
    friend class CMarkupParser;
    friend struct MarkupWalk;
};

class CMarkupLeaf : public CMarkupNode
{
public:
    int IsLeaf() const override { return 1; }

protected:
    CMarkupLeaf() = default;
};

// A parsed text stays where it lies in the parse's source until someone
// asks for it as a string.
class CMarkupText : public CMarkupLeaf
{
public:
    explicit CMarkupText(LPCTSTR text = nullptr) : m_strText(text) {}
    explicit CMarkupText(CString&& text) : m_strText(std::move(text)) {}

    void GetMarkup(CString& out, BOOL bDeep) const override;
    BOOL SetText(LPCTSTR text) override;
    BOOL AppendText(LPCTSTR text) override;
    int GetType() const override { return MARKUP_TEXT; }
    CMarkupNode* Clone() const override;
    LPCTSTR GetNameText() const override { return "text"; }

    const CString& GetText() const
    {
        if (m_pSpan != nullptr)
            TakeText();
        return m_strText;
    }
    // The text's bytes without making a string of them.
    void GetTextBytes(LPCTSTR& p, int& nLength) const;
    // out += the text, without making a string of it first.
    void AppendTextTo(CString& out) const { AppendOpen(out); }

protected:
    void AppendOpen(CString& out) const override;

private:
    void TakeText() const;
    // The parser's text in place (bytes as long-lived as the node), and
    // more of it: right after the span it extends it.
    void SetSpan(LPCTSTR p, int nLength);
    void AppendBytes(LPCTSTR p, int nLength);

    mutable CString m_strText;
    mutable LPCTSTR m_pSpan = nullptr; // the text in place, when not yet taken
    int m_nSpan = 0;

    friend class CMarkupParser;
};

class CMarkupComment : public CMarkupLeaf
{
public:
    explicit CMarkupComment(LPCTSTR text = nullptr) : m_strText(text) {}

    void GetMarkup(CString& out, BOOL bDeep) const override;
    BOOL SetText(LPCTSTR text) override;
    BOOL AppendText(LPCTSTR text) override;
    int GetType() const override { return MARKUP_COMMENT; }
    CMarkupNode* Clone() const override;
    LPCTSTR GetNameText() const override { return "comment"; }

    // What stood between "<!--" and "--".
    const CString& GetText() const { return m_strText; }

protected:
    void AppendOpen(CString& out) const override;

private:
    CString m_strText;
};

// A tag without children: br, img, input, meta, !DOCTYPE...
class CMarkupTag : public CMarkupLeaf
{
public:
    explicit CMarkupTag(LPCTSTR name) : m_name(name) {}
    CMarkupTag(LPCTSTR name, int nLength, int nTag) : m_name(name, nLength, nTag) {}

    void GetMarkup(CString& out, BOOL bDeep) const override;
    int GetType() const override { return MARKUP_TAG; }
    CMarkupNode* Clone() const override;
    BOOL SetName(LPCTSTR name) override;
    LPCTSTR GetNameText() const override { return m_name; }
    const CMarkupAttributeList* GetAttributeList() const override { return &m_attributes; }

protected:
    void AppendOpen(CString& out) const override;
    CMarkupAttributeList* GetMutableAttributeList() override { return &m_attributes; }

private:
    CMarkupAttributeList m_attributes;
    CMarkupTagName m_name;
};

// The children of a container, in document order. The container owns the
// nodes; the list only holds them.
class CMarkupChildList
{
public:
    int GetCount() const { return (int)m_nodes.size(); }
    CMarkupNode* GetAt(int i) const { return i >= 0 && i < (int)m_nodes.size() ? m_nodes[i] : nullptr; }
    CMarkupNode* GetLast() const { return m_nodes.empty() ? nullptr : m_nodes.back(); }
    int IndexOf(const CMarkupNode* pNode) const;

    CMarkupNode* FindByName(LPCTSTR name) const;
    CMarkupNode* FindByType(int nType) const;
    void CollectByName(LPCTSTR name, CPtrList& list) const;
    void CollectByType(int nType, CPtrList& list) const;
    int CountOfType(int nType) const;

private:
    CMarkupNodeVector m_nodes;

    friend class CMarkupElement;
    friend class CMarkupParser;
    friend struct MarkupWalk;
};

class CMarkupElement : public CMarkupNode
{
public:
    ~CMarkupElement() override; // deletes the children

    void GetMarkup(CString& out, BOOL bDeep) const override;
    BOOL SetText(LPCTSTR text) override;
    BOOL AppendText(LPCTSTR text) override;
    int IsLeaf() const override { return 0; }

    CMarkupNode* GetChild(int nIndex) const override;
    BOOL AppendChild(CMarkupNode* pNode) override;
    BOOL PrependChild(CMarkupNode* pNode) override;
    BOOL InsertChildBeside(CMarkupNode* pRef, CMarkupNode* pNode, BOOL bAfter) override;
    BOOL InsertChildAt(int nIndex, CMarkupNode* pNode, BOOL bAfter) override;
    BOOL MoveChild(int nFrom, int nTo) override;
    BOOL RemoveChild(CMarkupNode* pNode) override;
    BOOL DeleteFirstMatching(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring) override;
    BOOL DeleteAllChildren() override;
    BOOL DeleteAllOfType(int nType) override;
    BOOL DeleteAllMatching(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring) override;
    BOOL ReplaceByName(LPCTSTR name, const CMarkupNode* pReplacement) override;
    int GetChildCount(int nType = 0) const override;
    BOOL HasNoChildren() const override;
    CMarkupNode* Clone() const override;

    // The markup of the children (the element without its own tags).
    void GetInnerMarkup(CString& out) const;
    const CMarkupChildList& GetChildList() const { return m_children; }

protected:
    CMarkupElement() = default;

private:
    // Inserts beside pRef (null: at the tail after, at the head before),
    // taking the node from its former parent; FALSE for null, the element
    // itself or one of its ancestors.
    BOOL Insert(CMarkupNode* pNode, const CMarkupNode* pRef, BOOL bAfter);
    BOOL CanAdopt(const CMarkupNode* pNode) const;

    CMarkupChildList m_children;

    friend class CMarkupParser;
    friend struct MarkupWalk;
};

class CMarkupTagElement : public CMarkupElement
{
public:
    explicit CMarkupTagElement(LPCTSTR name) : m_name(name) {}
    CMarkupTagElement(LPCTSTR name, int nLength, int nTag) : m_name(name, nLength, nTag) {}

    int GetType() const override { return MARKUP_TAG_ELEMENT; }
    BOOL SetName(LPCTSTR name) override;
    LPCTSTR GetNameText() const override { return m_name; }
    const CMarkupAttributeList* GetAttributeList() const override { return &m_attributes; }
    CMarkupElement* CreateEmptyCopy() const override;

protected:
    void AppendOpen(CString& out) const override;
    void AppendClose(CString& out) const override;
    CMarkupAttributeList* GetMutableAttributeList() override { return &m_attributes; }

private:
    CMarkupAttributeList m_attributes;
    CMarkupTagName m_name;
};

// The root of a document, and a scratch container for copied nodes.
class CMarkupRoot : public CMarkupElement
{
public:
    CMarkupRoot() = default;

    int GetType() const override { return MARKUP_ROOT; }
    LPCTSTR GetNameText() const override { return "root"; }
    CMarkupElement* CreateEmptyCopy() const override;

protected:
    void AppendOpen(CString& out) const override;
};

#endif // TANZO_TEXT_MARKUPNODE_H
