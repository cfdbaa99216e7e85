#pragma once

#include "EstimateRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumenta::report {

// What a file's bytes hold for opening: the estimate's record, or why there
// is none, in Japanese. Plain C++: the window reads the file on a thread of
// its own and calls this there; the fuzz target calls it on its inputs.
struct EstimateFile {
    std::optional<EstimateRecord> record;
    std::string problem;
};

EstimateFile readEstimateFile(std::string_view bytes);

} // namespace lumenta::report
