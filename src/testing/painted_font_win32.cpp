// The font a control drew its text in, on Windows: the driver lives in the
// module it tests, so the module's own import of DrawTextExW, the call every
// control of the module that paints itself draws its text with, is pointed at
// a recorder that notes the font selected into the device context for the
// window it paints, then draws.
#include "testing/painted_font.h"

#include <map>
#include <new>

#include "framework/resource_scope.h"

namespace kvr::testing {

namespace {

using DrawTextExProc = int(WINAPI*)(HDC, LPWSTR, int, LPRECT, UINT, LPDRAWTEXTPARAMS);

DrawTextExProc drawTextEx = nullptr;

// The font each window last drew text with, by window.
std::map<HWND, HFONT>& textFonts() {
    static std::map<HWND, HFONT> fonts;
    return fonts;
}

int WINAPI RecordingDrawTextEx(HDC dc, LPWSTR text, int length, LPRECT rect, UINT format,
                               LPDRAWTEXTPARAMS parameters) {
    HWND window = (format & DT_CALCRECT) ? nullptr : WindowFromDC(dc);
    if (window != nullptr) {
        // The recorder adds no way to fail to the call: without memory for
        // the note, the font goes unnoted.
        try {
            textFonts()[window] = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
        } catch (const std::bad_alloc&) {
        }
    }
    return drawTextEx(dc, text, length, rect, format, parameters);
}

// The module's import address slot that holds the function, or null: the
// loader wrote each imported function's address into one.
void** ImportSlot(HMODULE module, FARPROC function) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) {
        return nullptr;
    }
    const auto* library =
        reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; library->Name != 0; ++library) {
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; slot->u1.Function != 0; ++slot) {
            if (slot->u1.Function == reinterpret_cast<ULONG_PTR>(function)) {
                return reinterpret_cast<void**>(&slot->u1.Function);
            }
        }
    }
    return nullptr;
}

}  // namespace

void RecordPaintedFonts() {
    if (drawTextEx != nullptr) {
        return;
    }
    FARPROC function = GetProcAddress(GetModuleHandleW(L"user32.dll"), "DrawTextExW");
    void** slot = function != nullptr ? ImportSlot(ui::ThisModule(), function) : nullptr;
    DWORD protection = 0;
    if (slot == nullptr || !VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) {
        return;
    }
    drawTextEx = reinterpret_cast<DrawTextExProc>(reinterpret_cast<void (*)()>(function));
    *slot = reinterpret_cast<void*>(&RecordingDrawTextEx);
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

HFONT PaintedTextFont(HWND control) {
    textFonts().erase(control);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    auto found = textFonts().find(control);
    return found != textFonts().end() ? found->second : nullptr;
}

}  // namespace kvr::testing
