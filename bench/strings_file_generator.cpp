#include "strings_file_generator.h"

namespace kvr::bench {

std::string generateStringsFile(int records) {
    static const char* const kNouns[] = {"Distance",
                                         "Angle",
                                         "Radius",
                                         "Length \xC2\xB0",
                                         "Update",
                                         "Options \xE2\x80\x94 more",
                                         "\xE5\xAF\xB8\xE6\xB3\x95",
                                         "OK \xF0\x9F\x98\x80"};
    std::string out = "\xEF\xBB\xBF// Generated strings file\n// for the reader benchmark\n\n";
    for (int i = 0; i < records; ++i) {
        const std::string n = std::to_string(i);
        const std::string noun = kNouns[i % 8];
        const char* eol = i % 3 == 0 ? "\r\n" : "\n";
        if (i % 100 == 0) {
            out += "// Section " + n + eol + "// translated texts" + eol + eol;
        }
        if (i % 50 == 49) {
            out += "\"Link " + n + "\" = \"http://example.org/" + n + "\"";
        } else if (i % 250 == 125) {
            out += "\"Long " + n + "\" = \"" + std::string(1500, 'x') + "\"";
        } else if (i % 97 == 96) {
            out +=
                "\"Text " + std::to_string(i - 1) + ": " + kNouns[(i - 1) % 8] + "\" = \"again\"";
        } else {
            out += "\"Text " + n + ": " + noun + "\" = \"Texte " + n + " : " + noun + " = ok\"";
            if (i % 7 == 0) {
                out += " // note";
                out += eol;
            }
        }
        if (i + 1 < records) {
            out += ";";
            out += eol;
        }
    }
    return out;
}

}  // namespace kvr::bench
