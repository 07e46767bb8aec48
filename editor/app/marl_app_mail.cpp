// File > Send: the active document or every open one by mail, offered when
// the system profile says a mail system is there.
#include "editor/app/main_frame.h"
#include "editor/app/marl_app.h"
#include "editor/integration/mail_sender.h"

void CMarlApp::OnSendFile()
{
    CMainFrame* frame = GetMarlMainFrame();
    if (fw::Document* document = frame ? frame->GetActiveDocument() : nullptr)
        MailSender().SendFile(*document, GetMainWnd());
}

void CMarlApp::OnSendAllFiles()
{
    MailSender().SendAllFiles(GetDocuments(), GetMainWnd());
}

void CMarlApp::OnUpdateSendFile(fw::CmdUI& ui)
{
    CMainFrame* frame = GetMarlMainFrame();
    ui.Enable(m_settings.m_bMail != 0 && frame && frame->GetActiveDocument());
}

void CMarlApp::OnUpdateSendAllFiles(fw::CmdUI& ui)
{
    ui.Enable(m_settings.m_bMail != 0);
}
