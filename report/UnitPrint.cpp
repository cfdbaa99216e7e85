#include "UnitPrint.h"

#include "EstimateSheet.h"
#include "JapaneseDate.h"
#include "ProgressWindow.h"
#include "SheetText.h"

namespace sheet = lumenta::report::estimate_sheet;

TFormPrint::TFormPrint(QWidget* parent)
    : QWidget(parent),
      QuickRep1(sheet::build()),
      progressWindow_(new lumenta::report::ProgressWindow(this)),
      printers_(&systemPrinters_),
      prompter_(&dialogs_),
      progress_(progressWindow_)
{
    setObjectName(QStringLiteral("FormPrint"));
    setAttribute(Qt::WA_DontShowOnScreen);
    hide();
}

TFormPrint::~TFormPrint() = default;

lumenta::report::PrintOutcome TFormPrint::printEstimate(const lumenta::SheetText& sheet, QWidget* parent)
{
    fill(sheet, QString::fromStdString(lumenta::japaneseToday()));
    return print(parent);
}

void TFormPrint::fill(const lumenta::SheetText& text, const QString& date)
{
    for (int line = 1; line <= sheet::kFilledLines; ++line) {
        for (int column = 0; column < sheet::kColumns; ++column)
            QuickRep1.setText(sheet::lineFieldName(column, line),
                              QString::fromStdString(text.lines[line - 1][column]));
    }
    QuickRep1.setText(sheet::kSubtotalField, QString::fromStdString(text.subtotal));
    QuickRep1.setText(sheet::kDiscountField, QString::fromStdString(text.discount));
    QuickRep1.setText(sheet::kTotalField, QString::fromStdString(text.total));
    QuickRep1.setText(sheet::kVersionField, QString::fromStdString(text.version));
    QuickRep1.setText(sheet::kDateField, date);
}

lumenta::report::PrintOutcome TFormPrint::print(QWidget* parent)
{
    lumenta::report::PrintAction action(*printers_, *prompter_, *progress_);
    return action.print(QuickRep1, parent);
}

void TFormPrint::setPrintServices(const lumenta::report::PrinterCatalog* printers,
                                  lumenta::report::PrintPrompter* prompter, lumenta::report::PrintProgress* progress)
{
    printers_ = printers ? printers : &systemPrinters_;
    prompter_ = prompter ? prompter : &dialogs_;
    progress_ = progress ? progress : progressWindow_;
}
