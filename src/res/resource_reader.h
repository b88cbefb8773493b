// Little-endian reads within [data, data + size), for the compiled resource
// formats (.res entries, dialog templates). A failed read returns false and
// never reads past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "res/res_file.h"

namespace kvr::ui {

class ResourceReader {
public:
    ResourceReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t offset() const { return offset_; }
    std::size_t remaining() const { return size_ - offset_; }

    bool skip(std::size_t n) {
        if (n > remaining()) {
            return false;
        }
        offset_ += n;
        return true;
    }
    // Alignment counts from the start of the data, which itself sits
    // DWORD-aligned in a resource.
    bool alignTo4() { return skip((4 - offset_ % 4) % 4); }

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
        if (remaining() < 4) {
            return false;
        }
        std::uint16_t low = 0, high = 0;
        u16(low);
        u16(high);
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
    // A NUL-terminated UTF-16 string whose first unit was read already.
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
    // On failure the position is left where it was.
    bool nameOrOrdinal(ResourceId& id) {
        const std::size_t start = offset_;
        std::uint16_t first = 0;
        bool read = u16(first);
        if (read && first == 0xFFFF) {
            id = ResourceId{};
            read = u16(id.ordinal);
        } else if (read) {
            id = ResourceId{false, 0, {}};
            read = string(id.name, first);
        }
        if (!read) {
            offset_ = start;
        }
        return read;
    }
    // The menu and class fields of a template: 0x0000 for none (ordinal 0),
    // else as nameOrOrdinal.
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

}  // namespace kvr::ui
