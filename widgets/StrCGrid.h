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
    // What a cell with this parameter shows, given the cell's own text.
    QString compose(const QString& cellText) const;
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
    // Whether a selected cell is filled while the grid has no focus. The grid
    // selects no cell but the current one, which it frames, not fills, so this
    // changes nothing it draws; the form sets it, so it is kept.
    bool focusDraw() const { return focusDraw_; }
    void setFocusDraw(bool on);

    // Vertical placement of cells that no parameter covers (text is left-aligned).
    TSCGCellParam::Layout layout() const { return layout_; }
    void setLayout(TSCGCellParam::Layout l);
    TSCGCellParam::Layout fixedLayout() const { return fixedLayout_; }
    void setFixedLayout(TSCGCellParam::Layout l);

    // The grid has lines between all cells, a sunken two-pixel border, and
    // while it has the focus a dotted frame round the current cell. (Fixed
    // columns, other alignments for uncovered cells, filled selections and
    // switching lines, border or frame off are options nothing uses, so they
    // are not built.)

    // The current (focused) cell; a click on a data cell moves it.
    QPoint currentCell() const { return current_; }
    void setCurrentCell(int column, int row);
    // The cell's rectangle in widget coordinates, grid lines excluded.
    QRect cellRect(int column, int row) const;
    // Width and height that show every cell, border included.
    QSize fullSize() const;
    QSize sizeHint() const override { return fullSize(); }

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
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool isFixed(int, int row) const { return row < fixedRows_; }
    static constexpr int kBorderWidth = 2;
    void paintCell(QPainter& p, int column, int row) const;
    void paintText(QPainter& p, const QRect& r, const QString& text, Qt::AlignmentFlag align,
                   TSCGCellParam::Layout layout, int fontWidth) const;
    QColor dataLineColour() const;
    void paintLines(QPainter& p) const;
    void paintBorder(QPainter& p) const;
    void paintFocusFrame(QImage& image) const;

    int rows_ = 5;
    int columns_ = 5;
    int rowHeight_ = 24;
    int fixedRows_ = 1;
    QColor color_ = Qt::white;
    QColor fixedColor_ = QColor(240, 240, 240);
    bool cellDivide_ = true;
    bool focusDraw_ = true;
    TSCGCellParam::Layout layout_ = TSCGCellParam::tlTop;
    TSCGCellParam::Layout fixedLayout_ = TSCGCellParam::tlTop;
    QPoint current_;
    QVector<int> widths_;
    QVector<QString> cells_;
    QList<TSCGCellParam> params_;
};
