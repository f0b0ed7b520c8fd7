// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/framework/cmd_target.h"
#include "core/document_base.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class CMultiDocTemplate;
class CView;

// A document as the windowing layer sees it: the content (plain C++, from
// the core) with the views that show it and the file commands that act on it.
class CDocument : public CCmdTarget {
public:
    CDocument(CMultiDocTemplate& docTemplate, std::unique_ptr<CDocumentBase> content);
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    CDocumentBase& Content() { return *m_pContent; }
    CMultiDocTemplate& Template() { return m_template; }
    QString GetTitle() const;

    // The file the document was opened from or last saved to; empty while untitled.
    const std::string& GetPathName() const { return m_strPathName; }
    // Sets the path, takes its file name as the title and tells the template.
    void SetPathName(const std::string& path);

    const std::vector<CView*>& Views() const { return m_views; }
    void AddView(CView* pView);
    // The last view gone closes the document, which deletes it.
    void RemoveView(CView* pView);

    // Captions of the document's windows: the title, with ":n" once there are several.
    void UpdateFrameTitles();

    // Closes every window of the document.
    void OnCloseDocument();

    // Saves under the path, or asks for one first; false when it was not saved.
    bool DoSave(const std::string& path);

private:
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileSendMail();

    CMultiDocTemplate& m_template;
    std::unique_ptr<CDocumentBase> m_pContent;
    std::string m_strPathName;
    std::vector<CView*> m_views;
};
