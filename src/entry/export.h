// Marks the one function the module exports: the initialisation function the
// interpreter looks up by its plain C name. Everything else stays internal
// (hidden visibility on ELF; on Windows the linker exports only what is marked).
#pragma once

#if defined(_WIN32)
#define KVR_EXPORT extern "C" __declspec(dllexport)
#else
#define KVR_EXPORT extern "C" __attribute__((visibility("default")))
#endif
