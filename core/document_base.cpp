#include "core/document_base.h"

void CDocumentBase::SetPathName(const std::string& path)
{
    m_strPathName = path;
    const std::size_t nSlash = path.find_last_of('/');
    m_strTitle = nSlash == std::string::npos ? path : path.substr(nSlash + 1);
}
