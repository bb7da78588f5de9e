#include "cli/Commands.h"

namespace quillora::cli {

int RunGenerate(const Args& /*args*/) { return NotBuilt("generate"); }

}  // namespace quillora::cli
