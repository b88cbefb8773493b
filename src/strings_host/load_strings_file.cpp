#include "strings_host/load_strings_file.h"

#include <array>
#include <cstring>

#include "ruby/calls.h"
#include "ruby/convert.h"

namespace kvr::strings {

namespace {

// The bytes of a path value the host confirmed. A value that is not a String,
// or a String without a character buffer, yields no bytes: the path counts as
// refused.
rb::StringBytes confirmedPathBytes(rb::Value path) {
    return rb::isString(path) ? rb::stringBytes(path) : rb::StringBytes{};
}

}  // namespace

int LocateStringsFile(const char* fileName, char* path) {
    // A Ruby exception raised by the host's methods leaves as a RubyError.
    const rb::Value name = rb::newString(fileName);
    const rb::Value resourcePath = rb::call(rb::evalString("Sketchup"), "get_resource_path", name);
    const rb::Value valid =
        rb::call(rb::evalString("Sketchup"), "is_valid_filename?", resourcePath);
    if (!rb::isTrue(valid)) {
        return 1;
    }
    const rb::StringBytes bytes = confirmedPathBytes(resourcePath);
    // A path that does not fit the buffer with its NUL counts as not found.
    if (!bytes.hasBuffer() || bytes.size >= kStringsBufferSize) {
        return 1;
    }
    std::memcpy(path, bytes.data, bytes.size);
    path[bytes.size] = '\0';
    return 0;
}

int LoadStringsFile(LangHandler& handler, const char* fileName) {
    std::array<char, kStringsBufferSize> path;
    if (LocateStringsFile(fileName, path.data()) != 0) {
        return 1;
    }
    return handler.ReadStringsFile(path.data());
}

}  // namespace kvr::strings
