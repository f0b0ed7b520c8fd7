// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framework/document.h"

#include "app/framework/doc_template.h"
#include "app/framework/view.h"
#include "app/res/resource.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace {

// The desktop's mail helper; empty when it is not installed.
QString MailProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

} // namespace

CDocument::CDocument(CMultiDocTemplate& docTemplate, std::unique_ptr<CDocumentBase> content)
    : m_template(docTemplate), m_pContent(std::move(content))
{
    OnCommand(res::ID_FILE_CLOSE, [this] { OnCloseDocument(); });
    OnCommand(res::ID_FILE_SAVE, [this] { OnFileSave(); });
    OnCommand(res::ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    OnCommand(res::ID_FILE_SEND_MAIL, [this] { OnFileSendMail(); });
    OnUpdateCommand(res::ID_FILE_SEND_MAIL, [](CCmdUI& ui) { ui.bEnabled = !MailProgram().isEmpty(); });
}

QString CDocument::GetTitle() const
{
    return QString::fromStdString(m_pContent->GetTitle());
}

void CDocument::SetPathName(const std::string& path)
{
    m_strPathName = path;
    const std::size_t nSlash = path.find_last_of('/');
    m_pContent->SetTitle(nSlash == std::string::npos ? path : path.substr(nSlash + 1));
    m_template.OnPathSet(path);
    UpdateFrameTitles();
}

void CDocument::AddView(CView* pView)
{
    m_views.push_back(pView);
    UpdateFrameTitles();
}

void CDocument::RemoveView(CView* pView)
{
    std::erase(m_views, pView);
    if (m_views.empty())
        m_template.RemoveDocument(this);
    else
        UpdateFrameTitles();
}

void CDocument::UpdateFrameTitles()
{
    const QString title = GetTitle();
    for (std::size_t i = 0; i < m_views.size(); ++i) {
        QWidget* pFrame = m_views[i]->Frame();
        if (pFrame == nullptr) continue;
        pFrame->setWindowTitle(m_views.size() == 1 ? title : QStringLiteral("%1:%2").arg(title).arg(i + 1));
    }
}

void CDocument::OnCloseDocument()
{
    // Closing a frame destroys its view, and the last one this document.
    const std::vector<CView*> views = m_views;
    for (CView* pView : views)
        if (QWidget* pFrame = pView->Frame()) pFrame->close();
}

bool CDocument::DoSave(const std::string& path)
{
    std::string target = path;
    if (target.empty()) {
        const std::optional<std::string> chosen = m_template.AskSaveFileName(*this);
        if (!chosen || chosen->empty()) return false;
        target = *chosen;
    }
    if (!m_pContent->OnSaveDocument(target, m_template.Dialogs())) return false;
    SetPathName(target);
    return true;
}

void CDocument::OnFileSave()
{
    DoSave(m_strPathName);
}

void CDocument::OnFileSaveAs()
{
    DoSave({});
}

void CDocument::OnFileSendMail()
{
    // The mail program reads the attachment later, so the copy must outlive this call.
    const QString dir = QDir::temp().filePath(QStringLiteral("tovix-mail"));
    QDir().mkpath(dir);
    const QString ext = QString::fromStdString(m_template.Kind().strExtension);
    QString name = GetTitle();
    if (!name.endsWith(QLatin1Char('.') + ext)) name += QLatin1Char('.') + ext;
    const QString copy = QDir(dir).filePath(name);
    if (m_pContent->OnSaveDocument(copy.toStdString(), m_template.Dialogs()))
        QProcess::startDetached(MailProgram(), {QStringLiteral("--attach"), copy});
}
