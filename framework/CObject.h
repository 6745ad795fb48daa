// CObject, the root of the framework's classes, and its run-time class
// information: a chain of static CRuntimeClass records, one per class that
// declares itself with DECLARE_DYNAMIC, which IsKindOf walks.
#pragma once

#include "Platform.h"

struct CRuntimeClass
{
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;  // nullptr for CObject

    // TRUE when this class is pBaseClass or derives from it.
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

// In the class body; leaves the access at public.
#define DECLARE_DYNAMIC(cls)                                  \
public:                                                       \
    static const CRuntimeClass class##cls;                    \
    const CRuntimeClass* GetRuntimeClass() const override;

// In one source file, at namespace scope.
#define IMPLEMENT_DYNAMIC(cls, base)                                         \
    const CRuntimeClass cls::class##cls = { #cls, RUNTIME_CLASS(base) };    \
    const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }

class CObject
{
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject();
    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
