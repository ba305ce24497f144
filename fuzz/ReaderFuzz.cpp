#include "model/Plan.h"
#include "persist/PlanFileOpen.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads any bytes as a plan file: the sanitizers watch the reader alone, so that it runs
// at the speed of reading.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Plan plan;
    ReadPlanFile(std::string_view(reinterpret_cast<const char*>(data), size), plan);
    return 0;
}
