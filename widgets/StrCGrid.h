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
    Q_PROPERTY(int fixedCols READ fixedCols WRITE setFixedCols)
    Q_PROPERTY(bool drawFocusFrame READ drawFocusFrame WRITE setDrawFocusFrame)
    Q_PROPERTY(bool drawFocusSelected READ drawFocusSelected WRITE setDrawFocusSelected)
    Q_PROPERTY(bool rowSelect READ rowSelect WRITE setRowSelect)
    Q_PROPERTY(bool horzLines READ horzLines WRITE setHorzLines)
    Q_PROPERTY(bool vertLines READ vertLines WRITE setVertLines)
    Q_PROPERTY(bool border READ border WRITE setBorder)
    Q_PROPERTY(QColor focusCellColor READ focusCellColor WRITE setFocusCellColor)

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

    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int columns);
    // Alignment and vertical placement of cells that no parameter covers.
    Qt::AlignmentFlag alignment() const { return alignment_; }
    void setAlignment(Qt::AlignmentFlag a);
    TSCGCellParam::Layout layout() const { return layout_; }
    void setLayout(TSCGCellParam::Layout l);
    Qt::AlignmentFlag fixedAlignment() const { return fixedAlignment_; }
    void setFixedAlignment(Qt::AlignmentFlag a);
    TSCGCellParam::Layout fixedLayout() const { return fixedLayout_; }
    void setFixedLayout(TSCGCellParam::Layout l);
    // The dotted frame round the current cell while the grid has the focus.
    bool drawFocusFrame() const { return drawFocusFrame_; }
    void setDrawFocusFrame(bool on);
    // Highlight the current cell itself, or its whole row.
    bool drawFocusSelected() const { return drawFocusSelected_; }
    void setDrawFocusSelected(bool on);
    bool rowSelect() const { return rowSelect_; }
    void setRowSelect(bool on);
    bool horzLines() const { return horzLines_; }
    void setHorzLines(bool on);
    bool vertLines() const { return vertLines_; }
    void setVertLines(bool on);
    // A sunken two-pixel edge round the grid.
    bool border() const { return border_; }
    void setBorder(bool on);
    QColor focusCellColor() const { return focusCellColor_; }
    void setFocusCellColor(const QColor& c);
    void setFocusCellFontColor(const QColor& c, bool enabled);

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
    bool isFixed(int column, int row) const { return row < fixedRows_ || column < fixedCols_; }
    bool isHighlighted(int column, int row) const;
    int borderWidth() const { return border_ ? 2 : 0; }
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
    int fixedCols_ = 0;
    Qt::AlignmentFlag alignment_ = Qt::AlignLeft;
    TSCGCellParam::Layout layout_ = TSCGCellParam::tlTop;
    Qt::AlignmentFlag fixedAlignment_ = Qt::AlignLeft;
    TSCGCellParam::Layout fixedLayout_ = TSCGCellParam::tlTop;
    bool drawFocusFrame_ = true;
    bool drawFocusSelected_ = false;
    bool rowSelect_ = false;
    bool horzLines_ = true;
    bool vertLines_ = true;
    bool border_ = true;
    QColor focusCellColor_;
    QColor focusCellFontColor_;
    bool focusCellFontColorEnabled_ = false;
    QPoint current_;
    QVector<int> widths_;
    QVector<QString> cells_;
    QList<TSCGCellParam> params_;
};
