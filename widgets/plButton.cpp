#include "plButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TplButton::TplButton(QWidget* parent) : QWidget(parent)
{
    resize(75, 26);
    setFocusPolicy(Qt::StrongFocus);
}

void TplButton::setButtonStyle(ButtonStyle style) { style_ = style; update(); }
void TplButton::setGradation(bool on) { gradation_ = on; update(); }

void TplButton::setGradColor(int index, const QColor& color)
{
    QColor& target = index == 1 ? begin_ : end_;
    if (target == color)
        return;
    target = color;
    update();
}

void TplButton::setCaptionA(const QString& text) { captionA_ = text; update(); }
void TplButton::setCaptionB(const QString& text) { captionB_ = text; update(); }
void TplButton::setCaptionAAlignment(CaptionAlignment a) { alignA_ = a; update(); }
void TplButton::setCaptionBAlignment(CaptionAlignment a) { alignB_ = a; update(); }
void TplButton::setCaptionTop(int top) { captionTop_ = top; update(); }
void TplButton::setCaptionVertCenter(bool on) { vertCenter_ = on; update(); }
void TplButton::setCaptionLineSpace(int space) { lineSpace_ = space; update(); }
void TplButton::setFocusLook(bool on) { focusLook_ = on; update(); }

// Placeholder look until the full painting lands: a plain gradient and the captions.
void TplButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, begin_);
    g.setColorAt(1, end_);
    p.fillRect(rect(), g);
    p.drawText(rect(), Qt::AlignCenter, captionB_.isEmpty() ? captionA_ : captionA_ + '\n' + captionB_);
}

void TplButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) { pressed_ = true; update(); }
}

void TplButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    update();
    if (rect().contains(e->position().toPoint()))
        emit clicked();
}

void TplButton::enterEvent(QEnterEvent*) { emit mouseEnter(); }
void TplButton::leaveEvent(QEvent*) { pressed_ = false; emit mouseLeave(); update(); }

void TplButton::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && isEnabled())
        emit clicked();
    else
        QWidget::keyPressEvent(e);
}

void TplButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(e);
}
