#include "model/Projection.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Reads any bytes as a plan file, checks that writing what was read and
// reading that back is stable, and projects the plan: the sanitizers watch
// the reader and the engine on every input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Plan plan;
    if (ReadPlanFile(bytes, plan).status != PlanOpenStatus::Opened) {
        return 0;
    }
    const std::string written = PlanFileBytes(plan);
    Plan reread;
    const PlanOpenResult again = ReadPlanFile(written, reread);
    if (again.Damaged() || PlanFileBytes(reread) != written) {
        std::abort();
    }
    ProjectionTable table;
    Calculate(plan, table);
    return 0;
}
