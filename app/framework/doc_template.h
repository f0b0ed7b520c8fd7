// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document_base.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDocument;
class CView;
class QMdiArea;
class QMdiSubWindow;
class UserDialogs;

// What a template needs to know about one kind of document.
struct DocumentKind {
    std::string strBaseName;     // new documents are this plus a running number
    std::string strFilter;       // file-dialog filter, "Name (*.ext)"
    std::string strExtension;    // no dot
    std::function<std::unique_ptr<CDocumentBase>()> createContent;
    std::function<QMdiSubWindow*()> createFrame;
    std::function<CView*(CDocument&)> createView;
};

// Makes documents of one kind with their windows, and keeps them until
// their last window closes.
class CMultiDocTemplate {
public:
    CMultiDocTemplate(DocumentKind kind, UserDialogs& dialogs);
    ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate&) = delete;
    CMultiDocTemplate& operator=(const CMultiDocTemplate&) = delete;

    // Where new windows go; set once the main frame exists.
    void SetMdiArea(QMdiArea* pMdiArea) { m_pMdiArea = pMdiArea; }

    // Told of every path opened or saved, for the recent-file list.
    void SetPathListener(std::function<void(const std::string&)> listener) { m_pathListener = std::move(listener); }

    // A new untitled document (empty path) or one read from the file, shown
    // in a new window; a file already open only has its window activated.
    // Null when the file could not be read.
    CDocument* OpenDocumentFile(const std::string& path);

    // A further window on the document; returns its view.
    CView* CreateNewFrame(CDocument& doc);

    std::optional<std::string> AskSaveFileName(CDocument& doc);

    // The open and save dialogs' filters: the document's own, then all files.
    std::string FileFilters() const;

    const DocumentKind& Kind() const { return m_kind; }
    UserDialogs& Dialogs() { return m_dialogs; }
    std::size_t DocumentCount() const { return m_documents.size(); }

    // Called by a document whose last view has gone.
    void RemoveDocument(CDocument* pDoc);

    // Called by a document that was opened from or saved to the path.
    void OnPathSet(const std::string& path);

private:
    // The open document read from that file, if any.
    CDocument* FindOpenDocument(const std::string& path) const;

    DocumentKind m_kind;
    UserDialogs& m_dialogs;
    QMdiArea* m_pMdiArea = nullptr;
    std::function<void(const std::string&)> m_pathListener;
    int m_nUntitledCount = 0;
    std::vector<std::unique_ptr<CDocument>> m_documents;
};
