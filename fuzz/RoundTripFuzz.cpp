#include "model/Plan.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Whatever opens is written, and what was written reads back cleanly and writes the same
// bytes again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Plan plan;
    if (ReadPlanFile(std::string_view(reinterpret_cast<const char*>(data), size), plan).status !=
        PlanOpenStatus::Opened)
        return 0;
    const std::string written = PlanFileBytes(plan);
    Plan reread;
    const PlanOpenResult again = ReadPlanFile(written, reread);
    if (again.status != PlanOpenStatus::Opened || again.Damaged() ||
        PlanFileBytes(reread) != written)
        std::abort();
    return 0;
}
