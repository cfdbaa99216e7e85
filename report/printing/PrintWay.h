#pragma once

namespace lumenta::report {

// The ways the estimate sheet leaves the program.
enum class PrintWay {
    DefaultPrinter,  // "印 刷": at once on the default printer
    Pdf,             // "PDFとして保存…"
    Preview,         // "印刷プレビュー…"
    ChoosePrinter,   // "プリンタを選んで印刷…"
};

} // namespace lumenta::report
