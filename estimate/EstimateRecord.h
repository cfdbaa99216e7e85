#pragma once

#include "Choices.h"
#include "Currency.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumenta {

class Estimate;

// The record of an estimate kept inside the PDF files the program saves: the
// user's choices, the total as it was shown and the program that wrote it,
// as a small JSON object. No price and no grid text: those always come from
// the program's own tables when the estimate is made again.
struct EstimateRecord {
    Choices choices;
    std::optional<Currency> total; // the total shown when saved; none before a calculation
    std::string program; // the version of the program that saved it

    bool operator==(const EstimateRecord&) const = default;
};

inline constexpr std::string_view kRecordFormat = "lumenta-estimate";
inline constexpr int kRecordVersion = 1;
// A record is a few hundred bytes; anything much larger is not one.
inline constexpr std::size_t kRecordMaxBytes = 16 * 1024;

// Why a record could not be taken.
enum class RecordProblem {
    Malformed, // not a JSON object of the record's plain form
    NotARecord, // no format name, or another program's
    NewerVersion, // written by a later version of the format
    Duplicate, // an entry given twice
    Unknown, // an entry the format does not have
    WrongType, // an entry of the wrong kind of value
    OutOfRange, // a value outside its entry's range
    Missing, // an entry left out
    Impossible, // choices the window cannot make together
};

struct RecordReading {
    std::optional<EstimateRecord> record;
    RecordProblem problem = RecordProblem::Malformed;
    std::string entry; // the entry the problem is about, if any
    std::int64_t version = 0;
};

// The record of an estimate as it stands.
EstimateRecord recordOf(const Estimate& estimate);
// The record as text: one entry a line, in a fixed order.
std::string writeRecord(const EstimateRecord& record);
// Reads a record strictly: every entry exactly once, each of its own kind
// and range, nothing else, and choices the window itself could have made.
RecordReading readRecord(std::string_view text);

// Makes the recorded choices on a reset estimate through its rules, in the
// order of the steps, and calculates when the record has a total.
void makeChoices(Estimate& estimate, const EstimateRecord& record);

// The user's message for a problem, in Japanese, naming its cause.
std::string problemMessage(const RecordReading& reading);

} // namespace lumenta
