// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framework/view.h"

#include "app/framework/document.h"

#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>

CView::CView(CDocument& doc) : m_document(doc)
{
}

CView::~CView()
{
    m_document.RemoveView(this);
}

QMdiSubWindow* CView::Frame() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void CView::SetScrollSizes(QSize total)
{
    m_totalSize = total;
    UpdateScrollBars();
}

QPoint CView::GetScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QSize CView::sizeHint() const
{
    // Cascading sizes children by their hint: ask for a useful window, not the whole picture.
    return {480, 360};
}

void CView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CView::UpdateScrollBars()
{
    const QSize page = viewport()->size();
    QScrollBar* pH = horizontalScrollBar();
    QScrollBar* pV = verticalScrollBar();
    pH->setRange(0, std::max(0, m_totalSize.width() - page.width()));
    pV->setRange(0, std::max(0, m_totalSize.height() - page.height()));
    pH->setPageStep(page.width());
    pV->setPageStep(page.height());
    pH->setSingleStep(std::max(1, m_totalSize.width() / 100));
    pV->setSingleStep(std::max(1, m_totalSize.height() / 100));
}
