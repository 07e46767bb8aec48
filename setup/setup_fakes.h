// In-memory stand-ins for the platform services of the install engine, for
// the tests and the fuzz target.  Every fake writes what it is asked to do
// into one shared event list, so that tests can check the order.
#pragma once
#include <deque>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "setup/install_progress.h"
#include "setup/install_services.h"
#include "setup/progman_client.h"
#include "setup/setup_messages.h"

using EventList = std::vector<std::string>;

// Answers from a queue; when it runs dry, Ok or Ignore (never a loop).
class RecordingSetupMessages : public SetupMessages {
public:
    struct Shown {
        std::string text;
        std::string caption;
        SetupIcon icon;
        SetupButtons buttons;
        bool ownerless;
    };
    explicit RecordingSetupMessages(EventList& events) : m_events(events) {}

    std::vector<Shown> shown;
    std::deque<SetupAnswer> answers;

    SetupAnswer Show(const SetupBox& box) override
    {
        shown.push_back({std::string(box.text), std::string(box.caption), box.icon, box.buttons,
                         box.ownerless});
        m_events.push_back("box " + std::string(box.text));
        if (!answers.empty()) {
            const SetupAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return box.buttons == SetupButtons::Ok ? SetupAnswer::Ok : SetupAnswer::Ignore;
    }

private:
    EventList& m_events;
};

// Results scripted per file name; without a script the file is found in the
// application directory (or the system directory when shared) and installs.
class FakeVersionServices : public VersionServices {
public:
    explicit FakeVersionServices(EventList& events) : m_events(events) {}

    std::string systemDir = "C:\\WINDOWS\\SYSTEM";
    std::map<std::string, std::deque<FoundFile>> findResults;
    std::map<std::string, std::deque<unsigned>> installResults;
    // The temporary name the service reports when it leaves a copy behind.
    std::string tempName = "VER1234.TMP";

    struct InstallCall {
        unsigned flags;
        std::string name, sourceDir, destDir, currentDir, tempFileIn;
    };
    std::vector<InstallCall> installCalls;

    FoundFile FindFile(bool shared, const std::string& name, const std::string& windowsDir,
                       const std::string& appDir) override
    {
        m_events.push_back("find " + name + (shared ? " shared " : " private ") + windowsDir + " " +
                           appDir);
        auto& queue = findResults[name];
        if (!queue.empty()) {
            FoundFile found = queue.front();
            queue.pop_front();
            return found;
        }
        return {0, "", shared ? systemDir : appDir};
    }

    unsigned InstallFile(unsigned flags, const std::string& name, const std::string& sourceDir,
                         const std::string& destDir, const std::string& currentDir,
                         std::string& tempFile) override
    {
        installCalls.push_back({flags, name, sourceDir, destDir, currentDir, tempFile});
        m_events.push_back("install " + name + " flags " + std::to_string(flags));
        auto& queue = installResults[name];
        unsigned result = 0;
        if (!queue.empty()) {
            result = queue.front();
            queue.pop_front();
        }
        if (result & kInstallTempFile)
            tempFile = tempName;
        return result;
    }

private:
    EventList& m_events;
};

class FakeSetupPlatform : public SetupPlatform {
public:
    explicit FakeSetupPlatform(EventList& events) : m_events(events) {}

    std::string windowsDir = "C:\\WINDOWS";
    std::string systemDir = "C:\\WINDOWS\\SYSTEM";
    std::set<std::string> directories{"C:\\"};
    std::set<std::string> unmakeable; // directories whose creation fails
    std::map<std::string, std::string> files;
    int windowsDirQueries = 0;

    std::string WindowsDirectory() override
    {
        ++windowsDirQueries;
        return windowsDir;
    }
    std::string SystemDirectory() override { return systemDir; }
    bool DirectoryExists(const std::string& path) override { return directories.count(path) > 0; }
    bool MakeDirectory(const std::string& path) override
    {
        m_events.push_back("mkdir " + path);
        if (unmakeable.count(path))
            return false;
        directories.insert(path);
        return true;
    }
    void SetNormalAttributes(const std::string& path) override
    {
        m_events.push_back("attributes " + path);
    }
    void RemoveFile(const std::string& path) override { m_events.push_back("remove " + path); }
    void AppendText(const std::string& path, std::string_view text) override
    {
        m_events.push_back("append " + path);
        files[path] += text;
    }
    void WriteProfileEntry(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& value) override
    {
        m_events.push_back("ini " + file + "|" + section + "|" + key + "|" + value);
    }
    void ShellOpen(const std::string& file, const std::string& parameters,
                   const std::string& directory) override
    {
        m_events.push_back("run " + file + "|" + parameters + "|" + directory);
    }

private:
    EventList& m_events;
};

// Paints like the setup view: a whole repaint draws the box.
class FakeInstallView : public InstallView {
public:
    explicit FakeInstallView(EventList& events) : m_events(events) {}
    InstallProgress* paintedProgress = nullptr;

    void RepaintAll() override
    {
        if (paintedProgress && paintedProgress->m_nProgressState == kProgressStarted)
            paintedProgress->m_nProgressState = kProgressBoxDrawn;
        m_events.push_back("paint all");
    }
    void RepaintCaptionStrip() override
    {
        m_events.push_back("paint caption " +
                           (paintedProgress ? paintedProgress->m_strCurrentFile : std::string()));
    }
    void RepaintBar() override
    {
        m_events.push_back("paint bar " + (paintedProgress
                                               ? std::to_string(paintedProgress->m_nPercent)
                                               : std::string()));
    }
    void BringToTop() override { m_events.push_back("top"); }
    void SendExit() override { m_events.push_back("send exit"); }
    void PostExit() override { m_events.push_back("post exit"); }

private:
    EventList& m_events;
};

class FakeProgmanChannel : public ProgmanChannel {
public:
    explicit FakeProgmanChannel(EventList& events) : m_events(events) {}

    ProgmanOpen openResult = ProgmanOpen::Ready;
    bool answering = true; // false: Program Manager does not run
    struct Sent {
        std::string data;
        unsigned timeoutMs;
    };
    std::vector<Sent> sent;
    int opened = 0;
    int closed = 0;

    ProgmanOpen Open() override
    {
        ++opened;
        m_events.push_back("dde open");
        return openResult;
    }
    bool Execute(std::string_view data, unsigned timeoutMs) override
    {
        sent.push_back({std::string(data), timeoutMs});
        m_events.push_back("dde " + std::string(data.substr(0, data.find('\0'))));
        return answering;
    }
    void Close() override
    {
        ++closed;
        m_events.push_back("dde close");
    }

private:
    EventList& m_events;
};
