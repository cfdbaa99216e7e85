#pragma once

#include <QString>

namespace lumenta::report {

// Where the print action learns which printer to print on.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    // The platform's default printer; empty when no printer is installed or
    // none is the default.
    virtual QString defaultPrinter() const = 0;
};

// The printers the platform's print service knows.
class SystemPrinterCatalog : public PrinterCatalog {
public:
    QString defaultPrinter() const override;
};

} // namespace lumenta::report
