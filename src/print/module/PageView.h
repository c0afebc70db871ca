#pragma once

#include "print/module/FormPage.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <list>
#include <utility>
#include <vector>

namespace zizaza::print {

// The pages of the form one under another, as a scrolled view. A page is painted only when it
// comes into sight, into a small cache of page images, so that a declaration of ten thousand pages
// shows at once and keeps little memory.
class PageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // pages must outlive the view.
    explicit PageView(const std::vector<FormPage>& pages, QWidget* parent = nullptr);

    enum class Fit { Width, Page, Free };

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    int CurrentPage() const { return m_current + 1; }  // from 1
    double Zoom() const { return m_zoom; }             // screen pixels per millimetre of the sheet
    Fit FitMode() const { return m_fit; }
    // How many times a page was painted for the screen (a page scrolled back to comes from the
    // cache and is not counted again).
    int RenderedPages() const { return m_rendered; }

    static constexpr int kCacheSize = 8;

public slots:
    void SetCurrentPage(int page);  // from 1; scrolls its top into sight
    void ZoomIn();
    void ZoomOut();
    void FitToWidth();
    void FitToPage();

signals:
    void CurrentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize pageSize() const;  // one page on the screen, in pixels
    int pageStride() const { return pageSize().height() + kGap; }
    void setZoom(double zoom, Fit fit);
    void relayout();  // after a change of zoom or size: scroll bars, keeping the current page in sight
    void updateCurrentFromScroll();
    const QImage& pageImage(int index);

    static constexpr int kGap = 12;  // pixels around and between pages

    const std::vector<FormPage>& m_pages;
    double m_zoom = 3.0;
    Fit m_fit = Fit::Width;
    int m_current = 0;                          // index
    bool m_scrolling = false;                   // the view scrolls itself: the current page is already known
    std::list<std::pair<int, QImage>> m_cache;  // most recently used first
    int m_rendered = 0;
};

}  // namespace zizaza::print
