// Reading compiled resources: the entries of a .res file as windres writes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvr::ui {

// A resource type or name: an ordinal, or a UTF-16 string.
struct ResourceId {
    bool isOrdinal = true;
    std::uint16_t ordinal = 0;
    std::u16string name;

    static ResourceId number(std::uint16_t n) { return {true, n, {}}; }
    bool operator==(const ResourceId& o) const {
        return isOrdinal == o.isOrdinal && (isOrdinal ? ordinal == o.ordinal : name == o.name);
    }
};

struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;
    const std::uint8_t* data = nullptr;  // points into the .res bytes
    std::size_t size = 0;
};

constexpr std::uint16_t kResourceTypeBitmap = 2;
constexpr std::uint16_t kResourceTypeDialog = 5;
constexpr std::uint16_t kResourceTypeVersion = 16;

// All entries of a .res image, in file order, the leading empty entry left out.
// Returns nothing when the bytes are not a well-formed .res file.
std::optional<std::vector<ResourceEntry>> readResFile(const void* data, std::size_t size);

// The first entry of the given type and name, or null.
const ResourceEntry* findResource(const std::vector<ResourceEntry>& entries, const ResourceId& type,
                                  const ResourceId& name);

}  // namespace kvr::ui
