// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/framework/cmd_target.h"

#include <QAbstractScrollArea>
#include <QSize>

class CDocument;
class QMdiSubWindow;

// A scrolling view of a document, inside a child frame. It keeps no copy of
// what it shows: it reads the document on every paint.
class CView : public QAbstractScrollArea, public CCmdTarget {
    Q_OBJECT
public:
    explicit CView(CDocument& doc);
    ~CView() override;

    CDocument& GetDocument() const { return m_document; }

    // The child frame holding the view; null before it is framed.
    QMdiSubWindow* Frame() const;

    // Run once after the view is framed.
    virtual void OnInitialUpdate() {}

    // What the status bar's picture pane says while this view is active.
    virtual QString PaneText() const { return {}; }

    // Size of the scrolled content in pixels.
    void SetScrollSizes(QSize total);
    QSize GetTotalSize() const { return m_totalSize; }
    QPoint GetScrollPosition() const;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollBars();

    CDocument& m_document;
    QSize m_totalSize;
};
