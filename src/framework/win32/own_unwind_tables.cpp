// Keeps the module's C++ exceptions working when the host process has loaded
// MinGW's shared libgcc_s_dw2-1.dll (another plug-in built with MinGW brings
// it, or libstdc++-6.dll that needs it) before this module.
//
// The module links its C++ runtime and unwinder statically. On 32-bit
// Windows that unwinder finds a function's unwind table only in the list of
// tables registered with it. MinGW's start-up code (crtbegin) registers the
// module's tables at load time, but with the shared libgcc whenever a DLL of
// that name is already loaded, and with the static unwinder only otherwise.
// In the first case the static unwinder's list stays empty, the first throw
// finds no handler and std::terminate ends the whole host: GetString(nil)
// was enough. So, at load, when the shared libgcc is present and the static
// unwinder cannot find our tables, this registers them with the static
// unwinder as well, and takes them out again at unload.
//
// The tables are the image's .eh_frame section, found through the section
// table of the loaded image. The module is linked with short section names
// (--disable-long-section-names) so that the table holds ".eh_fram" itself:
// a long name is only an offset into a string table that is not mapped.
//
// Only 32-bit x86 builds use these tables (64-bit Windows unwinds through
// the system's own tables), so the build compiles this file for them alone.

#include <windows.h>

#include <cstring>
#include <cxxabi.h>

extern "C" {
// The static unwinder's registration interface (libgcc's unwind-dw2-fde):
// the object is storage the unwinder owns while the tables are registered.
void __register_frame_info(const void* begin, void* object);
void* __deregister_frame_info(const void* begin);
struct UnwindBases {
    void* text;
    void* data;
    void* function;
};
const void* _Unwind_Find_FDE(void* pc, UnwindBases* bases);
// The linker's symbol for the start of this image.
extern IMAGE_DOS_HEADER __ImageBase;
}

namespace {

// The name crtbegin looks up, and the short section name of the tables.
constexpr char kSharedLibgcc[] = "libgcc_s_dw2-1.dll";
constexpr char kTablesSection[] = ".eh_fram";

const void* FindOwnUnwindTables() {
    const auto* base = reinterpret_cast<const unsigned char*>(&__ImageBase);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + __ImageBase.e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (std::memcmp(section->Name, kTablesSection, IMAGE_SIZEOF_SHORT_NAME) == 0 &&
            section->Misc.VirtualSize > 0) {
            return base + section->VirtualAddress;
        }
    }
    return nullptr;
}

// Whether the static unwinder knows a function of the C++ runtime linked
// into this module (one that always has unwind information).
bool StaticUnwinderKnowsOurTables() {
    UnwindBases bases{};
    auto* pc = reinterpret_cast<void*>(&__cxxabiv1::__cxa_throw);
    return _Unwind_Find_FDE(pc, &bases) != nullptr;
}

// The unwinder's record of the registration: larger than libgcc's own
// (seven words on this target), pointer-aligned, alive until unload.
struct RegistrationObject {
    void* words[16];
};

class OwnUnwindTables {
public:
    OwnUnwindTables() {
        if (GetModuleHandleA(kSharedLibgcc) == nullptr || StaticUnwinderKnowsOurTables()) {
            return;
        }
        begin_ = FindOwnUnwindTables();
        if (begin_ != nullptr) {
            __register_frame_info(begin_, &object_);
        }
    }
    ~OwnUnwindTables() {
        if (begin_ != nullptr) {
            __deregister_frame_info(begin_);
        }
    }
    OwnUnwindTables(const OwnUnwindTables&) = delete;
    OwnUnwindTables& operator=(const OwnUnwindTables&) = delete;

private:
    const void* begin_ = nullptr;
    RegistrationObject object_{};
};

// Constructed after crtbegin's registration (which runs first of all the
// module's constructors), destroyed before its deregistration; and before
// every other static object of the module, any of which may throw inside its
// own constructor.
__attribute__((init_priority(101))) OwnUnwindTables own_unwind_tables;

}  // namespace
