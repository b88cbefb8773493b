// Writes a strings file that lists every module text by dialog, each under a
// comment naming the dialog and the control that shows it; untranslated, each
// text stands for itself, so the file shows English until it is translated.
// Given an existing file, keeps it byte for byte (its translations, comments
// and the plug-in's own keys) and appends the module texts it does not yet
// have a pair for.
#pragma once

#include <optional>
#include <string>

namespace kvr::translators {

// The whole template.
std::string writeTemplate();

// The existing file with the missing module texts appended, or nothing when
// the file cannot be read.
std::optional<std::string> extendStringsFile(const std::string& path);

}  // namespace kvr::translators
