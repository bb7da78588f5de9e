#include "cli/Commands.h"

namespace quillora::cli {

int RunBazi(const Args& /*args*/) { return NotBuilt("bazi"); }

}  // namespace quillora::cli
