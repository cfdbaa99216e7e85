// The part of the program that reads and writes PDF files through qpdf: a
// module of its own, loaded at the first save or opening, so that qpdf and
// the libraries it brings cost nothing at start-up.

#include "PdfRecord.h"

// qpdf's smart pointers are the standard ones.
#define POINTERHOLDER_TRANSITION 4

#include <qpdf/Pipeline.hh>
#include <qpdf/Pl_Discard.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFWriter.hh>

#include <mutex>
#include <stdexcept>

namespace lumenta::report {

namespace {

constexpr char kRecordDescription[] = "Lumentaの見積りの記録（選んだ項目と合計）";
constexpr std::string_view kHeader = "%PDF-";
// Readers accept the header anywhere in the first kilobyte.
constexpr std::size_t kHeaderWindow = 1024;

// Collects a stream's decoded bytes, and stops the decoding once there are
// more than a record can have, however small the stream is in the file.
class Bounded : public Pipeline {
public:
    explicit Bounded(std::size_t limit) : Pipeline("bounded", nullptr), limit_(limit) {}
    void write(unsigned char const* data, size_t len) override
    {
        if (len > limit_ - bytes.size())
            throw std::length_error("record too long");
        bytes.append(reinterpret_cast<const char*>(data), len);
    }
    void finish() override {}
    std::string bytes;

private:
    std::size_t limit_;
};

std::shared_ptr<QPDFLogger> quiet(std::shared_ptr<QPDFLogger> logger)
{
    auto discard = std::make_shared<Pl_Discard>();
    logger->setInfo(discard);
    logger->setWarn(discard);
    logger->setError(discard);
    return logger;
}

// Nothing of a file is written to the terminal either: neither through the
// document's logger nor through the one qpdf uses for objects without a
// document.
void openQuietly(QPDF& pdf, std::string_view bytes)
{
    static std::once_flag quietDefault;
    std::call_once(quietDefault, [] { quiet(QPDFLogger::defaultLogger()); });
    pdf.setLogger(quiet(QPDFLogger::create()));
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(false);
    pdf.processMemoryFile("estimate", bytes.data(), bytes.size());
}

std::string addProperties(std::string_view bytes, const PdfProperties& p)
{
    try {
        QPDF pdf;
        openQuietly(pdf, bytes);
        QPDFObjectHandle info = QPDFObjectHandle::newDictionary();
        const std::pair<const char*, const std::string*> entries[] = {
            {"/Title", &p.title},     {"/Subject", &p.subject},   {"/Author", &p.author},
            {"/Creator", &p.creator}, {"/Producer", &p.producer},
        };
        for (const auto& [key, value] : entries)
            info.replaceKey(key, QPDFObjectHandle::newUnicodeString(*value));
        info.replaceKey("/CreationDate", QPDFObjectHandle::newString(p.creationDate));
        pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));

        if (!p.record.empty()) {
            auto stream = QPDFEFStreamObjectHelper::createEFStream(pdf, p.record);
            stream.setSubtype(std::string(kRecordMimeType));
            auto attachment = QPDFFileSpecObjectHelper::createFileSpec(pdf, std::string(kRecordFileName), stream);
            attachment.setDescription(kRecordDescription);
            QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(std::string(kRecordFileName), attachment);
        }

        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        // The page's streams are copied as they are, so it renders as before.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setObjectStreamMode(qpdf_o_preserve);
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        return std::string(reinterpret_cast<const char*>(out->getBuffer()), out->getSize());
    } catch (const std::exception&) {
        return {};
    }
}

PdfReading findRecord(std::string_view bytes, std::size_t recordLimit)
{
    PdfReading reading;
    if (bytes.substr(0, kHeaderWindow).find(kHeader) == std::string_view::npos) {
        reading.problem = PdfProblem::NotPdf;
        return reading;
    }
    if (bytes.size() > kPdfMaxBytes) {
        reading.problem = PdfProblem::TooLarge;
        return reading;
    }
    try {
        QPDF pdf;
        openQuietly(pdf, bytes);
        if (pdf.isEncrypted()) {
            reading.problem = PdfProblem::Encrypted;
            return reading;
        }
        QPDFEmbeddedFileDocumentHelper files(pdf);
        const auto attachment = files.getEmbeddedFile(std::string(kRecordFileName));
        QPDFObjectHandle stream = attachment ? attachment->getEmbeddedFileStream() : QPDFObjectHandle();
        if (!stream.isStream()) {
            reading.problem = PdfProblem::NoRecord;
            return reading;
        }
        Bounded data(recordLimit);
        if (!stream.pipeStreamData(&data, nullptr, 0, qpdf_dl_generalized, true)) {
            reading.problem = PdfProblem::Damaged;
            return reading;
        }
        reading.record = std::move(data.bytes);
    } catch (const QPDFExc& e) {
        reading.problem = e.getErrorCode() == qpdf_e_password ? PdfProblem::Encrypted : PdfProblem::Damaged;
    } catch (const std::length_error&) {
        reading.problem = PdfProblem::RecordTooLarge;
    } catch (const std::exception&) {
        reading.problem = PdfProblem::Damaged;
    }
    return reading;
}

const PdfRecordFunctions kFunctions{addProperties, findRecord};

} // namespace

} // namespace lumenta::report

extern "C" __attribute__((visibility("default"))) const lumenta::report::PdfRecordFunctions*
lumenta_pdf_record_functions()
{
    return &lumenta::report::kFunctions;
}
