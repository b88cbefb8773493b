// CWinApp: the library's application object. A library of this kind has
// exactly one; it is constructed when the library loads and initialised
// right after the module's static objects.
#pragma once

namespace kvr::ui {

class CWinApp {
public:
    CWinApp() = default;
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Non-zero on success.
    virtual int InitInstance() { return 1; }
};

}  // namespace kvr::ui
