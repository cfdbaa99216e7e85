#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// Gradient push button with two caption lines (header, start and
// calculate buttons).
class TplButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(ButtonStyle buttonStyle READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(bool gradation READ gradation WRITE setGradation)
    Q_PROPERTY(QColor gradBeginColor READ gradBeginColor WRITE setGradBeginColor)
    Q_PROPERTY(QColor gradEndColor READ gradEndColor WRITE setGradEndColor)
    Q_PROPERTY(QString captionA READ captionA WRITE setCaptionA)
    Q_PROPERTY(QString captionB READ captionB WRITE setCaptionB)
    Q_PROPERTY(CaptionAlignment captionAAlignment READ captionAAlignment WRITE setCaptionAAlignment)
    Q_PROPERTY(CaptionAlignment captionBAlignment READ captionBAlignment WRITE setCaptionBAlignment)
    Q_PROPERTY(int captionTop READ captionTop WRITE setCaptionTop)
    Q_PROPERTY(bool captionVertCenter READ captionVertCenter WRITE setCaptionVertCenter)
    Q_PROPERTY(int captionLineSpace READ captionLineSpace WRITE setCaptionLineSpace)
    Q_PROPERTY(bool focusLook READ focusLook WRITE setFocusLook)

public:
    enum ButtonStyle { bsNormal, bsFlat, bsFlatNoFrame, bsRoundRect, bsRoundRectNoFrame };
    Q_ENUM(ButtonStyle)
    enum CaptionAlignment { taCenter, taLeft, taRight, taEven };
    Q_ENUM(CaptionAlignment)

    explicit TplButton(QWidget* parent = nullptr);

    ButtonStyle buttonStyle() const { return style_; }
    void setButtonStyle(ButtonStyle style);
    bool gradation() const { return gradation_; }
    void setGradation(bool on);

    // The indexed colour setter: 1 = GradBeginColor, 2 = GradEndColor.
    // Setting a colour to the value it already has does not repaint.
    void setGradColor(int index, const QColor& color);
    QColor gradBeginColor() const { return begin_; }
    QColor gradEndColor() const { return end_; }
    void setGradBeginColor(const QColor& c) { setGradColor(1, c); }
    void setGradEndColor(const QColor& c) { setGradColor(2, c); }

    QString captionA() const { return captionA_; }
    QString captionB() const { return captionB_; }
    void setCaptionA(const QString& text);
    void setCaptionB(const QString& text);
    CaptionAlignment captionAAlignment() const { return alignA_; }
    CaptionAlignment captionBAlignment() const { return alignB_; }
    void setCaptionAAlignment(CaptionAlignment a);
    void setCaptionBAlignment(CaptionAlignment a);
    int captionTop() const { return captionTop_; }
    void setCaptionTop(int top);
    bool captionVertCenter() const { return vertCenter_; }
    void setCaptionVertCenter(bool on);
    int captionLineSpace() const { return lineSpace_; }
    void setCaptionLineSpace(int space);
    // Whether the button takes the focus and shows the pressed and focus looks.
    bool focusLook() const { return focusLook_; }
    void setFocusLook(bool on);

    QSize sizeHint() const override { return {75, 26}; }

signals:
    void clicked();
    void mouseEnter();
    void mouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ButtonStyle style_ = bsNormal;
    bool gradation_ = true;
    QColor begin_ = Qt::white;
    QColor end_ = QColor(192, 192, 192);
    QString captionA_;
    QString captionB_;
    CaptionAlignment alignA_ = taCenter;
    CaptionAlignment alignB_ = taCenter;
    int captionTop_ = 0;
    bool vertCenter_ = true;
    int lineSpace_ = 4;
    bool focusLook_ = true;
    bool pressed_ = false;
};
