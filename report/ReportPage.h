#pragma once

#include "ReportElement.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <vector>

namespace lumenta::report {

// One report page: the paper, its margins and one band of elements whose
// corner sits on the margins' corner. Elements are drawn in their order.
class ReportPage {
public:
    ReportPage(QPageSize paper, QMarginsF marginsMm, QSizeF bandMm, QColor bandColor);

    const QPageSize& paper() const { return paper_; }
    const QMarginsF& margins() const { return margins_; }
    QSizeF bandSize() const { return band_; }
    QColor bandColor() const { return bandColor_; }
    // Portrait paper with no device margins: millimetre positions are
    // measured from the paper's corner.
    QPageLayout pageLayout() const;

    void add(ReportElement element);
    const std::vector<ReportElement>& elements() const { return elements_; }
    const ReportElement* find(const QString& name) const;
    // Sets a label's text; false when there is no label of that name.
    bool setText(const QString& name, const QString& text);
    QString text(const QString& name) const;

private:
    QPageSize paper_;
    QMarginsF margins_;
    QSizeF band_;
    QColor bandColor_;
    std::vector<ReportElement> elements_;
};

} // namespace lumenta::report
