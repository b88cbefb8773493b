// CWnd: a C++ object attached to a window handle. Controls of a dialog template
// are attached by subclassing: their messages then pass through the object,
// which dispatches its message map and hands the rest to the control class's
// own procedure.
#pragma once

#include "framework/runtime_class.h"
#include "win_api/win_api.h"
#include "text/wide_string.h"

namespace kvr::ui {

class CWnd;

// One entry of a control's message map: a window message and its handler, in
// one of the three forms the framework supports (exactly one is set).
struct ControlMessageEntry {
    UINT message;
    void (CWnd::*onPaint)();
    void (CWnd::*onMouseButton)(UINT flags, POINT point);
    BOOL (CWnd::*onSetCursor)(HWND window, UINT hitTest, UINT message);
};

struct ControlMessageMap {
    const ControlMessageEntry* entries;
    int count;
};

class CWnd {
public:
    static const CRuntimeClass* RuntimeClassOf();
    virtual const CRuntimeClass* GetRuntimeClass() const;

    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    text::WideString GetWindowText() const;
    void SetWindowText(text::WideView text);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND GetDlgItem(int id) const;

    // Attaches this object to the control with the given id of a dialog:
    // PreSubclassWindow first, then the window's messages pass through this
    // object until the window is destroyed. False when there is no such control
    // or the object is attached already.
    bool SubclassDlgItem(int id, HWND parent);

    // The object attached to a window by subclassing, or null.
    static CWnd* FromAttachedHandle(HWND window);

protected:
    virtual void PreSubclassWindow() {}
    virtual const ControlMessageMap* GetMessageMap() const { return nullptr; }
    // Default processing of the message being handled: the control class's
    // own procedure.
    LRESULT Default();

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();

    WNDPROC previousProc_ = nullptr;
    struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } current_{};
};

}  // namespace kvr::ui

// Message maps of controls. In the class body:
#define KVR_DECLARE_MESSAGE_MAP() \
protected:                        \
    const ::kvr::ui::ControlMessageMap* GetMessageMap() const override;

// In the source file, between BEGIN and END, entries in dispatch order:
#define KVR_BEGIN_MESSAGE_MAP(Class)                                   \
    const ::kvr::ui::ControlMessageMap* Class::GetMessageMap() const { \
        using ThisClass = Class;                                       \
        static const ::kvr::ui::ControlMessageEntry entries[] = {
#define KVR_ON_WM_PAINT() \
    {WM_PAINT, static_cast<void (::kvr::ui::CWnd::*)()>(&ThisClass::OnPaint), nullptr, nullptr},
#define KVR_ON_WM_LBUTTONUP() \
    {WM_LBUTTONUP, nullptr,   \
     static_cast<void (::kvr::ui::CWnd::*)(UINT, POINT)>(&ThisClass::OnLButtonUp), nullptr},
#define KVR_ON_WM_SETCURSOR()        \
    {WM_SETCURSOR, nullptr, nullptr, \
     static_cast<BOOL (::kvr::ui::CWnd::*)(HWND, UINT, UINT)>(&ThisClass::OnSetCursor)},
#define KVR_END_MESSAGE_MAP()                                                                     \
    }                                                                                             \
    ;                                                                                             \
    static const ::kvr::ui::ControlMessageMap map{entries, static_cast<int>(std::size(entries))}; \
    return &map;                                                                                  \
    }
