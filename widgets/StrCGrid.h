#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>

// One display parameter of TStrColGrid: covers one cell, or a range of
// cells when rangeEnabled; the later parameter in the list wins.
struct TSCGCellParam {
    enum CaptionType { ctCaption, ctCellText, ctHeader, ctFooter, ctTop, ctBottom };
    enum Layout { tlTop, tlCenter, tlBottom };

    QString name;
    int col = 0;
    int colMax = 0;
    int row = 0;
    int rowMax = 0;
    bool rangeEnabled = false;
    QString caption;
    CaptionType captionType = ctCellText;
    Qt::AlignmentFlag alignment = Qt::AlignLeft;
    Layout layout = tlTop;
    QColor cellColor = Qt::white;
    bool cellColorEnabled = false;
    QColor fontColor = Qt::black;
    bool fontColorEnabled = false;
    int fontWidth = 1;

    bool covers(int column, int r) const;
};

// Text grid whose cells are drawn by the widget through per-cell parameters
// (the summary grid).
class TStrColGrid : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int rowCount READ rowCount WRITE setRowCount)
    Q_PROPERTY(int columnCount READ columnCount WRITE setColumnCount)
    Q_PROPERTY(int defaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(int fixedRows READ fixedRows WRITE setFixedRows)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QColor fixedColor READ fixedColor WRITE setFixedColor)
    Q_PROPERTY(bool cellDivide READ cellDivide WRITE setCellDivide)
    Q_PROPERTY(bool focusDraw READ focusDraw WRITE setFocusDraw)

public:
    explicit TStrColGrid(QWidget* parent = nullptr);

    int rowCount() const { return rows_; }
    void setRowCount(int rows);
    int columnCount() const { return columns_; }
    void setColumnCount(int columns);
    int defaultRowHeight() const { return rowHeight_; }
    void setDefaultRowHeight(int height);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int rows);
    QColor color() const { return color_; }
    void setColor(const QColor& c);
    QColor fixedColor() const { return fixedColor_; }
    void setFixedColor(const QColor& c);
    bool cellDivide() const { return cellDivide_; }
    void setCellDivide(bool on);
    bool focusDraw() const { return focusDraw_; }
    void setFocusDraw(bool on);

    void setColumnWidth(int column, int width);
    int columnWidth(int column) const;

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    QList<TSCGCellParam>& cellParams() { return params_; }
    const QList<TSCGCellParam>& cellParams() const { return params_; }
    // The parameter that decides how a cell is drawn, or null.
    const TSCGCellParam* paramFor(int column, int row) const;
    // The text a cell shows after its parameter's caption rules.
    QString displayText(int column, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rows_ = 5;
    int columns_ = 5;
    int rowHeight_ = 24;
    int fixedRows_ = 1;
    QColor color_ = Qt::white;
    QColor fixedColor_ = QColor(240, 240, 240);
    bool cellDivide_ = true;
    bool focusDraw_ = true;
    QVector<int> widths_;
    QVector<QString> cells_;
    QList<TSCGCellParam> params_;
};
