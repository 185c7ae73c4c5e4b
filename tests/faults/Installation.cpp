// A program folder beside a small forum, driven through the installer session.
#include "Installation.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "kestrune/InstallRun.h"

namespace hardening {

modcommon::FileSystem& ArmedFileSystem::Target() {
    return m_armed != nullptr ? *m_armed : modcommon::DefaultFileSystem();
}
int ArmedFileSystem::Open(const std::string& path, int flags, mode_t mode) {
    return Target().Open(path, flags, mode);
}
ssize_t ArmedFileSystem::Write(int fd, const void* data, size_t size) {
    return Target().Write(fd, data, size);
}
int ArmedFileSystem::Fsync(int fd) {
    return Target().Fsync(fd);
}
int ArmedFileSystem::SyncFileSystem(const std::string& folder) {
    return Target().SyncFileSystem(folder);
}
int ArmedFileSystem::Close(int fd) {
    return Target().Close(fd);
}
int ArmedFileSystem::Fchmod(int fd, mode_t mode) {
    return Target().Fchmod(fd, mode);
}
int ArmedFileSystem::Stat(const std::string& path, struct stat* st) {
    return Target().Stat(path, st);
}
int ArmedFileSystem::Rename(const std::string& from, const std::string& to) {
    return Target().Rename(from, to);
}
int ArmedFileSystem::Link(const std::string& from, const std::string& to) {
    return Target().Link(from, to);
}
int ArmedFileSystem::Unlink(const std::string& path) {
    return Target().Unlink(path);
}

modcommon::MessageBoxFn BoxRecorder::Fn() {
    return [this](const modcommon::BoxRequest& request) {
        shown.push_back(request);
        return request.buttons == modcommon::BoxButtons::Ok ? modcommon::BoxAnswer::Ok
                                                            : modcommon::BoxAnswer::No;
    };
}

std::string BoxRecorder::TakeTexts() {
    std::string out;
    for (const modcommon::BoxRequest& request : shown) {
        out += (out.empty() ? "" : "\r\n\r\n") + request.text;
    }
    shown.clear();
    return out;
}

Installation::Installation() {
    testsupport::WriteFile(m_forum.file("YaBB.pl"),
                           "#!/usr/bin/perl\r\n$YaBBversion = 'YaBB 2.1';\r\n");
    testsupport::WriteFile(m_forum.file("Sources/Post.pl"), kPostOriginal);
    testsupport::WriteFile(m_forum.file("Sources/Display.pl"), kDisplayOriginal);
    testsupport::WriteFile(
        m_program.file("kestrune.ini"),
        CrLf({"[Settings]", "Version=v2.5.6", "Scriptpath=" + m_forum.file("YaBB.pl"),
              "[AutoDetectableScripts]", "YaBB 2.1=$YaBBversion = 'YaBB 2.1';"}));
    AddMod(std::string(kQuickReply), CrLf({"<id>",
                                           "Quick Reply",
                                           "</id>",
                                           "<edit file>",
                                           "Sources/Post.pl",
                                           "</edit file>",
                                           "<search for>",
                                           "    print $form;",
                                           "</search for>",
                                           "<replace>",
                                           "    print $form_with_reply;",
                                           "</replace>",
                                           "<edit file>",
                                           "Sources\\Display.pl",
                                           "</edit file>",
                                           "<search for>",
                                           "    print $thread;",
                                           "</search for>",
                                           "<add after>",
                                           "    print $quick_reply;",
                                           "</add after>"}));
}

std::string Installation::ProgramFile(const std::string& relative) const {
    return m_program.file(relative);
}

std::string Installation::ForumFile(const std::string& relative) const {
    return m_forum.file(relative);
}

void Installation::AddMod(const std::string& name, const std::string& text) const {
    testsupport::WriteFile(m_program.path() / "Mods" / std::string(kModFolder) / name, text);
}

kestrune::InstallerSession& Installation::Start() {
    m_session = std::make_unique<kestrune::InstallerSession>(
        m_program.folder(), kestrune::SessionServices{m_boxes.Fn(), {}, {}, &m_fs});
    m_session->Startup();
    return *m_session;
}

TickResult Installation::Tick(const std::string& name, bool ticked,
                              const std::function<void()>& beforeWrite) {
    TickResult result;
    const int item = m_session->FindMod(name);
    m_session->OnListMousePress(/*ctrlHeld=*/false);
    result.decision = m_session->OnTickChanged(item, ticked, m_session->runFlag());
    if (result.decision != kestrune::TickDecision::OpenInstallWindow) {
        return result;
    }
    kestrune::InstallRun run(m_fs);
    run.Start(m_session->currentMod(), m_session->MakeRunInputs());
    if (beforeWrite) {
        beforeWrite();
    }
    run.RequestClose();
    kestrune::FinishResult finish = run.Finish();
    result.errorCount = run.ErrorCount();
    result.runLog = run.View().log;
    m_session->AfterRun({run.CurrentStep(), run.ErrorCount(), finish.writeFailure});
    return result;
}

kestrune::TickDecision Installation::Mark(const std::string& name, bool ticked) {
    const int item = m_session->FindMod(name);
    m_session->OnListMousePress(/*ctrlHeld=*/true);
    return m_session->OnTickChanged(item, ticked, m_session->runFlag());
}

Unprivileged::Unprivileged() : m_wasRoot(::geteuid() == 0) {
    if (m_wasRoot && ::seteuid(65534) != 0) {
        throw std::runtime_error("cannot act as nobody");
    }
}

Unprivileged::~Unprivileged() {
    if (m_wasRoot && ::seteuid(0) != 0) {
        std::abort();  // every later test would run without root's rights
    }
}

std::vector<std::string> LeftoverTemporaries(const std::string& folder) {
    std::vector<std::string> found;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find(".tmp-") != std::string::npos || name.find(".bak-") != std::string::npos) {
            found.push_back(it->path().string());
        }
    }
    return found;
}

}  // namespace hardening
