// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tovix_app.h"

#include "app/child_frame.h"
#include "app/dialogs/about_dlg.h"
#include "app/framework/doc_template.h"
#include "app/framework/document.h"
#include "app/main_frame.h"
#include "app/open_file_chooser.h"
#include "app/res/commands.h"
#include "app/res/resource.h"
#include "app/res/strings.h"
#include "app/splash_wnd.h"
#include "app/tovix_view.h"
#include "core/tovix_doc.h"
#include "picture/picture_formats.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPageSetupDialog>

#include <clocale>
#include <cstdio>

namespace {

DocumentKind TovixDocumentKind(AppServices& services)
{
    return {
        .strBaseName = res::str::kDocBaseName,
        .strFilter = res::str::kDocFilter,
        .strExtension = res::str::kDocExtension,
        .createContent = [] { return std::make_unique<CTOVIXDoc>(); },
        .createFrame = [] { return new CChildFrame(); },
        .createView = [&services](CDocument& doc) { return new CTOVIXView(doc, services); },
    };
}

// The window of a document this program made; every view it makes is one.
CTOVIXView& FirstView(CDocument& doc)
{
    return static_cast<CTOVIXView&>(*doc.Views().front());
}

bool IsBitmapPath(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).suffix().compare(QLatin1String(res::str::kBitmapExtension),
                                                                    Qt::CaseInsensitive) == 0;
}

} // namespace

CTOVIXApp::CTOVIXApp(UserDialogs& dialogs, COpenFileChooser& chooser)
    : m_printer(QPrinter::HighResolution), m_services{dialogs, chooser, m_printer}
{
    OnCommand(res::ID_APP_ABOUT, [this] { OnAbout(); });
    OnCommand(res::ID_FILE_NEW, [this] { OpenDocumentFile({}); });
    OnCommand(res::ID_FILE_OPEN, [this] { OnFileOpen(); });
    OnCommand(res::ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    OnCommand(res::ID_APP_EXIT, [this] { m_pMainFrame->close(); });
    for (int nId = res::ID_FILE_MRU_FILE1; nId <= res::ID_FILE_MRU_LAST; ++nId) {
        const int nIndex = nId - res::ID_FILE_MRU_FILE1;
        OnCommand(nId, [this, nIndex] { OnOpenRecentFile(nIndex); });
        OnUpdateCommand(nId, [this, nIndex](CCmdUI& ui) { OnUpdateRecentFile(nIndex, ui); });
    }
}

CTOVIXApp::~CTOVIXApp()
{
    qApp->removeEventFilter(this);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    // Windows first: closing them hands their documents back to the template.
    m_pMainFrame.reset();
}

bool CTOVIXApp::InitInstance(const CCommandLineInfo& info)
{
    std::setlocale(LC_ALL, "");
    // Qt's own dialogs (files, Yes and No, printing) speak the program's language.
    if (m_qtTranslator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
    CSplashWnd::EnableSplash(info.bShowSplash);
    qApp->installEventFilter(this);
    m_recentFiles.Load();

    m_pDocTemplate = std::make_unique<CMultiDocTemplate>(TovixDocumentKind(m_services), m_services.dialogs);
    m_pDocTemplate->SetPathListener([this](const std::string& path) {
        m_recentFiles.Add(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
    });

    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    if (!m_pMainFrame->OnCreate()) return false;
    m_pDocTemplate->SetMdiArea(m_pMainFrame->MdiArea());

    if (!ProcessShellCommand(info)) return false;
    m_pMainFrame->show();
    m_pMainFrame->UpdateCommandUI();
    return true;
}

bool CTOVIXApp::ProcessShellCommand(const CCommandLineInfo& info)
{
    if (!info.strPrintFile.empty()) {
        m_nExitCode = PrintDocumentFile(info.strPrintFile) ? 0 : 1;
        return false;
    }
    if (OpenDocumentFile(info.strFileName) != nullptr) return true;
    m_nExitCode = 1;
    return false;
}

CDocument* CTOVIXApp::OpenDocumentFile(const std::string& path)
{
    CDocument* pDoc = m_pDocTemplate->OpenDocumentFile(path);
    m_pMainFrame->UpdateCommandUI();
    return pDoc;
}

void CTOVIXApp::OpenDroppedFile(const std::string& path)
{
    const bool bBitmap = IsBitmapPath(path);
    if (!bBitmap && !IsPicturePath(path)) {
        OpenDocumentFile(path);
        return;
    }
    CDocument* pDoc = OpenDocumentFile({});
    FirstView(*pDoc).ImportFile(path, bBitmap ? CTOVIXView::ImportKind::Bmp : CTOVIXView::ImportKind::Picture);
}

bool CTOVIXApp::PrintDocumentFile(const std::string& path)
{
    CDocument* pDoc = OpenDocumentFile(path);
    if (pDoc == nullptr) return false;
    const bool bPrinted = FirstView(*pDoc).PrintTo(m_printer);
    if (!bPrinted) std::fprintf(stderr, "tovix: no printer could print %s\n", path.c_str());
    pDoc->OnCloseDocument();
    return bPrinted;
}

bool CTOVIXApp::eventFilter(QObject*, QEvent* pEvent)
{
    return CSplashWnd::FilterMessage(pEvent);
}

void CTOVIXApp::OnAbout()
{
    CAboutDlg dialog(m_pMainFrame.get());
    dialog.exec();
}

void CTOVIXApp::OnFileOpen()
{
    const std::optional<std::string> path =
        m_services.chooser.AskOpenFileName({res::str::kDocExtension, m_pDocTemplate->FileFilters()});
    if (path && !path->empty()) OpenDocumentFile(*path);
}

void CTOVIXApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&m_printer, m_pMainFrame.get());
    dialog.exec();
}

void CTOVIXApp::OnOpenRecentFile(int nIndex)
{
    const QString path = m_recentFiles.Files().value(nIndex);
    // An entry whose file is gone leaves the list, as it can no longer be opened.
    if (OpenDocumentFile(path.toStdString()) == nullptr) m_recentFiles.Remove(nIndex);
}

void CTOVIXApp::OnUpdateRecentFile(int nIndex, CCmdUI& ui) const
{
    const int nCount = static_cast<int>(m_recentFiles.Files().size());
    if (nCount == 0 && nIndex == 0) {
        ui.text = QString::fromUtf8(res::FindCommand(res::ID_FILE_MRU_FILE1)->pszLabel);
        ui.bEnabled = false;
        return;
    }
    ui.bVisible = nIndex < nCount;
    ui.bEnabled = ui.bVisible;
    if (ui.bVisible) ui.text = m_recentFiles.MenuText(nIndex);
}
