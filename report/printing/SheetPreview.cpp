#include <QBuffer>
#include <QGraphicsView>
#include <QPainter>
#include <QPdfDocument>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>

namespace lumenta::report {

namespace {

// The scene counts in dots of the 600 dpi sheet, its paper as Qt lays out
// A4 at that resolution; the zoom buttons step by a tenth.
constexpr int kSceneDpi = 600;
constexpr qreal kPointsPerInch = 72;
constexpr qreal kZoomStep = 1.1;
// Qt PDF draws lines thinner than a pixel a whole pixel wide, where Qt's
// own painter covers part of the pixel: the page is rendered at this many
// pixels across for each pixel of the window and scaled down smoothly.
constexpr int kSamplesPerPixel = 4;

} // namespace

// The printed PDF document's page, drawn by Qt PDF on grey with a shadow
// below and to its right, as print previews show paper. It zooms as Qt's
// print preview does, in steps of a tenth, and "fit" zooms follow the
// window's size. The scene counts in dots of a 600 dpi page.
//
// It lives in a module of its own (lumenta_preview), loaded at the first
// preview: Qt PDF and the libraries it brings cost nothing at start-up.
// The window that holds it reaches its zooms by name (invokeMethod).
class SheetPreview : public QGraphicsView {
    Q_OBJECT
public:
    // Shows the document read from pdf, which it keeps a copy of.
    SheetPreview(const QByteArray& pdf, QWidget* parent) : QGraphicsView(parent)
    {
        auto* bytes = new QBuffer(this);
        bytes->setData(pdf);
        bytes->open(QIODevice::ReadOnly);
        document_->load(bytes);
        setInteractive(false);
        setDragMode(ScrollHandDrag);
        setViewportUpdateMode(SmartViewportUpdate);
        setScene(new QGraphicsScene(this));
        scene()->setBackgroundBrush(Qt::gray);
        if (pageCount() == 0)
            return;
        // The paper within a grey border of a 25th of its longer side.
        paper_ = QRectF(QPointF(0, 0), (document_->pagePointSize(0) * kSceneDpi / kPointsPerInch).toSize());
        const int border = int(std::max(paper_.width(), paper_.height())) / 25;
        scene()->setSceneRect(paper_.adjusted(-border, -border, border, border));
    }

    // The pages the document holds once read (0: it could not be read).
    Q_INVOKABLE int pageCount() const
    {
        return document_->status() == QPdfDocument::Status::Ready ? document_->pageCount() : 0;
    }
    Q_INVOKABLE void fitInView() { fit(Zoom::FitInView, true); }
    Q_INVOKABLE void fitToWidth() { fit(Zoom::FitToWidth, true); }
    Q_INVOKABLE void zoomIn() { zoomBy(kZoomStep); }
    Q_INVOKABLE void zoomOut() { zoomBy(1 / kZoomStep); }

protected:
    // The paper with its page rendered on it, and a shadow below and to its
    // right fading out over a hundredth of its width. It is painted where it
    // shows, straight on the view: the page is rendered for the part of the
    // window it covers, at any zoom.
    void drawForeground(QPainter* painter, const QRectF& exposed) override
    {
        if (paper_.isEmpty())
            return;
        painter->save();
        painter->setClipRect(exposed);
        const qreal shadow = paper_.width() / 100;
        const QPointF corner = paper_.bottomRight();
        QLinearGradient right(paper_.topRight(), paper_.topRight() + QPointF(shadow, 0));
        QLinearGradient below(paper_.bottomLeft(), paper_.bottomLeft() + QPointF(0, shadow));
        QRadialGradient round(corner, shadow, corner);
        for (QGradient* fade : std::initializer_list<QGradient*>{&right, &below, &round}) {
            fade->setColorAt(0, QColor(0, 0, 0, 255));
            fade->setColorAt(1, QColor(0, 0, 0, 0));
        }
        painter->fillRect(QRectF(paper_.topRight() + QPointF(0, shadow), corner + QPointF(shadow, 0)), right);
        painter->fillRect(QRectF(paper_.bottomLeft() + QPointF(shadow, 0), corner + QPointF(0, shadow)), below);
        painter->fillRect(QRectF(corner, corner + QPointF(shadow, shadow)), round);
        painter->setClipRect(paper_ & exposed);
        painter->fillRect(paper_, Qt::white);
        drawPage(painter, paper_ & exposed);
        painter->restore();
    }

    // A fitting zoom follows the window's size.
    void resizeEvent(QResizeEvent* event) override
    {
        QGraphicsView::resizeEvent(event);
        fit(zoom_, false);
    }
    void showEvent(QShowEvent* event) override
    {
        QGraphicsView::showEvent(event);
        fit(zoom_, false);
    }

private:
    enum class Zoom { Custom, FitInView, FitToWidth };

    // The page rendered for the pixels it covers on the device, where it shows.
    void drawPage(QPainter* painter, const QRectF& shown) const
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        const QTransform toPixels = painter->worldTransform() * QTransform::fromScale(ratio, ratio);
        const QRectF page = toPixels.mapRect(paper_);
        const QRect window(QPoint(0, 0),
                           QSizeF(painter->device()->width() * ratio, painter->device()->height() * ratio).toSize());
        const QRect part = toPixels.mapRect(shown).toAlignedRect() & page.toAlignedRect() & window;
        if (part.isEmpty())
            return;
        const int ss = std::max(1, qCeil(kSamplesPerPixel / ratio));
        QPdfDocumentRenderOptions options;
        options.setScaledSize((page.size() * ss).toSize());
        // Qt PDF 6.4 scales a clip by (its width - 1) / the image's width:
        // one pixel more than the image keeps the page at its scaled size.
        const QPoint from = ((QPointF(part.topLeft()) - page.topLeft()) * ss).toPoint();
        options.setScaledClipRect(QRect(from, part.size() * ss).adjusted(0, 0, 1, 1));
        QImage image = document_->render(0, part.size() * ss, options);
        if (ss > 1)
            image = image.scaled(part.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
        painter->setWorldTransform(QTransform());
        painter->drawImage(QPointF(part.topLeft()) / ratio, image);
    }

    void zoomBy(qreal factor)
    {
        zoom_ = Zoom::Custom;
        scale(factor, factor);
    }

    // The whole page, or its width, in view; the page steps by its height.
    // Asked for, the width goes to the top of the page.
    void fit(Zoom zoom, bool asked)
    {
        zoom_ = zoom;
        if (paper_.isEmpty() || zoom == Zoom::Custom)
            return;
        const QRectF target = sceneRect();
        if (zoom == Zoom::FitToWidth) {
            const qreal scale = viewport()->width() / target.width();
            setTransform(QTransform::fromScale(scale, scale));
            if (!asked)
                return;
            QRectF shown = viewportTransform().mapRect(QRectF(viewport()->rect()));
            shown.moveTop(target.top());
            ensureVisible(shown);
            return;
        }
        QGraphicsView::fitInView(target, Qt::KeepAspectRatio);
        const int step = qRound(transform().mapRect(target).height());
        verticalScrollBar()->setSingleStep(step);
        verticalScrollBar()->setPageStep(step);
    }

    QPdfDocument* document_ = new QPdfDocument(this);
    QRectF paper_; // empty when the document could not be read
    Zoom zoom_ = Zoom::FitInView;
};

} // namespace lumenta::report

#include "SheetPreview.moc"

// The module's entry: the preview of a PDF document, or null when Qt PDF
// cannot read it.
extern "C" Q_DECL_EXPORT QWidget* lumenta_sheet_preview(const QByteArray* pdf, QWidget* parent)
{
    auto* view = new lumenta::report::SheetPreview(*pdf, parent);
    if (view->pageCount() > 0)
        return view;
    delete view;
    return nullptr;
}
