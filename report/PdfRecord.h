#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumenta::report {

// What a saved PDF file carries beside its page: its document information
// and the estimate's record as an attached file. Both go in, and the record
// comes out, through qpdf; nothing here reads a PDF by hand. Plain C++, so
// that the fuzz target can take the same road without a window.

// The attachment's name; a PDF without it holds no estimate.
inline constexpr std::string_view kRecordFileName = "lumenta-estimate.json";
inline constexpr std::string_view kRecordMimeType = "application/json";
// A saved estimate is about 60 KB; a file over this is not one.
inline constexpr std::size_t kPdfMaxBytes = 1024 * 1024;

struct PdfProperties {
    std::string title;
    std::string subject;
    std::string author;
    std::string creator;
    std::string producer;
    std::string creationDate; // "D:YYYYMMDDHHmmSS+HH'mm'"
    std::string record; // attached when not empty
};

// The document with its information set and the record attached, written
// anew by qpdf with the page's own streams untouched; empty when qpdf
// cannot read the document.
std::string withProperties(std::string_view pdf, const PdfProperties& properties);

enum class PdfProblem {
    None,
    NotPdf,          // no PDF header
    TooLarge,        // over kPdfMaxBytes
    Damaged,         // qpdf cannot read it as it stands (also cut short)
    Encrypted,       // locked with a password or encrypted
    NoRecord,        // a PDF without the estimate's record
    RecordTooLarge,  // an attachment of that name far larger than a record
    NoReader,        // the program's qpdf module could not be loaded
};

struct PdfReading {
    PdfProblem problem = PdfProblem::None;
    std::string record; // the attachment's bytes, at most the record's limit
};

// Finds the record attached to a PDF, of recordLimit bytes at most. Follows
// nothing in the file (no action, link or outside reference) and repairs
// nothing.
PdfReading readPdfRecord(std::string_view bytes, std::size_t recordLimit);

} // namespace lumenta::report

namespace lumenta::report {

// The two operations as the qpdf module gives them.
struct PdfRecordFunctions {
    std::string (*withProperties)(std::string_view pdf, const PdfProperties& properties);
    PdfReading (*readPdfRecord)(std::string_view bytes, std::size_t recordLimit);
};

} // namespace lumenta::report
