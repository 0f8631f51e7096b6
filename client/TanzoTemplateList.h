#ifndef TANZO_CLIENT_TANZOTEMPLATELIST_H
#define TANZO_CLIENT_TANZOTEMPLATELIST_H

#include "auction/templates/TemplateStringList.h"

// The templates of one of the document's sets: description additions (set
// 0) hold plain templates, the rating sets (1, 2) rating templates.
class CTanzoTemplateList : public CTemplateStringList
{
public:
    explicit CTanzoTemplateList(int set) : m_set(set) {}
    ~CTanzoTemplateList() override;

    CTemplateStringItem* CreateItem(const CTemplateStringItem* pSource) override;
    int GetSet() const { return m_set; }

private:
    int m_set;
};

// A new template of the set's kind, a copy of pSource or, for null, an
// empty one (a rating template rated 5); the caller owns it.
CTemplateStringItem* CreateTemplateItem(int set, const CTemplateStringItem* pSource);

#endif // TANZO_CLIENT_TANZOTEMPLATELIST_H
