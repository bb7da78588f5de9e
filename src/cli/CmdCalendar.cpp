#include "cli/Commands.h"

namespace quillora::cli {

int RunLunar(const Args& /*args*/) { return NotBuilt("lunar"); }
int RunSolar(const Args& /*args*/) { return NotBuilt("solar"); }
int RunMonth(const Args& /*args*/) { return NotBuilt("month"); }
int RunTerms(const Args& /*args*/) { return NotBuilt("terms"); }

}  // namespace quillora::cli
