// Finding the strings file through the host: the host names the path of a
// resource file and confirms it may be read, through Ruby. The language
// handler itself only reads a file at a path, so that it runs without an
// interpreter (the translators' tool, the unit tests).
#pragma once

#include "strings/lang_handler.h"

namespace kvr::strings {

// Asks the host for the path of the named resource file and whether it may be
// read. 0 and the path written into the kStringsBufferSize buffer when the
// host confirmed it; 1 otherwise (the buffer is left alone). A Ruby exception
// raised by the host leaves as a RubyError.
int LocateStringsFile(const char* fileName, char* path);

// Locates the strings file through the host and reads it into handler. 0 when
// the file was read to its end, 1 when it was not read at all.
int LoadStringsFile(LangHandler& handler, const char* fileName);

}  // namespace kvr::strings
