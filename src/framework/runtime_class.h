// Run-time class information: each dialog class carries its class name and
// its base, so that code (and the test driver) can ask what a window object is.
#pragma once

namespace kvr::ui {

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;
};

}  // namespace kvr::ui

// In the class body: the class's own run-time information.
#define KVR_DECLARE_DYNAMIC(ClassName)                       \
public:                                                      \
    static const ::kvr::ui::CRuntimeClass* RuntimeClassOf(); \
    const ::kvr::ui::CRuntimeClass* GetRuntimeClass() const override;

// In the source file: defines it, naming the base class.
#define KVR_IMPLEMENT_DYNAMIC(ClassName, BaseName)                                          \
    const ::kvr::ui::CRuntimeClass* ClassName::RuntimeClassOf() {                           \
        static const ::kvr::ui::CRuntimeClass info{#ClassName, BaseName::RuntimeClassOf()}; \
        return &info;                                                                       \
    }                                                                                       \
    const ::kvr::ui::CRuntimeClass* ClassName::GetRuntimeClass() const {                    \
        return RuntimeClassOf();                                                            \
    }
