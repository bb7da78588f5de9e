#include "cli/Commands.h"

namespace quillora::cli {

int RunAnalyse(const Args& /*args*/) { return NotBuilt("analyse"); }

}  // namespace quillora::cli
