// The whole road of an opened file, from its bytes to an estimate made
// again through the item rules: qpdf finds the attachment, the record is
// read, and its choices are made on an estimate. The bytes are also taken
// as the attachment itself, so that the record's reader is reached by
// inputs that qpdf would refuse before it.

#include "Estimate.h"
#include "EstimateFile.h"
#include "EstimateRecord.h"
#include "EstimateView.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// A record that was taken must make an estimate whose own record is the
// same choices, and whose total is there exactly when the record had one.
void apply(const lumenta::EstimateRecord& record)
{
    lumenta::NoView view;
    lumenta::Estimate estimate(view);
    estimate.reset();
    lumenta::makeChoices(estimate, record);
    const lumenta::EstimateRecord again = lumenta::recordOf(estimate);
    if (!(again.choices == record.choices) || again.total.has_value() != record.total.has_value())
        std::abort();
    const lumenta::RecordReading reread = lumenta::readRecord(lumenta::writeRecord(again));
    if (!reread.record || !(reread.record->choices == record.choices))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lumenta::report::EstimateFile file = lumenta::report::readEstimateFile(bytes);
    if (file.record)
        apply(*file.record);
    else if (file.problem.empty())
        std::abort();
    const lumenta::RecordReading reading = lumenta::readRecord(bytes);
    if (reading.record)
        apply(*reading.record);
    else if (lumenta::problemMessage(reading).empty())
        std::abort();
    return 0;
}
