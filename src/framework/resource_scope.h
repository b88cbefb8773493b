// The module resource scope: while one is alive, dialog templates, bitmaps
// and other resources are found in this library rather than in the host's
// executable. Scopes nest; each restores what was current before it.
#pragma once

#include "win_api/win_api.h"

namespace kvr::ui {

// This library's own resources (defined by the window system).
HINSTANCE ThisModule();

// Where resources are looked up now.
HINSTANCE CurrentResourceModule();

class ResourceScope {
public:
    ResourceScope();
    ~ResourceScope();
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;

    // Scopes in effect now: 0 between calls.
    static int Depth();

private:
    HINSTANCE previous_;
};

}  // namespace kvr::ui
