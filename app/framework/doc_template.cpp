// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framework/doc_template.h"

#include "app/framework/document.h"
#include "app/framework/view.h"
#include "app/res/strings.h"
#include "core/user_dialogs.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

CMultiDocTemplate::CMultiDocTemplate(DocumentKind kind, UserDialogs& dialogs)
    : m_kind(std::move(kind)), m_dialogs(dialogs)
{
}

CMultiDocTemplate::~CMultiDocTemplate() = default;

CDocument* CMultiDocTemplate::OpenDocumentFile(const std::string& path)
{
    // One document per file: a second copy could be saved over the first.
    if (CDocument* pOpen = FindOpenDocument(path)) {
        if (m_pMdiArea != nullptr) m_pMdiArea->setActiveSubWindow(pOpen->Views().front()->Frame());
        return pOpen;
    }
    std::unique_ptr<CDocumentBase> content = m_kind.createContent();
    if (path.empty()) {
        if (!content->OnNewDocument()) return nullptr;
        content->SetTitle(m_kind.strBaseName + std::to_string(++m_nUntitledCount));
    } else {
        if (!content->OnOpenDocument(path, m_dialogs)) return nullptr;
    }
    m_documents.push_back(std::make_unique<CDocument>(*this, std::move(content)));
    CDocument* pDoc = m_documents.back().get();
    if (!path.empty()) pDoc->SetPathName(path);
    CreateNewFrame(*pDoc);
    return pDoc;
}

CDocument* CMultiDocTemplate::FindOpenDocument(const std::string& path) const
{
    const QString file = QFileInfo(QString::fromStdString(path)).canonicalFilePath();
    if (file.isEmpty()) return nullptr;
    for (const std::unique_ptr<CDocument>& pDoc : m_documents) {
        const std::string& own = pDoc->GetPathName();
        if (!own.empty() && QFileInfo(QString::fromStdString(own)).canonicalFilePath() == file) return pDoc.get();
    }
    return nullptr;
}

CView* CMultiDocTemplate::CreateNewFrame(CDocument& doc)
{
    QMdiSubWindow* pFrame = m_kind.createFrame();
    CView* pView = m_kind.createView(doc);
    pFrame->setWidget(pView);
    doc.AddView(pView);
    if (m_pMdiArea != nullptr) {
        m_pMdiArea->addSubWindow(pFrame);
        pFrame->show();
        m_pMdiArea->setActiveSubWindow(pFrame);
    }
    pView->OnInitialUpdate();
    return pView;
}

std::optional<std::string> CMultiDocTemplate::AskSaveFileName(CDocument& doc)
{
    // Saving a document over another file deserves the question; the export
    // asks its own instead.
    return m_dialogs.AskSaveFileName({doc.Content().GetTitle(), m_kind.strExtension, FileFilters(), true});
}

std::string CMultiDocTemplate::FileFilters() const
{
    return m_kind.strFilter + ";;" + res::str::kAllFilesFilter;
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    std::erase_if(m_documents, [pDoc](const std::unique_ptr<CDocument>& p) { return p.get() == pDoc; });
}

void CMultiDocTemplate::OnPathSet(const std::string& path)
{
    if (m_pathListener) m_pathListener(path);
}
