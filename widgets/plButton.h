#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;

// Gradient push button with two caption lines (header, start and
// calculate buttons).
class TplButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(ButtonStyle buttonStyle READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(QColor gradBeginColor READ gradBeginColor WRITE setGradBeginColor)
    Q_PROPERTY(QColor gradEndColor READ gradEndColor WRITE setGradEndColor)
    Q_PROPERTY(QString captionA READ captionA WRITE setCaptionA)
    Q_PROPERTY(QString captionB READ captionB WRITE setCaptionB)
    Q_PROPERTY(int captionTop READ captionTop WRITE setCaptionTop)
    Q_PROPERTY(bool captionVertCenter READ captionVertCenter WRITE setCaptionVertCenter)
    Q_PROPERTY(int captionLineSpace READ captionLineSpace WRITE setCaptionLineSpace)

public:
    // A new button is square with a raised edge; every button of the program
    // is round. (The flat and frameless styles, a plain face instead of the
    // gradient, caption alignments and margins, a cancel button and a button
    // without the focus looks are options nothing uses, so they are not built.)
    enum ButtonStyle { bsNormal, bsRoundRect };
    Q_ENUM(ButtonStyle)

    // Corner diameter of the round styles.
    static constexpr int kCornerDiameter = 10;

    explicit TplButton(QWidget* parent = nullptr);

    ButtonStyle buttonStyle() const { return style_; }
    void setButtonStyle(ButtonStyle style);

    // The indexed colour setter: 1 = GradBeginColor, 2 = GradEndColor.
    // Setting a colour to the value it already has does not repaint.
    void setGradColor(int index, const QColor& color);
    QColor gradBeginColor() const { return begin_; }
    QColor gradEndColor() const { return end_; }
    void setGradBeginColor(const QColor& c) { setGradColor(1, c); }
    void setGradEndColor(const QColor& c) { setGradColor(2, c); }

    // The two caption lines, each centred on the button.
    QString captionA() const { return lines_[0]; }
    QString captionB() const { return lines_[1]; }
    void setCaptionA(const QString& text);
    void setCaptionB(const QString& text);
    // Top of the first caption line; with vertical centring, the centred
    // top for the button's height, font and caption lines.
    int captionTop() const;
    void setCaptionTop(int top);
    bool captionVertCenter() const { return vertCenter_; }
    void setCaptionVertCenter(bool on);
    int captionLineSpace() const { return lineSpace_; }
    void setCaptionLineSpace(int space);

    bool isPressed() const { return pressed_; }
    // Whether the pointer came onto the enabled button and has not left it.
    bool isHovered() const { return hovered_; }
    // How many repaints the button has asked for so far.
    int repaintRequests() const { return repaintRequests_; }

    // Top of the first caption line when the lines are centred vertically in
    // a button of the given height.
    static int centredCaptionTop(int height, int textHeight, int lineSpace, bool twoLines);
    // Colour of pixel row y of a face gradient over the given height.
    static QColor gradientRow(const QColor& begin, const QColor& end, int y, int height);

    QSize sizeHint() const override { return {75, 26}; }

public slots:
    // Clears the pressed state, fires clicked() and repaints.
    void click();

signals:
    void clicked();
    // The pointer came onto the enabled button, or left it after coming.
    void mouseEnter();
    void mouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool isRound() const { return style_ == bsRoundRect; }
    void requestRepaint();
    void updateShape();
    void paintFace(QPainter& p) const;
    void paintCaptions(QPainter& p) const;
    void paintLine(QPainter& p, const QString& text, int top) const;
    void paintFrame(QPainter& p) const;
    void paintFocus(QPainter& p) const;

    ButtonStyle style_ = bsNormal;
    QColor begin_ = Qt::white;
    QColor end_ = QColor(192, 192, 192);
    QString lines_[2];
    int captionTop_ = 0;
    bool vertCenter_ = true;
    int lineSpace_ = 4;
    bool pressed_ = false;
    bool hovered_ = false;
    int repaintRequests_ = 0;
};
