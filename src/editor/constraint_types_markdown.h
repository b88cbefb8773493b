// The constraint types as the plug-in's documentation lists them: a Markdown
// table generated from the type table, so that the two cannot drift apart (a
// unit test compares the document with it; kvr-constraint-types prints it).
#pragma once

#include <string>

namespace kvr::editor {

// One row per type of the table, in its order: the number, the English name
// (the editor's title and the key that translates it), the value label, the
// kind and what the distance/angle choice turns the type into.
std::string constraintTypesMarkdown();

}  // namespace kvr::editor
