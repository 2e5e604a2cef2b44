#pragma once

// Class information for the objects the framework creates by class: documents, frames, views
// and splitters. A splitter pane is replaced "by view class", and callers ask whether a view
// is of a class or derived from it.
class CCmdTarget;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CCmdTarget* (*m_pfnCreateObject)(); // null for classes that cannot be created by class
    const CRuntimeClass* m_pBaseClass;

    CCmdTarget* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const
    {
        for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
            if (c == base)
                return true;
        return false;
    }
};

// Mixed into the root of each creatable family.
class CRuntimeObject {
public:
    virtual ~CRuntimeObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const = 0;
    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls)                                                                     \
public:                                                                                          \
    static const CRuntimeClass class##cls;                                                       \
    const CRuntimeClass* GetRuntimeClass() const override { return &class##cls; }

#define DECLARE_DYNCREATE(cls)                                                                   \
    DECLARE_DYNAMIC(cls)                                                                         \
    static CCmdTarget* CreateObject();

// Root classes of a family name no base.
#define IMPLEMENT_DYNCREATE_ROOT(cls)                                                            \
    CCmdTarget* cls::CreateObject() { return new cls; }                                          \
    const CRuntimeClass cls::class##cls{#cls, &cls::CreateObject, nullptr};
#define IMPLEMENT_DYNAMIC(cls, base)                                                             \
    const CRuntimeClass cls::class##cls{#cls, nullptr, RUNTIME_CLASS(base)};
#define IMPLEMENT_DYNCREATE(cls, base)                                                           \
    CCmdTarget* cls::CreateObject() { return new cls; }                                          \
    const CRuntimeClass cls::class##cls{#cls, &cls::CreateObject, RUNTIME_CLASS(base)};
