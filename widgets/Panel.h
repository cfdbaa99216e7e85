#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

class QPainter;

// A panel with an inner and an outer bevel, a face colour and an optional
// caption: item panels, header bars, bodies and picture frames.
class TPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(Bevel bevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(Bevel bevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(Qt::Alignment captionAlignment READ captionAlignment WRITE setCaptionAlignment)

public:
    enum Bevel { bvNone, bvLowered, bvRaised };
    Q_ENUM(Bevel)

    explicit TPanel(QWidget* parent = nullptr);

    Bevel bevelInner() const { return inner_; }
    void setBevelInner(Bevel b);
    Bevel bevelOuter() const { return outer_; }
    void setBevelOuter(Bevel b);
    QColor color() const { return color_; }
    void setColor(const QColor& c);
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    Qt::Alignment captionAlignment() const { return alignment_; }
    void setCaptionAlignment(Qt::Alignment a);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor faceColor() const;
    // Fills the face and draws the bevels; returns the rectangle inside them.
    QRect paintFace(QPainter& p) const;
    // A panel with an opaque face covers everything beneath it: whatever
    // lies under it (a screen under the start screen) is not painted.
    void updateOpaque();

    Bevel inner_ = bvNone;
    Bevel outer_ = bvRaised;
    QColor color_;
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
};
