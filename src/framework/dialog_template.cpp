// Parser of extended dialog templates (DLGTEMPLATEEX and DLGITEMTEMPLATEEX).
// Every read is checked against the end of the template: truncated or
// malformed bytes give nothing, never a read past the end.
#include "framework/dialog_template.h"

#include <utility>

namespace kvr::ui {

namespace {

constexpr std::uint32_t kDsSetFont = 0x40;

// Little-endian reads within [data, data + size). Alignment is counted from
// the start of the template, which itself sits DWORD-aligned in a resource.
class Cursor {
  public:
    Cursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t remaining() const { return size_ - offset_; }

    bool alignTo4() {
        const std::size_t pad = (4 - offset_ % 4) % 4;
        if (pad > remaining()) {
            return false;
        }
        offset_ += pad;
        return true;
    }
    bool u8(std::uint8_t& value) {
        if (remaining() < 1) {
            return false;
        }
        value = data_[offset_++];
        return true;
    }
    bool u16(std::uint16_t& value) {
        if (remaining() < 2) {
            return false;
        }
        value = static_cast<std::uint16_t>(data_[offset_] | data_[offset_ + 1] << 8);
        offset_ += 2;
        return true;
    }
    bool i16(std::int16_t& value) {
        std::uint16_t raw = 0;
        if (!u16(raw)) {
            return false;
        }
        value = static_cast<std::int16_t>(raw);
        return true;
    }
    bool u32(std::uint32_t& value) {
        std::uint16_t low = 0, high = 0;
        if (!u16(low) || !u16(high)) {
            return false;
        }
        value = static_cast<std::uint32_t>(low) | static_cast<std::uint32_t>(high) << 16;
        return true;
    }
    bool bytes(std::size_t count, std::vector<std::uint8_t>& out) {
        if (count > remaining()) {
            return false;
        }
        out.assign(data_ + offset_, data_ + offset_ + count);
        offset_ += count;
        return true;
    }
    // A NUL-terminated UTF-16 string.
    bool string(std::u16string& out, std::uint16_t firstUnit) {
        out.clear();
        for (std::uint16_t unit = firstUnit; unit != 0;) {
            out.push_back(static_cast<char16_t>(unit));
            if (!u16(unit)) {
                return false;
            }
        }
        return true;
    }
    bool string(std::u16string& out) {
        std::uint16_t first = 0;
        return u16(first) && string(out, first);
    }
    // 0xFFFF followed by an ordinal, or a string (an empty one is a lone NUL).
    bool nameOrOrdinal(ResourceId& id) {
        std::uint16_t first = 0;
        if (!u16(first)) {
            return false;
        }
        if (first == 0xFFFF) {
            id = ResourceId{};
            return u16(id.ordinal);
        }
        id = ResourceId{false, 0, {}};
        return string(id.name, first);
    }
    // The menu and class fields: 0x0000 for none (ordinal 0), else as above.
    bool optionalNameOrOrdinal(ResourceId& id) {
        if (remaining() >= 2 && data_[offset_] == 0 && data_[offset_ + 1] == 0) {
            offset_ += 2;
            id = ResourceId::number(0);
            return true;
        }
        return nameOrOrdinal(id);
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

bool readRect(Cursor& in, std::int16_t& x, std::int16_t& y, std::int16_t& cx, std::int16_t& cy) {
    return in.i16(x) && in.i16(y) && in.i16(cx) && in.i16(cy);
}

// helpID, exStyle, style, x, y, cx, cy, id, class, title, creation data;
// the item starts on a DWORD boundary.
bool readItem(Cursor& in, DialogItemTemplate& item) {
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
    Cursor in(static_cast<const std::uint8_t*>(data), size);
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
