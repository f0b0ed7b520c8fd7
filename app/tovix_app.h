// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/app_services.h"
#include "app/command_line.h"
#include "app/framework/cmd_target.h"
#include "app/recent_file_list.h"

#include <QObject>
#include <QPrinter>
#include <QTranslator>

#include <memory>

class CDocument;
class CMainFrame;
class CMultiDocTemplate;

// The application: brings the windows up in a fixed order, carries out the
// command line and handles the commands that need no document.
class CTOVIXApp : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    CTOVIXApp(UserDialogs& dialogs, COpenFileChooser& chooser);
    ~CTOVIXApp() override;

    // Start-up; false when the program is to end at once (see ExitCode).
    bool InitInstance(const CCommandLineInfo& info);
    int ExitCode() const { return m_nExitCode; }

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CMultiDocTemplate& DocTemplate() const { return *m_pDocTemplate; }
    CRecentFileList& RecentFiles() { return m_recentFiles; }
    QPrinter& Printer() { return m_printer; }

    // A new document, or one read from the file; null when it could not be read.
    CDocument* OpenDocumentFile(const std::string& path);

    // A dropped picture is imported into a new document (a .bmp name through
    // the BMP import, any other readable kind through the picture import);
    // anything else is opened as a document.
    void OpenDroppedFile(const std::string& path);

protected:
    // Every event of the program passes here first, for the splash.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool ProcessShellCommand(const CCommandLineInfo& info);
    bool PrintDocumentFile(const std::string& path);
    void OnAbout();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnOpenRecentFile(int nIndex);
    void OnUpdateRecentFile(int nIndex, CCmdUI& ui) const;

    QTranslator m_qtTranslator;
    QPrinter m_printer;
    AppServices m_services;
    CRecentFileList m_recentFiles;
    int m_nExitCode = 0;
    std::unique_ptr<CMultiDocTemplate> m_pDocTemplate;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
