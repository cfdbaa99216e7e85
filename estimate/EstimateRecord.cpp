#include "EstimateRecord.h"

#include "Estimate.h"
#include "EstimateView.h"
#include "PriceTables.h"

#include <array>
#include <map>
#include <string>

namespace lumenta {

namespace {

// The kinds of value an entry takes.
enum class Kind {
    Pick,   // null (not chosen) or a number in range
    YesNo,  // null (not chosen), true or false
    Box,    // true or false
};

struct Entry {
    std::string_view key;
    int Choices::*field;
    Kind kind;
    int min;
    int max;
};

// The choices in the order of the steps, which is also the order in which
// they are made again.
constexpr std::array<Entry, 21> kEntries = {{
    {"hall", &Choices::hall, Kind::Pick, 1, 6},
    {"distance", &Choices::distance, Kind::Pick, 0, 6},
    {"storage", &Choices::storage, Kind::Pick, 0, 3},
    {"procedures", &Choices::procedures, Kind::YesNo, 0, 1},
    {"coffin", &Choices::coffin, Kind::Pick, 0, 5},
    {"altar", &Choices::altar, Kind::Pick, 0, 3},
    {"makeup", &Choices::makeup, Kind::YesNo, 0, 1},
    {"portrait", &Choices::portrait, Kind::YesNo, 0, 1},
    {"giftKind", &Choices::giftKind, Kind::Pick, 0, 3},
    {"giftCount", &Choices::giftCount, Kind::Pick, 0, 12},
    {"letterCount", &Choices::letterCount, Kind::Pick, 0, 12},
    {"chrysanthemums", &Choices::chrysanthemums, Kind::Pick, 0, 10},
    {"westernFlowers", &Choices::westernFlowers, Kind::Pick, 0, 10},
    {"reception", &Choices::reception, Kind::YesNo, 0, 1},
    {"wakeFood", &Choices::wakeFood, Kind::Pick, 0, 3},
    {"premiumNigiri", &Choices::premiumNigiri, Kind::Box, 0, 1},
    {"ceremonyDish", &Choices::ceremonyDish, Kind::Pick, 0, 2},
    {"ceremonyParty", &Choices::ceremonyParty, Kind::Pick, 0, 7},
    {"hearse", &Choices::hearse, Kind::Pick, 1, 3},
    {"afterAltar", &Choices::afterAltar, Kind::YesNo, 0, 1},
    {"discount", &Choices::discount, Kind::Box, 0, 1},
}};

constexpr std::string_view kFormatKey = "format";
constexpr std::string_view kVersionKey = "version";
constexpr std::string_view kProgramKey = "program";
constexpr std::string_view kTotalKey = "total";
constexpr std::size_t kProgramMaxLength = 32;
// More than any estimate the tables can price, in whole yen.
constexpr std::int64_t kTotalMax = 100'000'000;

// One value of the record's plain JSON: no nesting, no fractions, strings of
// printable ASCII without escapes.
struct Value {
    enum Type { Null, Bool, Int, String, Other } type = Null;
    bool flag = false;
    std::int64_t number = 0;
    std::string text;
};

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    // The object's entries; false when the text is not one flat object.
    bool parse(std::map<std::string, Value, std::less<>>& entries, std::string& duplicate)
    {
        space();
        if (!take('{'))
            return false;
        space();
        if (take('}'))
            return end();
        for (;;) {
            std::string key;
            Value value;
            space();
            if (!string(key))
                return false;
            space();
            if (!take(':'))
                return false;
            space();
            if (!this->value(value))
                return false;
            if (!entries.emplace(key, value).second && duplicate.empty())
                duplicate = key;
            space();
            if (take('}'))
                return end();
            if (!take(','))
                return false;
        }
    }

private:
    bool end()
    {
        space();
        return at_ == s_.size();
    }
    void space()
    {
        while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\n' || s_[at_] == '\r' || s_[at_] == '\t'))
            ++at_;
    }
    bool take(char c)
    {
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w)
    {
        if (s_.substr(at_, w.size()) != w)
            return false;
        at_ += w.size();
        return true;
    }
    bool string(std::string& out)
    {
        if (!take('"'))
            return false;
        while (at_ < s_.size()) {
            const char c = s_[at_++];
            if (c == '"')
                return true;
            if (c == '\\' || static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E ||
                out.size() >= 256)
                return false;
            out += c;
        }
        return false;
    }
    static bool digit(char c) { return c >= '0' && c <= '9'; }
    bool number(Value& v)
    {
        const bool negative = take('-');
        if (at_ >= s_.size() || !digit(s_[at_]))
            return false;
        const std::size_t first = at_;
        std::int64_t n = 0;
        while (at_ < s_.size() && digit(s_[at_])) {
            if (at_ - first >= 15)
                return false;
            n = n * 10 + (s_[at_++] - '0');
        }
        if (s_[first] == '0' && at_ - first > 1)
            return false;
        v.type = Value::Int;
        v.number = negative ? -n : n;
        // A fraction or an exponent is a number, but not one the record has.
        if (at_ < s_.size() && (s_[at_] == '.' || s_[at_] == 'e' || s_[at_] == 'E')) {
            v.type = Value::Other;
            ++at_;
            take('+') || take('-');
            while (at_ < s_.size() && digit(s_[at_]))
                ++at_;
        }
        return true;
    }
    // A nested array or object: skipped whole, brackets balanced, strings
    // read as strings; the value is of a kind no entry takes.
    bool nested(Value& v)
    {
        int depth = 0;
        do {
            if (at_ >= s_.size() || depth > 32)
                return false;
            const char c = s_[at_];
            if (c == '"') {
                std::string ignored;
                if (!string(ignored))
                    return false;
                continue;
            }
            if (c == '{' || c == '[')
                ++depth;
            else if (c == '}' || c == ']')
                --depth;
            ++at_;
        } while (depth > 0);
        v.type = Value::Other;
        return true;
    }
    bool value(Value& v)
    {
        if (at_ >= s_.size())
            return false;
        const char c = s_[at_];
        if (c == '"') {
            v.type = Value::String;
            return string(v.text);
        }
        if (c == '{' || c == '[')
            return nested(v);
        if (word("null")) {
            v.type = Value::Null;
            return true;
        }
        for (const bool b : {true, false})
            if (word(b ? "true" : "false")) {
                v.type = Value::Bool;
                v.flag = b;
                return true;
            }
        return number(v);
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

RecordReading problem(RecordProblem p, std::string_view entry = {})
{
    RecordReading r;
    r.problem = p;
    r.entry = entry;
    return r;
}

// Reads one choice; the problem, or nothing when it fits.
std::optional<RecordProblem> readEntry(const Entry& e, const Value& v, Choices& choices)
{
    int& field = choices.*e.field;
    const bool nullable = e.kind == Kind::Pick || e.kind == Kind::YesNo;
    if (v.type == Value::Null && nullable) {
        field = -1;
        return std::nullopt;
    }
    const bool boolean = e.kind == Kind::YesNo || e.kind == Kind::Box;
    if (boolean) {
        if (v.type != Value::Bool)
            return RecordProblem::WrongType;
        field = v.flag ? 1 : 0;
        return std::nullopt;
    }
    if (v.type != Value::Int)
        return RecordProblem::WrongType;
    if (v.number < e.min || v.number > e.max)
        return RecordProblem::OutOfRange;
    field = int(v.number);
    return std::nullopt;
}

// The entry at which the window could not have made these choices: made
// again through the rules they come out otherwise, or the hall has no such
// hearse, or the total stands for an estimate that cannot be calculated.
std::optional<std::string_view> impossibleEntry(const EstimateRecord& record)
{
    const Choices& c = record.choices;
    if (c.hall == prices::kRoadCrossingHall && c.hearse == 1)
        return "hearse";
    NoView view;
    Estimate scratch(view);
    scratch.reset();
    makeChoices(scratch, record);
    for (const Entry& e : kEntries)
        if (scratch.choices().*e.field != c.*e.field)
            return e.key;
    if (record.total && !scratch.totalShown())
        return kTotalKey;
    return std::nullopt;
}

bool knownKey(std::string_view key)
{
    for (std::string_view k : {kFormatKey, kVersionKey, kProgramKey, kTotalKey})
        if (key == k)
            return true;
    for (const Entry& e : kEntries)
        if (key == e.key)
            return true;
    return false;
}

std::string quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

} // namespace

EstimateRecord recordOf(const Estimate& estimate)
{
    EstimateRecord record;
    record.choices = estimate.choices();
    if (estimate.totalShown())
        record.total = estimate.state().grandTotal;
    record.program = estimate.state().product.appVersion;
    return record;
}

std::string writeRecord(const EstimateRecord& record)
{
    std::string out = "{\n";
    const auto line = [&out](std::string_view key, const std::string& value) {
        out += "  " + quoted(key) + ": " + value + ",\n";
    };
    line(kFormatKey, quoted(kRecordFormat));
    line(kVersionKey, std::to_string(kRecordVersion));
    line(kProgramKey, quoted(record.program));
    for (const Entry& e : kEntries) {
        const int v = record.choices.*e.field;
        const bool boolean = e.kind == Kind::YesNo || e.kind == Kind::Box;
        line(e.key, v < 0 ? "null" : boolean ? (v ? "true" : "false") : std::to_string(v));
    }
    out += "  " + quoted(kTotalKey) + ": " +
           (record.total ? std::to_string(record.total->raw() / Currency::kScale) : "null") + "\n}\n";
    return out;
}

RecordReading readRecord(std::string_view text)
{
    if (text.size() > kRecordMaxBytes)
        return problem(RecordProblem::Malformed);
    std::map<std::string, Value, std::less<>> entries;
    std::string duplicate;
    if (!Parser(text).parse(entries, duplicate))
        return problem(RecordProblem::Malformed);

    const auto format = entries.find(kFormatKey);
    if (format == entries.end() || format->second.type != Value::String || format->second.text != kRecordFormat)
        return problem(RecordProblem::NotARecord);
    // A later version may have other entries: its number is judged first.
    const auto version = entries.find(kVersionKey);
    if (version == entries.end())
        return problem(RecordProblem::Missing, kVersionKey);
    if (version->second.type != Value::Int)
        return problem(RecordProblem::WrongType, kVersionKey);
    if (version->second.number > kRecordVersion) {
        RecordReading r = problem(RecordProblem::NewerVersion, kVersionKey);
        r.version = version->second.number;
        return r;
    }
    if (version->second.number < kRecordVersion)
        return problem(RecordProblem::OutOfRange, kVersionKey);
    if (!duplicate.empty())
        return problem(RecordProblem::Duplicate, duplicate);

    for (const auto& [key, value] : entries)
        if (!knownKey(key))
            return problem(RecordProblem::Unknown, key);

    EstimateRecord record;
    for (const Entry& e : kEntries) {
        const auto it = entries.find(e.key);
        if (it == entries.end())
            return problem(RecordProblem::Missing, e.key);
        if (const auto p = readEntry(e, it->second, record.choices))
            return problem(*p, e.key);
    }
    const auto program = entries.find(kProgramKey);
    if (program == entries.end())
        return problem(RecordProblem::Missing, kProgramKey);
    if (program->second.type != Value::String)
        return problem(RecordProblem::WrongType, kProgramKey);
    if (program->second.text.empty() || program->second.text.size() > kProgramMaxLength)
        return problem(RecordProblem::OutOfRange, kProgramKey);
    record.program = program->second.text;
    const auto total = entries.find(kTotalKey);
    if (total == entries.end())
        return problem(RecordProblem::Missing, kTotalKey);
    if (total->second.type == Value::Int) {
        if (total->second.number < 0 || total->second.number > kTotalMax)
            return problem(RecordProblem::OutOfRange, kTotalKey);
        record.total = Currency::fromYen(total->second.number);
    } else if (total->second.type != Value::Null) {
        return problem(RecordProblem::WrongType, kTotalKey);
    }
    if (const auto entry = impossibleEntry(record))
        return problem(RecordProblem::Impossible, *entry);
    RecordReading r;
    r.record = record;
    return r;
}

void makeChoices(Estimate& estimate, const EstimateRecord& record)
{
    const Choices& c = record.choices;
    if (c.hall >= 0)
        estimate.chooseHall(c.hall);
    if (c.distance >= 0)
        estimate.chooseDistance(c.distance);
    if (c.storage >= 0)
        estimate.chooseStorage(c.storage);
    if (c.procedures >= 0)
        estimate.chooseProcedures(c.procedures == 1);
    if (c.coffin >= 0)
        estimate.chooseCoffin(c.coffin);
    if (c.altar >= 0)
        estimate.chooseAltar(c.altar);
    if (c.makeup >= 0)
        estimate.chooseMakeup(c.makeup == 1);
    if (c.portrait >= 0)
        estimate.choosePortrait(c.portrait == 1);
    if (c.giftKind >= 0 || c.giftCount >= 0 || c.letterCount >= 0)
        estimate.chooseReturnGifts(c.giftKind, c.giftCount, c.letterCount);
    if (c.chrysanthemums >= 0 || c.westernFlowers >= 0)
        estimate.chooseFlowers(c.chrysanthemums, c.westernFlowers);
    if (c.reception >= 0)
        estimate.chooseReception(c.reception == 1);
    if (c.wakeFood >= 0)
        estimate.chooseWakeFood(c.wakeFood, c.premiumNigiri == 1);
    if (c.ceremonyDish >= 0 || c.ceremonyParty >= 0)
        estimate.chooseCeremonyFood(c.ceremonyDish, c.ceremonyParty);
    if (c.hearse >= 0)
        estimate.chooseHearse(c.hearse, estimate.chosenHall());
    if (c.afterAltar >= 0)
        estimate.chooseAfterAltar(c.afterAltar == 1);
    if (record.total)
        estimate.calculate(c.discount == 1);
    else
        estimate.discountClicked(c.discount == 1);
}

std::string problemMessage(const RecordReading& reading)
{
    const std::string entry = "「" + reading.entry + "」";
    switch (reading.problem) {
    case RecordProblem::Malformed:
        return "ファイルの中の見積りの記録が壊れています。";
    case RecordProblem::NotARecord:
        return "ファイルの中に見積りの記録がありません。";
    case RecordProblem::NewerVersion:
        return "この見積りは新しい版のLumentaで保存されています（記録の版 " + std::to_string(reading.version) +
               "）。この版では開けません。";
    case RecordProblem::Duplicate:
        return "見積りの記録の項目" + entry + "が二度書かれています。";
    case RecordProblem::Unknown:
        return "見積りの記録に知らない項目" + entry + "があります。";
    case RecordProblem::WrongType:
        return "見積りの記録の項目" + entry + "の値の種類が違います。";
    case RecordProblem::OutOfRange:
        return "見積りの記録の項目" + entry + "の値が範囲外です。";
    case RecordProblem::Missing:
        return "見積りの記録に項目" + entry + "がありません。";
    case RecordProblem::Impossible:
        return "見積りの記録の項目" + entry + "は、画面では選べない組み合わせです。";
    }
    return {};
}

} // namespace lumenta
