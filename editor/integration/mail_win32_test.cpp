// File > Send with the real frames and documents: the tests' own mail
// library (built as MAPI32.DLL beside this program) records the lists and
// the text of each copy it was handed; afterwards no copy is left in TEMP.
// (Wine prefers its own mail library: the tests' prefix tells it not to for
// this program, see tools/wine-prefix.)
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "editor/app/app_shell_test_support.h"
#include "editor/integration/mail_library.h"
#include "editor/integration/mail_sender.h"
#include "editor/res/resource.h"

using namespace shelltest;

namespace {

// Sets an environment variable for the test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name)
    {
        char old[MAX_PATH] = {};
        if (GetEnvironmentVariableA(name, old, sizeof old))
            m_old = old;
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedEnvironment() { SetEnvironmentVariableA(m_name, m_old ? m_old->c_str() : nullptr); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// What the tests' mail library records of one call from the editor: the
// lists, and the text of each copy (CR and LF written as \r and \n).
std::string Recorded(const std::string& paths, const std::string& names,
                     std::initializer_list<const char*> texts)
{
    std::string log =
        "owner=window delimiter=; reserved=0\npaths=" + paths + "\nnames=" + names + "\n";
    for (const char* text : texts)
        log += std::string("text=") + text + "\n";
    return log;
}

class MailTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_editorDocuments = true;
        CreateDirectoryA(Temp().c_str(), nullptr);
        m_tempVariable.emplace("TEMP", Temp());
        m_logVariable.emplace("TV_TEST_MAIL_LOG", Path("mail.log"));
    }
    void TearDown() override
    {
        ShellTest::TearDown();
        m_tempVariable.reset();
        m_logVariable.reset();
    }

    std::string Temp() const { return Path("temp"); }
    std::string MailLog() const
    {
        return fw::test::FileExists(Path("mail.log")) ? fw::test::ReadFileText(Path("mail.log"))
                                                      : "";
    }
    std::vector<std::string> TempFiles() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA data{};
        HANDLE find = FindFirstFileA((Temp() + "\\*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(data.cFileName);
        } while (FindNextFileA(find, &data));
        FindClose(find);
        return names;
    }

    // A document on `path` holding `text`, with `typed` typed at its start.
    fw::Document* OpenTyped(const std::string& path, const std::string& text,
                            const std::string& typed)
    {
        if (!path.empty()) {
            CreateDirectoryA(path.substr(0, path.rfind('\\')).c_str(), nullptr);
            WriteText(path, text);
            m_app->OpenDocumentFile(path);
        } else {
            Command(ID_FILE_NEW);
        }
        fw::View* view = Frame().GetActiveView();
        if (!view)
            return nullptr;
        SetFocus(view->GetHwnd());
        fw::test::TypeChars(*m_app, typed);
        Pump(*m_app);
        return view->GetDocument();
    }

    std::optional<ScopedEnvironment> m_tempVariable;
    std::optional<ScopedEnvironment> m_logVariable;
};

TEST_F(MailTest, BindingReportsAMissingLibraryOrProcedure)
{
    const struct {
        const char* name;
        int result;
        bool loaded;
    } cases[] = {
        {kMailLibraryName, kMailBound, true},
        {"TVMAPIPART.DLL", kMailProcedureMissing, true}, // stays loaded until unbound
        {"TVNOMAIL.DLL", kMailLibraryMissing, false},
    };
    for (const auto& c : cases) {
        MailLibrary library(c.name);
        EXPECT_EQ(library.Bind(), c.result) << c.name;
        EXPECT_EQ(library.IsLoaded(), c.loaded) << c.name;
        library.Unbind();
        EXPECT_FALSE(library.IsLoaded()) << c.name;
    }
}

TEST_F(MailTest, CurrentFileIsSentWithItsUnsavedTextAndTheCopyIsDeleted)
{
    Start();
    const std::string path = Path("src\\MAIN.C");
    fw::Document* doc = OpenTyped(path, "int a;\r\n", "x");
    ASSERT_TRUE(doc);
    Command(ID_SEND_FILE);

    EXPECT_EQ(MailLog(), Recorded(Temp() + "\\MAIN.C", "MAIN.C", {"xint a;\\r\\n"}));
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_EQ(fw::test::ReadFileText(path), "int a;\r\n") << "the file itself is not saved";
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(MailTest, AllFilesGoInOneMessageEachWithItsOwnCopy)
{
    // Someone else's file of the same name in TEMP is neither sent nor lost.
    fw::test::WriteFileText(Temp() + "\\MAIN.C", "not ours");
    Start();
    ASSERT_TRUE(OpenTyped(Path("one\\MAIN.C"), "1\r\n", "a"));
    ASSERT_TRUE(OpenTyped(Path("two\\MAIN.C"), "2\r\n", "b"));
    ASSERT_TRUE(OpenTyped("", "", "new"));
    Command(ID_SEND_ALL_FILES);

    const std::string t = Temp() + "\\";
    EXPECT_EQ(MailLog(), Recorded(t + "MAIN-2.C;" + t + "MAIN-3.C;" + t + "Untitled",
                                  "MAIN.C;MAIN.C;Untitled", {"a1\\r\\n", "b2\\r\\n", "new"}));
    EXPECT_EQ(TempFiles(), std::vector<std::string>{"MAIN.C"});
    EXPECT_EQ(fw::test::ReadFileText(t + "MAIN.C"), "not ours");
}

TEST_F(MailTest, NoMailLibraryLeavesNoCopies)
{
    Start();
    fw::Document* doc = OpenTyped(Path("src\\A.C"), "a\r\n", "x");
    ASSERT_TRUE(doc);
    for (const char* library : {"TVNOMAIL.DLL", "TVMAPIPART.DLL"}) {
        MailSender(library).SendFile(*doc, m_app->GetMainWnd());
        MailSender(library).SendAllFiles(m_app->GetDocuments(), m_app->GetMainWnd());
        EXPECT_TRUE(TempFiles().empty()) << library;
    }
    EXPECT_EQ(MailLog(), "");
}

TEST_F(MailTest, SendCommandsFollowTheSystemProfilesMailFlag)
{
    char old[16] = {};
    const bool had = GetProfileStringA("Mail", "MAPI", "", old, sizeof old) > 0;
    const struct {
        const char* value; // null: no key
        bool enabled;
    } cases[] = {{"1", true}, {"0", false}, {nullptr, false}};
    for (const auto& c : cases) {
        WriteProfileStringA("Mail", "MAPI", c.value);
        Start();
        EXPECT_EQ(fw::test::IsCommandEnabled(Frame(), ID_SEND_ALL_FILES), c.enabled);
        EXPECT_FALSE(fw::test::IsCommandEnabled(Frame(), ID_SEND_FILE)) << "no document";
        Command(ID_FILE_NEW);
        EXPECT_EQ(fw::test::IsCommandEnabled(Frame(), ID_SEND_FILE), c.enabled);
        Exit();
        m_app.reset();
    }
    WriteProfileStringA("Mail", "MAPI", had ? old : nullptr);
}

} // namespace
