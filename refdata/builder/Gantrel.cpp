#include "Builder.h"

namespace quillora::refdata {

// Filled by the reference-data work for these tables; until then the tables
// exist and stay empty.
void FillGantrel(BuildDb& /*db*/, const BuildContext& /*ctx*/) {}

}  // namespace quillora::refdata
