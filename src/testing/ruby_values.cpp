#include "testing/ruby_values.h"

#include <string>

#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/protect.h"
#include "ruby/ruby_api.h"

namespace kvr::testing {

rb::Value NewArray() {
    return rb::protect([] { return rb_ary_new(); });
}

void Push(rb::Value array, rb::Value item) {
    rb::protect([array, item] { return rb_ary_push(array, item); });
}

rb::Value WideToRuby(text::WideView value) {
    return rb::newString(text::wideToUtf8(value));
}

text::WideString RubyToWide(rb::Value string) {
    return text::utf8ToWide(rb::stringBytes(string).view());
}

rb::Value FontHash(const LOGFONTW& font) {
    const auto* face = reinterpret_cast<const text::WideChar*>(font.lfFaceName);
    text::WideView faceName(face, std::char_traits<text::WideChar>::length(face));
    rb::Value entries[][2] = {
        {rb::evalString(":face"), WideToRuby(faceName)},
        {rb::evalString(":height"), rb::integer(font.lfHeight)},
        {rb::evalString(":weight"), rb::integer(font.lfWeight)},
        {rb::evalString(":italic"), rb::boolValue(font.lfItalic != 0)},
        {rb::evalString(":underline"), rb::boolValue(font.lfUnderline != 0)},
        {rb::evalString(":charset"), rb::integer(font.lfCharSet)},
    };
    rb::Value hash = rb::protect([] { return rb_hash_new(); });
    for (auto& entry : entries) {
        rb::call(hash, "store", entry[0], entry[1]);
    }
    return hash;
}

std::string NameOf(rb::Value symbol) {
    rb::Value name = rb::call(symbol, "to_s");
    return std::string(rb::stringBytes(name).view());
}

}  // namespace kvr::testing
