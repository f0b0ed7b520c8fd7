// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class UserDialogs;

// What every document carries besides its content: the title shown in its
// window caption, and how it is made new, read from a file and written to
// one. The path it belongs to is the framework's business, set after a
// read or write succeeded.
class CDocumentBase {
public:
    virtual ~CDocumentBase() = default;

    // Prepares a document made for File > New; false refuses it.
    virtual bool OnNewDocument() { return true; }

    // Reads a file into this freshly made document. Failures are told
    // through the dialogs; returns success.
    virtual bool OnOpenDocument(const std::string& path, UserDialogs& dialogs) = 0;

    // Writes the document to a file, replacing it only when everything was
    // written. Failures are told through the dialogs; returns success.
    virtual bool OnSaveDocument(const std::string& path, UserDialogs& dialogs) = 0;

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }

private:
    std::string m_strTitle;
};
