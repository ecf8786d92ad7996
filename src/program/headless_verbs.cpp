#include "program/command_line.h"

namespace command_line {

// One line per verb; each runs a function of its own feature folder.
const std::vector<HeadlessVerb>& headlessVerbs() {
    static const std::vector<HeadlessVerb> verbs = {};
    return verbs;
}

} // namespace command_line
