#include "print/module/PageView.h"

#include "print/module/FormPainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace zizaza::print {
namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.5;  // pixels per millimetre: a page about 100 pixels wide
constexpr double kMaxZoom = 20.0;

}  // namespace

PageView::PageView(const std::vector<FormPage>& pages, QWidget* parent) : QAbstractScrollArea(parent), m_pages(pages) {
    setObjectName(QStringLiteral("pageView"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    // A scroll bar that comes and goes would change the width the pages are fitted to and paint
    // them all over again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QSize PageView::pageSize() const {
    return QSize(std::max(1, static_cast<int>(std::lround(kPageWidth * m_zoom))),
                 std::max(1, static_cast<int>(std::lround(kPageHeight * m_zoom))));
}

void PageView::setZoom(double zoom, Fit fit) {
    m_fit = fit;
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom != m_zoom) {
        m_zoom = zoom;
        m_cache.clear();
    }
    relayout();
}

void PageView::ZoomIn() {
    setZoom(m_zoom * kZoomStep, Fit::Free);
}

void PageView::ZoomOut() {
    setZoom(m_zoom / kZoomStep, Fit::Free);
}

void PageView::FitToWidth() {
    setZoom((viewport()->width() - 2.0 * kGap) / kPageWidth, Fit::Width);
}

void PageView::FitToPage() {
    setZoom(
        std::min((viewport()->width() - 2.0 * kGap) / kPageWidth, (viewport()->height() - 2.0 * kGap) / kPageHeight),
        Fit::Page);
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_fit == Fit::Width)
        FitToWidth();
    else if (m_fit == Fit::Page)
        FitToPage();
    else
        relayout();
}

void PageView::relayout() {
    const QSize page = pageSize();
    const QSize view = viewport()->size();
    const qint64 height = kGap + static_cast<qint64>(PageCount()) * pageStride();
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    m_scrolling = true;
    v->setRange(0, static_cast<int>(std::min<qint64>(INT_MAX, std::max<qint64>(0, height - view.height()))));
    v->setPageStep(view.height());
    v->setSingleStep(std::max(1, page.height() / 20));
    h->setRange(0, std::max(0, page.width() + 2 * kGap - view.width()));
    h->setPageStep(view.width());
    h->setSingleStep(std::max(1, page.width() / 20));
    v->setValue(m_current * pageStride());
    m_scrolling = false;
    viewport()->update();
}

void PageView::SetCurrentPage(int page) {
    const int index = std::clamp(page - 1, 0, std::max(0, PageCount() - 1));
    m_scrolling = true;
    verticalScrollBar()->setValue(index * pageStride());
    m_scrolling = false;
    if (index != m_current) {
        m_current = index;
        emit CurrentPageChanged(CurrentPage());
    }
    viewport()->update();
}

void PageView::scrollContentsBy(int, int) {
    if (!m_scrolling)
        updateCurrentFromScroll();
    viewport()->update();
}

void PageView::updateCurrentFromScroll() {
    const QScrollBar* v = verticalScrollBar();
    // At the end of the scroll the last page is the current one, even when the pages above it
    // share the screen with it.
    const int index = v->value() >= v->maximum() && v->maximum() > 0
                          ? PageCount() - 1
                          : std::clamp((v->value() + pageStride() / 2) / pageStride(), 0, PageCount() - 1);
    if (index != m_current && index >= 0) {
        m_current = index;
        emit CurrentPageChanged(CurrentPage());
    }
}

const QImage& PageView::pageImage(int index) {
    for (auto it = m_cache.begin(); it != m_cache.end(); ++it) {
        if (it->first == index) {
            m_cache.splice(m_cache.begin(), m_cache, it);
            return m_cache.front().second;
        }
    }
    const qreal ratio = devicePixelRatioF();
    const QSize size = pageSize();
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    PaintFormPage(painter, m_pages[static_cast<size_t>(index)], QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    ++m_rendered;
    m_cache.emplace_front(index, std::move(image));
    if (m_cache.size() > kCacheSize)
        m_cache.pop_back();
    return m_cache.front().second;
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    if (m_pages.empty())
        return;
    const QSize page = pageSize();
    const int stride = pageStride();
    const int top = verticalScrollBar()->value();
    const int x = page.width() + 2 * kGap <= viewport()->width() ? (viewport()->width() - page.width()) / 2
                                                                 : kGap - horizontalScrollBar()->value();
    const QRect exposed = event->rect();
    for (int index = std::max(0, (top + exposed.top() - kGap) / stride); index < PageCount(); ++index) {
        const int y = kGap + index * stride - top;
        if (y > exposed.bottom())
            break;
        const QRect target(QPoint(x, y), page);
        if (target.intersects(exposed))
            painter.drawImage(target.topLeft(), pageImage(index));
    }
}

}  // namespace zizaza::print
