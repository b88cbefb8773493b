// Modal dialogs: DialogBoxIndirectParamW builds the dialog and its controls
// from an extended template, sends WM_INITDIALOG, and runs the modal loop
// over the posted messages until EndDialog. A headless loop that runs out of
// messages has nobody left to act, so it closes the dialog as the close box
// would, and ends it with IDCANCEL if that did not: it never waits.
#include <memory>
#include <optional>

#include "res/dialog_template.h"
#include "headless/dialog_manager.h"
#include "headless/gdi_objects.h"
#include "headless/message_queue.h"
#include "headless/module_table.h"
#include "headless/painting.h"
#include "headless/window_lifetime.h"

namespace kvr::headless {

namespace {

// Screen resolution the template font's point size is converted at.
constexpr int kPixelsPerInch = 96;
constexpr BYTE kProofQuality = 2;
// A template outside any registered resource is read up to this many bytes,
// which is far more than any dialog template takes.
constexpr std::size_t kUnboundedTemplateBytes = 64 * 1024;
// Messages a dialog may still handle after the close box before it is ended.
constexpr int kMessagesAfterClose = 10000;

std::optional<WindowClass> controlClass(const ui::ResourceId& id) {
    if (id.isOrdinal) {
        switch (id.ordinal) {
            case 0x80:
                return WindowClass::Button;
            case 0x81:
                return WindowClass::Edit;
            case 0x82:
                return WindowClass::Static;
            default:
                return std::nullopt;
        }
    }
    return classFromName(id.name);
}

RECT dialogUnitsToPixels(int x, int y, int cx, int cy, const DialogInfo& info) {
    int left = mulDiv(x, info.baseX, 4), top = mulDiv(y, info.baseY, 8);
    return RECT{left, top, left + mulDiv(cx, info.baseX, 4), top + mulDiv(cy, info.baseY, 8)};
}

bool createControls(HWND dialog, HINSTANCE instance, const ui::DialogTemplate& t) {
    HWND defaultButton = nullptr;
    for (const ui::DialogItemTemplate& item : t.items) {
        std::optional<WindowClass> windowClass = controlClass(item.windowClass);
        Window* d = findWindow(dialog);
        if (!windowClass || d == nullptr) {
            return false;  // a class this system does not have: the dialog fails
        }
        CreateParams params;
        params.windowClass = *windowClass;
        params.parent = dialog;
        params.style = item.style | WS_CHILD;
        params.exStyle = item.exStyle;
        params.rect = dialogUnitsToPixels(item.x, item.y, item.cx, item.cy, *d->dialog);
        params.id = item.id;
        params.instance = instance;
        HFONT font = d->dialog->font;
        if (item.title.isOrdinal) {
            params.imageOrdinal = item.title.ordinal;
        } else {
            params.text = item.title.name;
            params.imageName = item.title.name;
        }
        HWND control = createWindow(params);
        if (control == nullptr) {
            return false;
        }
        if (font != nullptr) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        }
        // The last default push button of the template is the default.
        if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
            if (defaultButton != nullptr) {
                SendMessageW(defaultButton, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
            }
            defaultButton = control;
            if (Window* after = findWindow(dialog)) {
                after->dialog->defaultId = static_cast<int>(item.id);
            }
        }
    }
    return true;
}

RECT dialogRect(const ui::DialogTemplate& t, const DialogInfo& info, HWND owner) {
    int width = mulDiv(t.cx, info.baseX, 4), height = mulDiv(t.cy, info.baseY, 8);
    POINT pos{mulDiv(t.x, info.baseX, 4), mulDiv(t.y, info.baseY, 8)};
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN),
              screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (t.style & DS_CENTER) {
        pos = POINT{(screenWidth - width) / 2, (screenHeight - height) / 2};
    } else if (owner != nullptr) {
        ClientToScreen(owner, &pos);
    }
    // Kept on the screen, as the dialog manager does.
    if (pos.x + width > screenWidth) {
        pos.x = screenWidth - width;
    }
    if (pos.y + height > screenHeight) {
        pos.y = screenHeight - height;
    }
    pos.x = pos.x < 0 ? 0 : pos.x;
    pos.y = pos.y < 0 ? 0 : pos.y;
    return RECT{pos.x, pos.y, pos.x + width, pos.y + height};
}

HWND createDialog(HINSTANCE instance, const ui::DialogTemplate& t, HWND owner, DLGPROC proc,
                  LPARAM initParam) {
    // Only the standard dialog class exists here.
    if (!(t.windowClass.isOrdinal && t.windowClass.ordinal == 0)) {
        return nullptr;
    }
    auto info = std::make_unique<DialogInfo>();
    if (t.hasFont) {
        info->font =
            CreateFontW(-mulDiv(t.pointSize, kPixelsPerInch, 72), 0, 0, 0, t.weight, t.italic,
                        FALSE, FALSE, t.charset, 0, 0, kProofQuality, 0, t.typeface.c_str());
        FontMetrics m = fontMetrics(info->font);
        info->baseX = m.averageWidth;
        info->baseY = m.height;
    }
    HFONT font = info->font;
    // The dialog owns its template font from here on (DestroyWindow frees it).
    Window& w = addWindow(WindowClass::Dialog, nullptr, owner);
    w.style = t.style & ~WS_VISIBLE;
    w.exStyle = t.exStyle;
    w.rect = dialogRect(t, *info, owner);
    w.instance = instance;
    w.text = t.title;
    w.invalid = true;
    w.dialog = std::move(info);
    HWND dialog = w.handle;
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (SendMessageW(dialog, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(dialog);
        return nullptr;
    }
    if (proc != nullptr && font != nullptr) {
        SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
    if (!createControls(dialog, instance, t)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    if (proc != nullptr) {
        HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (focus == nullptr) {
            focus = GetNextDlgGroupItem(dialog, nullptr, FALSE);
        }
        LRESULT keepDefault =
            SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), initParam);
        if (keepDefault && IsWindow(dialog) && !findWindow(dialog)->dialog->ended) {
            // TRUE: the dialog manager gives the focus to the first tab stop
            // (it may have changed), selecting all of an edit's text.
            focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
            if (focus == nullptr) {
                focus = GetNextDlgGroupItem(dialog, nullptr, FALSE);
            }
            if (focus != nullptr) {
                if (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
                    SendMessageW(focus, EM_SETSEL, 0, 0x7FFFFFFF);
                }
                SetFocus(focus);
            } else {
                SetFocus(dialog);
            }
        }
    }
    if (IsWindow(dialog) && (t.style & WS_VISIBLE)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    return IsWindow(dialog) ? dialog : nullptr;
}

bool hasEnded(HWND dialog) {
    Window* w = findWindow(dialog);
    return w == nullptr || w->dialog->ended;
}

INT_PTR runModalLoop(HWND dialog) {
    bool shown = false, closed = false;
    int messagesAfterClose = 0;
    while (!hasEnded(dialog)) {
        MSG message{};
        if (takePostedMessage(message)) {
            if (closed && ++messagesAfterClose > kMessagesAfterClose) {
                EndDialog(dialog, IDCANCEL);
                continue;
            }
            if (message.hwnd == nullptr || IsWindow(message.hwnd)) {
                if (!IsDialogMessageW(dialog, &message)) {
                    dispatchMessage(message);
                }
            }
            continue;
        }
        // The queue ran empty: show the dialog the first time, then paint.
        if (!shown) {
            shown = true;
            ShowWindow(dialog, SW_SHOWNORMAL);
            continue;
        }
        if (paintPending()) {
            paintAll();
            continue;
        }
        // Nobody can act any more: the close box, then Cancel.
        if (!closed) {
            closed = true;
            SendMessageW(dialog, WM_CLOSE, 0, 0);
            continue;
        }
        EndDialog(dialog, IDCANCEL);
    }
    Window* w = findWindow(dialog);
    if (w == nullptr) {
        return 0;  // destroyed while running: as Win32, the result is 0
    }
    INT_PTR result = w->dialog->result;
    DestroyWindow(dialog);
    return result;
}

}  // namespace

}  // namespace kvr::headless

using namespace kvr::headless;

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND owner,
                                DLGPROC dialogProc, LPARAM initParam) {
    if (dialogTemplate == nullptr || (owner != nullptr && !IsWindow(owner))) {
        return -1;
    }
    std::size_t size = bytesLeftInResource(dialogTemplate);
    std::optional<kvr::ui::DialogTemplate> parsed =
        kvr::ui::parseDialogTemplate(dialogTemplate, size != 0 ? size : kUnboundedTemplateBytes);
    if (!parsed) {
        return -1;
    }
    HWND dialog = createDialog(instance, *parsed, owner, dialogProc, initParam);
    if (dialog == nullptr) {
        return -1;
    }
    return runModalLoop(dialog);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    Window* w = findWindow(dialog);
    if (w == nullptr || !w->dialog) {
        return FALSE;
    }
    w->dialog->result = result;
    w->dialog->ended = true;
    // The focus goes to the dialog itself, which then hides.
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(dialog, focus)) {
        SetFocus(dialog);
    }
    if (Window* after = findWindow(dialog)) {
        after->style &= ~WS_VISIBLE;
    }
    return TRUE;
}
