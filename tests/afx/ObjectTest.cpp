// Run-time classes: derivation, creation by class, lookup by name.
#include "afx/Object.h"

#include <gtest/gtest.h>

#include <memory>

#include "TestObjects.h"
#include "afx/Collections.h"
#include "afx/Exception.h"
#include "afx/File.h"

using namespace afxtest;

TEST(Object, DerivationFollowsTheBaseClasses)
{
    const struct
    {
        const CRuntimeClass* pClass;
        const CRuntimeClass* pBase;
        BOOL bDerived;
    } cases[] = {
        {RUNTIME_CLASS(CSubItem), RUNTIME_CLASS(CSubItem), TRUE},
        {RUNTIME_CLASS(CSubItem), RUNTIME_CLASS(CItem), TRUE},
        {RUNTIME_CLASS(CSubItem), RUNTIME_CLASS(CObject), TRUE},
        {RUNTIME_CLASS(CItem), RUNTIME_CLASS(CSubItem), FALSE},
        {RUNTIME_CLASS(CGroup), RUNTIME_CLASS(CItem), FALSE},
        {RUNTIME_CLASS(CObject), RUNTIME_CLASS(CItem), FALSE},
        {RUNTIME_CLASS(CMemFile), RUNTIME_CLASS(CFile), TRUE},
        {RUNTIME_CLASS(CArchiveException), RUNTIME_CLASS(CException), TRUE},
        {RUNTIME_CLASS(CMemoryException), RUNTIME_CLASS(CSimpleException), TRUE},
        {RUNTIME_CLASS(CFileException), RUNTIME_CLASS(CArchiveException), FALSE},
        {RUNTIME_CLASS(CStringList), RUNTIME_CLASS(CObject), TRUE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pClass->m_lpszClassName);
        EXPECT_EQ(c.bDerived, c.pClass->IsDerivedFrom(c.pBase)) << c.pBase->m_lpszClassName;
    }

    CSubItem sub;
    const CObject& ob = sub;
    EXPECT_EQ(RUNTIME_CLASS(CSubItem), ob.GetRuntimeClass());
    EXPECT_TRUE(ob.IsKindOf(RUNTIME_CLASS(CItem)));
    EXPECT_FALSE(ob.IsKindOf(RUNTIME_CLASS(CGroup)));
}

TEST(Object, ClassDescriptions)
{
    const CRuntimeClass* pItem = RUNTIME_CLASS(CItem);
    EXPECT_STREQ("CItem", pItem->m_lpszClassName);
    EXPECT_EQ((int)sizeof(CItem), pItem->m_nObjectSize);
    EXPECT_EQ(1u, pItem->m_wSchema);
    EXPECT_EQ(2u | VERSIONABLE_SCHEMA, RUNTIME_CLASS(CVersioned)->m_wSchema);
    EXPECT_EQ(0xFFFFu, RUNTIME_CLASS(CDynamicOnly)->m_wSchema);

    CItem item;
    CDynamicOnly dyn;
    CObList obList;
    CPtrList ptrList;
    EXPECT_TRUE(item.IsSerializable());
    EXPECT_FALSE(dyn.IsSerializable());
    EXPECT_TRUE(obList.IsSerializable());
    EXPECT_FALSE(ptrList.IsSerializable());
}

TEST(Object, CreationByClass)
{
    const CRuntimeClass* creatable[] = {RUNTIME_CLASS(CItem), RUNTIME_CLASS(CSubItem),
                                        RUNTIME_CLASS(CDynamicOnly), RUNTIME_CLASS(CStringArray),
                                        RUNTIME_CLASS(CMapStringToOb)};
    for (const CRuntimeClass* pClass : creatable)
    {
        SCOPED_TRACE(pClass->m_lpszClassName);
        std::unique_ptr<CObject> p(pClass->CreateObject());
        ASSERT_TRUE(p != nullptr);
        EXPECT_EQ(pClass, p->GetRuntimeClass());
    }
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CFile)->CreateObject());
}

TEST(Object, SerialisableClassesAreFoundByName)
{
    // The collection classes live in the library; the test classes in the
    // program. Classes that cannot be serialised are not registered.
    const struct
    {
        const char* pszName;
        const CRuntimeClass* pClass;
    } cases[] = {
        {"CItem", RUNTIME_CLASS(CItem)},
        {"CVersioned", RUNTIME_CLASS(CVersioned)},
        {"CStringList", RUNTIME_CLASS(CStringList)},
        {"CMapStringToString", RUNTIME_CLASS(CMapStringToString)},
        {"CObArray", RUNTIME_CLASS(CObArray)},
        {"CDynamicOnly", nullptr},
        {"CPtrList", nullptr},
        {"CObject", nullptr},
        {"citem", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        EXPECT_EQ(c.pClass, CRuntimeClass::FromName(c.pszName));
    }

    // Registering again changes nothing.
    AfxClassInit(RUNTIME_CLASS(CItem));
    EXPECT_EQ(RUNTIME_CLASS(CItem), CRuntimeClass::FromName("CItem"));
}
