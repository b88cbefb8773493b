#include "ruby/expected_value.h"

#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/protect.h"
#include "ruby/ruby_api.h"
#include "text/cut_utf8.h"

namespace kvr::rb {

namespace {

std::string className(Value v) {
    const char* name = nullptr;
    protect([v, &name] {
        name = rb_obj_classname(v);
        return Value(Qnil);
    });
    return name != nullptr ? name : "";
}

// The value's inspect, cut; empty when there is none to show.
std::string inspectExcerpt(Value v) {
    Value shown = nil();
    try {
        shown = protect([v] { return rb_funcall(v, rb_intern("inspect"), 0); });
    } catch (const RubyError& error) {
        if (!isOrdinaryError(error)) {
            throw;
        }
        clearPendingException();
        return {};
    }
    if (!isString(shown)) {
        return {};
    }
    std::string_view bytes = stringBytes(shown).view();
    std::string excerpt = text::cutUtf8(bytes, kMaxInspectBytes);
    if (excerpt.size() < bytes.size()) {
        excerpt += "...";
    }
    return excerpt;
}

}  // namespace

std::string describeValue(Value v) {
    if (isNil(v)) {
        return "nil";
    }
    if (v == trueValue() || v == falseValue()) {
        return isTrue(v) ? "true" : "false";
    }
    std::string description = className(v);
    std::string excerpt = inspectExcerpt(v);
    if (!excerpt.empty()) {
        description += ' ';
        description += excerpt;
    }
    return description;
}

void raiseExpected(const char* exceptionClass, std::string_view subject, std::string_view expected,
                   Value got) {
    std::string message(subject);
    message += " must be ";
    message += expected;
    message += " (got ";
    message += describeValue(got);
    message += ')';
    raiseError(exceptionClass, message);
}

}  // namespace kvr::rb
