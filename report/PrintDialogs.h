#pragma once

#include "ReportPage.h"

#include <QString>

class QPrinter;
class QWidget;

namespace lumenta::report {

enum class PrintOutcome;
class PrintPrompter;

// Paper, portrait, no device margins and the job's name, before a dialog
// shows the printer.
void prepare(QPrinter& printer, const ReportPage& page, const QString& title);
// Prints the page on a prepared printer through the toolkit's print
// engine, on this thread; false when the printer could not take it.
bool printOn(QPrinter& printer, const ReportPage& page);
// The same, telling the user when the printer could not take it.
PrintOutcome printOrTell(QPrinter& printer, const ReportPage& page, QWidget* parent, PrintPrompter& prompter);

// Qt's print preview of the page, from where it can be printed through
// Qt's print dialog.
void showPreview(const ReportPage& page, const QString& title, QWidget* parent);

// Qt's print dialog (printer, copies), then the page on the chosen printer.
// Nothing of the choice is kept for the next time.
PrintOutcome printWithDialog(const ReportPage& page, const QString& title, QWidget* parent, PrintPrompter& prompter);

} // namespace lumenta::report
