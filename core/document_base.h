#pragma once

#include <string>

// What every document carries besides its content: the title shown in its
// window caption and the path it was last opened from or saved to.
class CDocumentBase {
public:
    virtual ~CDocumentBase() = default;

    // Prepares a document made for File > New; false refuses it.
    virtual bool OnNewDocument() { return true; }

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }

    const std::string& GetPathName() const { return m_strPathName; }
    // Sets the path and takes its file name as the title.
    void SetPathName(const std::string& path);

private:
    std::string m_strTitle;
    std::string m_strPathName;
};
