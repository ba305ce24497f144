#include "model/Plan.h"
#include "model/Projection.h"
#include "persist/PlanFileOpen.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Projects whatever opens: the sanitizers watch the engine on every plan a file can hold.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Plan plan;
    if (ReadPlanFile(std::string_view(reinterpret_cast<const char*>(data), size), plan).status !=
        PlanOpenStatus::Opened)
        return 0;
    ProjectionTable table;
    Calculate(plan, table);
    return 0;
}
