// Parser of extended dialog templates (DLGTEMPLATEEX and DLGITEMTEMPLATEEX).
// Every read is checked against the end of the template: truncated or
// malformed bytes give nothing, never a read past the end.
#include "res/dialog_template.h"

#include <utility>

#include "res/resource_reader.h"

namespace kvr::ui {

namespace {

constexpr std::uint32_t kDsSetFont = 0x40;

bool readRect(ResourceReader& in, std::int16_t& x, std::int16_t& y, std::int16_t& cx,
              std::int16_t& cy) {
    return in.i16(x) && in.i16(y) && in.i16(cx) && in.i16(cy);
}

// helpID, exStyle, style, x, y, cx, cy, id, class, title, creation data;
// the item starts on a DWORD boundary.
bool readItem(ResourceReader& in, DialogItemTemplate& item) {
    std::uint32_t id = 0;
    std::uint16_t extraCount = 0;
    if (!in.alignTo4() || !in.u32(item.helpId) || !in.u32(item.exStyle) || !in.u32(item.style) ||
        !readRect(in, item.x, item.y, item.cx, item.cy) || !in.u32(id)) {
        return false;
    }
    item.id = static_cast<std::int32_t>(id);
    return in.nameOrOrdinal(item.windowClass) && in.nameOrOrdinal(item.title) &&
           in.u16(extraCount) && in.bytes(extraCount, item.extraData);
}

}  // namespace

std::optional<DialogTemplate> parseDialogTemplate(const void* data, std::size_t size) {
    if (data == nullptr) {
        return std::nullopt;
    }
    ResourceReader in(static_cast<const std::uint8_t*>(data), size);
    DialogTemplate dialog;
    std::uint16_t version = 0, signature = 0, itemCount = 0;
    if (!in.u16(version) || !in.u16(signature) || version != 1 || signature != 0xFFFF) {
        return std::nullopt;  // not the extended form
    }
    if (!in.u32(dialog.helpId) || !in.u32(dialog.exStyle) || !in.u32(dialog.style) ||
        !in.u16(itemCount) || !readRect(in, dialog.x, dialog.y, dialog.cx, dialog.cy) ||
        !in.optionalNameOrOrdinal(dialog.menu) || !in.optionalNameOrOrdinal(dialog.windowClass) ||
        !in.string(dialog.title)) {
        return std::nullopt;
    }
    if (dialog.style & kDsSetFont) {
        dialog.hasFont = true;
        if (!in.u16(dialog.pointSize) || !in.u16(dialog.weight) || !in.u8(dialog.italic) ||
            !in.u8(dialog.charset) || !in.string(dialog.typeface)) {
            return std::nullopt;
        }
    }
    // Items are added as they are read: a count larger than the bytes can hold
    // fails at the end of the data, not with a large allocation up front.
    for (std::uint16_t i = 0; i < itemCount; ++i) {
        DialogItemTemplate item;
        if (!readItem(in, item)) {
            return std::nullopt;
        }
        dialog.items.push_back(std::move(item));
    }
    return dialog;
}

}  // namespace kvr::ui
