// The window system's interface: the subset of the Win32 API that the
// framework, the dialogs and the test driver use. On Windows it is the real
// thing; on Linux the headless window system provides the same functions with
// the same names, values and rules, in memory.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>
#else
#include "win_api/user32.h"
#endif
