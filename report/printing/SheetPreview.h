#pragma once

#include <QGraphicsView>

class QPdfDocument;

namespace lumenta::report {

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
    SheetPreview(const QByteArray& pdf, QWidget* parent);

    // The pages the document holds once read (0: it could not be read).
    Q_INVOKABLE int pageCount() const;
    Q_INVOKABLE void fitInView();
    Q_INVOKABLE void fitToWidth();
    Q_INVOKABLE void zoomIn();
    Q_INVOKABLE void zoomOut();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Zoom { Custom, FitInView, FitToWidth };
    void fit(Zoom zoom, bool asked);
    void zoomBy(qreal factor);

    QPdfDocument* document_;
    QGraphicsItem* page_ = nullptr;
    Zoom zoom_ = Zoom::FitInView;
};

} // namespace lumenta::report
