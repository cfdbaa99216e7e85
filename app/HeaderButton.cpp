#include "HeaderButton.h"

#include "plButton.h"

TplButton* headerButton(const char* name, const QString& captionA, const QString& captionB, const QRect& geometry,
                        QWidget* parent)
{
    auto* b = new TplButton(parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setButtonStyle(TplButton::bsRoundRect);
    b->setCaptionA(captionA);
    b->setCaptionB(captionB);
    b->setCaptionVertCenter(false);
    b->setCaptionTop(20);
    b->setFocusPolicy(Qt::ClickFocus);
    return b;
}
