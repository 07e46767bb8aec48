#include "editor/integration/mail_library.h"

#include <vector>

namespace {

// Looked up in this order; the fourth is the one called.
constexpr const char* kProcedureNames[] = {
    "MAPILogon",      "MAPILogoff",   "MAPISendMail", "MAPISendDocuments",
    "MAPIFindNext",   "MAPIReadMail", "MAPISaveMail", "MAPIDeleteMail",
    "MAPIFreeBuffer", "MAPIAddress",  "MAPIDetails",  "MAPIResolveName",
};
constexpr std::size_t kSendDocuments = 3;

using SendDocumentsProc = ULONG(WINAPI*)(ULONG_PTR, LPSTR, LPSTR, LPSTR, ULONG);

// The call takes non-const strings: each gets a copy of its own.
std::vector<char> Writable(const std::string& text)
{
    return std::vector<char>(text.c_str(), text.c_str() + text.size() + 1);
}

} // namespace

static_assert(std::size(kProcedureNames) == 12);

int MailLibrary::Bind()
{
    Unbind();
    m_module = fw::LoadLibraryHandle(m_name.c_str());
    if (!m_module)
        return kMailLibraryMissing;
    for (std::size_t i = 0; i < kProcedureCount; ++i) {
        m_procedures[i] = GetProcAddress(m_module.get(), kProcedureNames[i]);
        if (!m_procedures[i]) {
            m_procedures.fill(nullptr);
            return kMailProcedureMissing;
        }
    }
    return kMailBound;
}

void MailLibrary::Unbind()
{
    m_procedures.fill(nullptr);
    m_module.reset();
}

ULONG MailLibrary::SendDocuments(HWND owner, const std::string& delimiter, const std::string& paths,
                                 const std::string& names)
{
    FARPROC proc = m_procedures[kSendDocuments];
    if (!proc)
        return 0;
    auto send = reinterpret_cast<SendDocumentsProc>(reinterpret_cast<void (*)()>(proc));
    std::vector<char> d = Writable(delimiter), p = Writable(paths), n = Writable(names);
    return send(reinterpret_cast<ULONG_PTR>(owner), d.data(), p.data(), n.data(), 0);
}
