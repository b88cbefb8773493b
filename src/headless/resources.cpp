// Modules and their resources: kvrHeadlessRegisterModule, FindResourceW,
// LoadResource, LockResource, SizeofResource, and the library loader, which
// finds only the program files registered with kvrHeadlessRegisterFile.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "headless/headless.h"
#include "headless/module_table.h"
#include "headless/window_table.h"
#include "res/res_file.h"

namespace kvr::headless {

namespace {

struct Module {
    HMODULE handle = nullptr;
    const void* source = nullptr;  // the bytes it was registered from
    std::vector<std::uint8_t> bytes;
    std::vector<ui::ResourceEntry> entries;  // pointing into `bytes`
};

struct ModuleTable {
    std::vector<std::unique_ptr<Module>> modules;
    std::map<std::pair<HMODULE, std::size_t>, HRSRC> handles;
    std::map<HRSRC, std::pair<HMODULE, std::size_t>> byHandle;
};

ModuleTable& table() {
    static ModuleTable t;
    return t;
}

Module* findModule(HMODULE handle) {
    for (auto& m : table().modules) {
        if (m->handle == handle) {
            return m.get();
        }
    }
    return nullptr;
}

char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}

// A resource type or name as FindResourceW takes it: an ordinal, "#123", or a
// name, which Win32 compares without regard to case.
ui::ResourceId toResourceId(LPCWSTR value) {
    if (IS_INTRESOURCE(value)) {
        return ui::ResourceId::number(
            static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(value)));
    }
    std::u16string name(value);
    if (name.size() > 1 && name[0] == u'#') {
        unsigned number = 0;
        bool digits = true;
        for (std::size_t i = 1; i < name.size() && digits; ++i) {
            digits = name[i] >= u'0' && name[i] <= u'9';
            number = number * 10 + (name[i] - u'0');
        }
        if (digits && number <= 0xFFFF) {
            return ui::ResourceId::number(static_cast<std::uint16_t>(number));
        }
    }
    ui::ResourceId id;
    id.isOrdinal = false;
    for (char16_t& c : name) {
        c = upper(c);
    }
    id.name = name;
    return id;
}

bool sameId(const ui::ResourceId& entry, const ui::ResourceId& wanted) {
    if (entry.isOrdinal != wanted.isOrdinal) {
        return false;
    }
    if (entry.isOrdinal) {
        return entry.ordinal == wanted.ordinal;
    }
    if (entry.name.size() != wanted.name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < entry.name.size(); ++i) {
        if (upper(entry.name[i]) != wanted.name[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool findModuleResource(HMODULE handle, LPCWSTR name, LPCWSTR type, ModuleResource& out) {
    Module* module = findModule(handle);
    if (module == nullptr || name == nullptr || type == nullptr) {
        return false;
    }
    ui::ResourceId wantedName = toResourceId(name), wantedType = toResourceId(type);
    for (std::size_t i = 0; i < module->entries.size(); ++i) {
        const ui::ResourceEntry& e = module->entries[i];
        if (sameId(e.type, wantedType) && sameId(e.name, wantedName)) {
            out = ModuleResource{e.data, e.size, i};
            return true;
        }
    }
    return false;
}

bool isRegisteredModule(HMODULE handle) {
    return findModule(handle) != nullptr;
}

std::size_t bytesLeftInResource(const void* data) {
    auto* p = static_cast<const std::uint8_t*>(data);
    for (auto& m : table().modules) {
        for (const ui::ResourceEntry& e : m->entries) {
            if (e.data != nullptr && p >= e.data && p < e.data + e.size) {
                return static_cast<std::size_t>(e.data + e.size - p);
            }
        }
    }
    return 0;
}

}  // namespace kvr::headless

using namespace kvr::headless;

HINSTANCE kvrHeadlessRegisterModule(const void* resBytes, std::size_t size) {
    if (resBytes == nullptr) {
        return nullptr;
    }
    for (auto& m : table().modules) {
        if (m->source == resBytes && m->bytes.size() == size) {
            return m->handle;
        }
    }
    auto module = std::make_unique<Module>();
    const auto* first = static_cast<const std::uint8_t*>(resBytes);
    module->bytes.assign(first, first + size);
    auto entries = kvr::ui::readResFile(module->bytes.data(), module->bytes.size());
    if (!entries) {
        return nullptr;
    }
    module->entries = std::move(*entries);
    module->source = resBytes;
    module->handle = reinterpret_cast<HMODULE>(newHandleValue());
    HMODULE handle = module->handle;
    table().modules.push_back(std::move(module));
    return handle;
}

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    // A null module means the program itself, which holds no resources here.
    ModuleResource resource;
    if (!findModuleResource(module, name, type, resource)) {
        return nullptr;
    }
    ModuleTable& t = table();
    auto key = std::make_pair(module, resource.index);
    auto found = t.handles.find(key);
    if (found != t.handles.end()) {
        return found->second;
    }
    auto handle = reinterpret_cast<HRSRC>(newHandleValue());
    t.handles.emplace(key, handle);
    t.byHandle.emplace(handle, key);
    return handle;
}

namespace {

const kvr::ui::ResourceEntry* entryOf(HRSRC resource) {
    ModuleTable& t = table();
    auto found = t.byHandle.find(resource);
    if (found == t.byHandle.end()) {
        return nullptr;
    }
    Module* module = findModule(found->second.first);
    if (module == nullptr || found->second.second >= module->entries.size()) {
        return nullptr;
    }
    return &module->entries[found->second.second];
}

}  // namespace

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    const kvr::ui::ResourceEntry* entry = entryOf(resource);
    return entry != nullptr ? const_cast<std::uint8_t*>(entry->data) : nullptr;
}

LPVOID LockResource(HGLOBAL data) {
    return data;
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    const kvr::ui::ResourceEntry* entry = entryOf(resource);
    return entry != nullptr ? static_cast<DWORD>(entry->size) : 0;
}

namespace {

struct LoadedFiles {
    std::map<std::u16string, HMODULE> byPath;  // registered program files
    std::map<HMODULE, int> loads;              // not yet freed, per module
    int codeLoads = 0;
};

LoadedFiles& files() {
    static LoadedFiles f;
    return f;
}

}  // namespace

void kvrHeadlessRegisterFile(LPCWSTR path, const void* resBytes, std::size_t size) {
    HMODULE module = kvrHeadlessRegisterModule(resBytes, size);
    if (path != nullptr && module != nullptr) {
        files().byPath[path] = module;
    }
}

int kvrHeadlessCodeLoads() {
    return files().codeLoads;
}

int kvrHeadlessLoadedFiles() {
    int count = 0;
    for (const auto& load : files().loads) {
        count += load.second;
    }
    return count;
}

HMODULE LoadLibraryExW(LPCWSTR fileName, HANDLE, DWORD flags) {
    // Only files registered with kvrHeadlessRegisterFile exist here.
    LoadedFiles& f = files();
    auto found = fileName != nullptr ? f.byPath.find(fileName) : f.byPath.end();
    if (found == f.byPath.end()) {
        return nullptr;
    }
    if ((flags & (LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) == 0) {
        ++f.codeLoads;
    }
    ++f.loads[found->second];
    return found->second;
}

HMODULE LoadLibraryW(LPCWSTR fileName) {
    return LoadLibraryExW(fileName, nullptr, 0);
}

BOOL FreeLibrary(HMODULE module) {
    auto& loads = files().loads;
    auto load = loads.find(module);
    if (load != loads.end()) {
        if (--load->second == 0) {
            loads.erase(load);
        }
        return TRUE;
    }
    // Registered modules stay for the whole process; anything else is unknown.
    return isRegisteredModule(module) ? TRUE : FALSE;
}

UINT GetWindowsDirectoryW(LPWSTR buffer, UINT size) {
    static const char16_t directory[] = u"C:\\windows";
    constexpr UINT length = sizeof(directory) / sizeof(directory[0]) - 1;
    if (buffer == nullptr || size <= length) {
        return length + 1;  // the size needed, terminator included
    }
    std::copy(directory, directory + length + 1, buffer);
    return length;
}
