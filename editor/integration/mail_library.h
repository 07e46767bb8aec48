// The platform's mail library, bound by name while a send runs: every one of
// its procedures must be there, only the send-documents call is used.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "framework/handles.h"

inline constexpr char kMailLibraryName[] = "MAPI32.DLL";

// Bind's results.
inline constexpr int kMailBound = 0;
inline constexpr int kMailLibraryMissing = 2;
inline constexpr int kMailProcedureMissing = 4;

class MailLibrary {
public:
    explicit MailLibrary(std::string name = kMailLibraryName) : m_name(std::move(name)) {}
    ~MailLibrary() { Unbind(); }
    MailLibrary(const MailLibrary&) = delete;
    MailLibrary& operator=(const MailLibrary&) = delete;

    // kMailBound, kMailLibraryMissing, or kMailProcedureMissing (the library
    // then stays loaded until Unbind).
    int Bind();
    void Unbind();
    bool IsLoaded() const { return static_cast<bool>(m_module); }

    // The mail system's send-documents call with its own dialog; its result
    // (sent, cancelled, failed) is passed on.  Only while bound.
    ULONG SendDocuments(HWND owner, const std::string& delimiter, const std::string& paths,
                        const std::string& names);

private:
    static constexpr std::size_t kProcedureCount = 12;

    std::string m_name;
    fw::Module m_module;
    std::array<FARPROC, kProcedureCount> m_procedures{};
};
