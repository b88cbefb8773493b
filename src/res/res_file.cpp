// Reader of .res files in the 32-bit form that windres and rc write. Every read
// is checked against the end of the buffer: malformed or truncated bytes give
// nothing, never a read past the end.
#include "res/res_file.h"

#include <utility>

#include "res/resource_reader.h"

namespace kvr::ui {

namespace {

constexpr std::size_t kEmptyEntrySize = 32;

struct EntryHeader {
    std::uint32_t dataSize = 0;
    std::uint32_t headerSize = 0;
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;
};

// The header of the entry at `entry`: DataSize, HeaderSize, TYPE, NAME, padding
// to a DWORD, DataVersion, MemoryFlags, LanguageId, Version, Characteristics.
// The fields must lie within HeaderSize, and HeaderSize within the file.
std::optional<EntryHeader> readEntryHeader(const std::uint8_t* entry, std::size_t available) {
    EntryHeader header;
    ResourceReader sizes(entry, available);
    if (!sizes.u32(header.dataSize) || !sizes.u32(header.headerSize) ||
        header.headerSize > available) {
        return std::nullopt;
    }
    ResourceReader fields(entry, header.headerSize);
    std::uint32_t dataVersion = 0, version = 0, characteristics = 0;
    std::uint16_t memoryFlags = 0;
    if (!fields.skip(8) || !fields.nameOrOrdinal(header.type) ||
        !fields.nameOrOrdinal(header.name) || !fields.alignTo4() || !fields.u32(dataVersion) ||
        !fields.u16(memoryFlags) || !fields.u16(header.language) || !fields.u32(version) ||
        !fields.u32(characteristics)) {
        return std::nullopt;
    }
    return header;
}

bool isEmptyEntry(const EntryHeader& header) {
    return header.dataSize == 0 && header.headerSize == kEmptyEntrySize &&
           header.type == ResourceId::number(0) && header.name == ResourceId::number(0);
}

}  // namespace

std::optional<std::vector<ResourceEntry>> readResFile(const void* data, std::size_t size) {
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);

    // The leading empty entry marks the 32-bit format (a 16-bit .res has none).
    std::optional<EntryHeader> first = readEntryHeader(bytes, size);
    if (!first || !isEmptyEntry(*first)) {
        return std::nullopt;
    }

    std::vector<ResourceEntry> entries;
    std::size_t offset = kEmptyEntrySize;
    while (offset < size) {
        std::optional<EntryHeader> header = readEntryHeader(bytes + offset, size - offset);
        if (!header) {
            return std::nullopt;
        }
        const std::size_t dataOffset = offset + header->headerSize;
        if (header->dataSize > size - dataOffset) {
            return std::nullopt;
        }
        ResourceEntry entry;
        entry.type = std::move(header->type);
        entry.name = std::move(header->name);
        entry.language = header->language;
        entry.data = bytes + dataOffset;
        entry.size = header->dataSize;
        entries.push_back(std::move(entry));

        // The next entry starts DWORD-aligned; the last one may end unpadded.
        const std::size_t end = dataOffset + header->dataSize;
        offset = end + (4 - end % 4) % 4;
    }
    return entries;
}

const ResourceEntry* findResource(const std::vector<ResourceEntry>& entries, const ResourceId& type,
                                  const ResourceId& name) {
    for (const ResourceEntry& entry : entries) {
        if (entry.type == type && entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace kvr::ui
