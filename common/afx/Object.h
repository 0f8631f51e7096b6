#ifndef TANZO_AFX_OBJECT_H
#define TANZO_AFX_OBJECT_H

#include "afx/wintypes.h"

class CArchive;
class CObject;

// Or-ed into the schema of IMPLEMENT_SERIAL: objects of the class load
// whatever schema the file holds and ask for it with GetObjectSchema().
#define VERSIONABLE_SCHEMA (0x80000000u)

// The run-time description of a class. Instances are constant data made by
// the IMPLEMENT_ macros; nothing ever writes to them.
struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // A new object of the class, or NULL when it cannot be created.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Schema WORD, name length WORD, name bytes.
    void Store(CArchive& ar) const;
    // The class named in the archive, or NULL if none of that name was
    // registered; *pwSchemaNum receives the schema of the file.
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);

    // A registered class by its name.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
};

// Registration of serialisable classes, for loading by name.
//
// IMPLEMENT_SERIAL defines a static AFX_CLASSINIT that links the class in
// while the program starts. In a static library the linker keeps that
// object file only when the program refers to something it defines (the
// class's constructor or vtable, RUNTIME_CLASS, its operator>>). A class
// that the program only ever reads through a pointer to a base class and
// never names must be named once, e.g. AfxClassInit(RUNTIME_CLASS(CFoo))
// at start-up.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(const CRuntimeClass* pNewClass);

    const CRuntimeClass* m_pClass;
    AFX_CLASSINIT* m_pNext;
};

// Registers a class unless it is registered already.
void AFXAPI AfxClassInit(const CRuntimeClass* pNewClass);

class CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                                                           \
    DECLARE_DYNCREATE(class_name)                                                                            \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                             \
    const CRuntimeClass class_name::class##class_name = {                                                    \
        #class_name, (int)sizeof(class_name), (UINT)(wSchema), pfnNew, RUNTIME_CLASS(base_class_name)};      \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                       \
    {                                                                                                        \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* class_name::CreateObject()                                                                      \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                               \
    CObject* class_name::CreateObject()                                                                      \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)               \
    static AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                                      \
    CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb)                                              \
    {                                                                                                        \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                            \
        return ar;                                                                                           \
    }

#endif // TANZO_AFX_OBJECT_H
