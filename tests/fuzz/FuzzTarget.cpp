// A libFuzzer target: the check named by GEAR_FUZZ_CHECK on every input; a check that does not
// hold is a finding.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault = fuzz::GEAR_FUZZ_CHECK(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
