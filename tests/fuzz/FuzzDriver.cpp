// libFuzzer entry point; QUILLORA_FUZZ_BODY names the body it drives.
#include <cstddef>
#include <cstdint>

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillora::fuzz::QUILLORA_FUZZ_BODY(data, size);
    return 0;
}
