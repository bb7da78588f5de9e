// The fixed glossary beside the almanac result: one line per activity term
// that the entries use ("term ：explanation"), the entry for 破土 running
// over three lines.
#pragma once

#include <string>
#include <vector>

namespace quillora {

// The 32 activity terms in the order the glossary explains them.
const std::vector<std::string>& AlmanacGlossaryTerms();

// The 34 glossary lines.
const std::vector<std::string>& AlmanacGlossaryLines();

}  // namespace quillora
