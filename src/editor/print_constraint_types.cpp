// kvr-constraint-types: prints the Markdown table of the constraint types
// that docs/plugin-interface.md carries, for pasting it there after the type
// table changed.

#include <cstdio>

#include "editor/constraint_types_markdown.h"

int main() {
    std::fputs(kvr::editor::constraintTypesMarkdown().c_str(), stdout);
    return 0;
}
