// Locating and loading the strings file through the host, against a fake
// Sketchup module in an embedded interpreter that logs every call.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/ruby_error.h"
#include "strings_host/load_strings_file.h"
#include "temp_dir.h"

namespace kvr::strings {
namespace {

const char* const kFakeHost = R"(
module Sketchup
  class << self
    attr_accessor :resource_path, :answer, :error, :calls
    def get_resource_path(name)
      @calls << [:get_resource_path, name]
      raise ArgumentError, "no resources" if @error
      @resource_path
    end
    def is_valid_filename?(path)
      @calls << [:is_valid_filename?, path]
      @answer
    end
  end
end
Sketchup.resource_path = nil
Sketchup.answer = true
Sketchup.error = false
Sketchup.calls = []
)";

std::string evalToString(const std::string& source) {
    return std::string(rb::stringBytes(rb::evalString(source.c_str())).view());
}

class LocateStringsFileTest : public ::testing::Test {
protected:
    void SetUp() override { rb::evalString(kFakeHost); }

    // Sets the host's answers from Ruby source.
    void host(const std::string& path, const std::string& answer = "true") {
        rb::evalString(("Sketchup.resource_path = " + path).c_str());
        rb::evalString(("Sketchup.answer = " + answer).c_str());
    }

    // Runs LocateStringsFile into a buffer filled with '#'; the text written,
    // or the untouched buffer's first byte when nothing was.
    int locate(std::string& written) {
        buffer.fill('#');
        const int result = LocateStringsFile("kvr.strings", buffer.data());
        written = buffer[0] == '#' ? std::string() : std::string(buffer.data());
        return result;
    }

    std::array<char, kStringsBufferSize> buffer;
};

TEST_F(LocateStringsFileTest, AsksForThePathThenConfirmsIt) {
    host("'/res/fr/kvr.strings'");
    std::string path;
    EXPECT_EQ(locate(path), 0);
    EXPECT_EQ(path, "/res/fr/kvr.strings");
    EXPECT_EQ(
        evalToString("Sketchup.calls.inspect"),
        R"([[:get_resource_path, "kvr.strings"], [:is_valid_filename?, "/res/fr/kvr.strings"]])");
}

TEST_F(LocateStringsFileTest, OnlyTheTrueObjectConfirms) {
    for (const char* answer : {"false", "nil", "1", "'true'", ":true", "[true]"}) {
        host("'/res/kvr.strings'", answer);
        std::string path;
        EXPECT_EQ(locate(path), 1) << answer;
        EXPECT_EQ(path, "") << answer;
    }
}

TEST_F(LocateStringsFileTest, AConfirmedPathThatIsNoUsableStringIsRefused) {
    for (const char* value : {"nil", "42", ":sym", "Object.new"}) {
        host(value);
        std::string path;
        EXPECT_EQ(locate(path), 1) << value;
        EXPECT_EQ(path, "") << value;
        EXPECT_EQ(evalToString("$!.inspect"), "nil") << value;
    }
    // The path handed on stops at a NUL byte.
    host("\"/res/kvr.strings\\0.evil\"");
    std::string path;
    EXPECT_EQ(locate(path), 0);
    EXPECT_EQ(path, "/res/kvr.strings");
}

TEST_F(LocateStringsFileTest, APathThatDoesNotFitTheBufferIsNotFound) {
    std::string path;
    host("'/' + 'x' * 1022");
    EXPECT_EQ(locate(path), 0);
    EXPECT_EQ(path.size(), kStringsBufferSize - 1);
    host("'/' + 'x' * 1023");
    EXPECT_EQ(locate(path), 1);
    EXPECT_EQ(path, "");
}

TEST_F(LocateStringsFileTest, AHostExceptionReachesTheCaller) {
    rb::evalString("Sketchup.error = true");
    std::string path;
    try {
        locate(path);
        FAIL() << "no RubyError";
    } catch (const rb::RubyError& error) {
        EXPECT_EQ(rb::stringBytes(rb::call(error.errinfo(), "message")).view(), "no resources");
        rb::clearPendingException();
    }
    EXPECT_EQ(path, "");
}

TEST_F(LocateStringsFileTest, LoadStringsFileReadsTheConfirmedFileOnly) {
    unit::TempDir dir;
    const std::string file = dir.write("kvr.strings", "\"Cancel\" = \"Annuler\";");
    LangHandler refused;
    host("'" + file + "'", "nil");
    EXPECT_EQ(LoadStringsFile(refused, "kvr.strings"), 1);
    EXPECT_EQ(refused.tables().utf8Size(), 0u);

    LangHandler confirmed;
    host("'" + file + "'");
    EXPECT_EQ(LoadStringsFile(confirmed, "kvr.strings"), 0);
    EXPECT_STREQ(confirmed.GetUtf8String("Cancel"), "Annuler");

    LangHandler missing;
    host("'" + file + ".gone'");
    EXPECT_EQ(LoadStringsFile(missing, "kvr.strings"), 1);
    EXPECT_EQ(missing.tables().wideSize(), 0u);
}

}  // namespace
}  // namespace kvr::strings
