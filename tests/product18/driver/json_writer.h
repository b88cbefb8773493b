// The driver's report is one JSON document that the Ruby side parses with a
// small reader of its own (Ruby 1.8 has no JSON library), so the writer keeps
// to a plain subset: objects, arrays, strings, integers, booleans and null,
// strings as UTF-8 with only quotes, backslashes and control characters
// escaped.
#pragma once

#include <string>
#include <string_view>

namespace driver {

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The key of the next value inside an object.
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view utf8);
    JsonWriter& Number(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    // A document written by another writer, inserted as one value.
    JsonWriter& Raw(std::string_view json);

    const std::string& Text() const { return text_; }

private:
    void Separate();

    std::string text_;
    bool needsComma_ = false;
};

}  // namespace driver
