#include "cli/Commands.h"

namespace quillora::cli {

int RunAlmanac(const Args& /*args*/) { return NotBuilt("almanac"); }

}  // namespace quillora::cli
