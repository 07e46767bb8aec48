#include "editor/doc/doc_properties.h"

#include "editor/doc/marl_doc_core.h"

DocProperties ReadProperties(const MarlDocCore& doc)
{
    DocProperties properties;
    properties.name = doc.GetPathName();
    properties.size = std::to_string(doc.GetLength());
    properties.status = doc.IsModified() ? "Modified" : "Not changed";
    properties.unixFile = doc.m_bUnixFile;
    properties.readOnly = doc.m_bReadOnly;
    return properties;
}

void ApplyProperties(const DocProperties& properties, MarlDocCore& doc)
{
    doc.m_bUnixFile = properties.unixFile;
    doc.m_bReadOnly = properties.readOnly;
}
