// A program folder beside a small forum with one mod, driven through the installer session the
// way the main window drives it, with a file system that a test can arm with a fault.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "kestrune/InstallerSession.h"
#include "modcommon/FileSystem.h"
#include "modcommon/MessageBox.h"

namespace hardening {

// Two forum files of a YaBB 2.1 forum, before and after the mod QuickReply.mod.
inline const std::string kPostOriginal = "sub Post {\r\n    print $form;\r\n}\r\n";
inline const std::string kPostInstalled = "sub Post {\r\n    print $form_with_reply;\r\n}\r\n";
inline const std::string kDisplayOriginal = "sub Display {\n    print $thread;\n}\n";
inline const std::string kDisplayInstalled =
    "sub Display {\n    print $thread;\n    print $quick_reply;\n}\n";
inline constexpr std::string_view kModFolder = "YaBB 2.1";
inline constexpr std::string_view kQuickReply = "QuickReply.mod";

using testsupport::CrLf;

// Passes every call to the real file system until armed; then to the armed one.
class ArmedFileSystem final : public modcommon::FileSystem {
  public:
    void Arm(modcommon::FileSystem* fs) { m_armed = fs; }
    void Disarm() { m_armed = nullptr; }

    int Open(const std::string& path, int flags, mode_t mode) override;
    ssize_t Write(int fd, const void* data, size_t size) override;
    int Fsync(int fd) override;
    int SyncFileSystem(const std::string& folder) override;
    int Close(int fd) override;
    int Fchmod(int fd, mode_t mode) override;
    int Stat(const std::string& path, struct stat* st) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Link(const std::string& from, const std::string& to) override;
    int Unlink(const std::string& path) override;

  private:
    modcommon::FileSystem& Target();
    modcommon::FileSystem* m_armed = nullptr;
};

// Records every box; questions are answered No, other boxes OK.
struct BoxRecorder {
    std::vector<modcommon::BoxRequest> shown;
    modcommon::MessageBoxFn Fn();
    // The texts shown since the last call, joined by blank lines; empty when none.
    std::string TakeTexts();
};

// What one tick of the mod list led to.
struct TickResult {
    kestrune::TickDecision decision = kestrune::TickDecision::PutBack;
    int errorCount = 0;
    std::string runLog;  // the install window's log, CR LF lines
};

class Installation {
  public:
    // Writes the program folder (kestrune.ini naming the forum's script, Mods/YaBB 2.1/ with
    // QuickReply.mod) and the forum (YaBB.pl, Sources/Post.pl, Sources/Display.pl).
    Installation();

    std::string ProgramFile(const std::string& relative) const;
    std::string ForumFile(const std::string& relative) const;
    std::string ForumFolder() const { return m_forum.folder(); }
    void AddMod(const std::string& name, const std::string& text) const;

    // The main window's creation.
    kestrune::InstallerSession& Start();
    kestrune::InstallerSession& Session() { return *m_session; }
    ArmedFileSystem& Fs() { return m_fs; }
    BoxRecorder& Boxes() { return m_boxes; }

    // Ticks (true) or unticks the mod `name` with the mouse, as a run, and lets the install
    // window run fast to its end and close. `beforeWrite` runs after the steps were applied and
    // before the files are written back.
    TickResult Tick(const std::string& name, bool ticked,
                    const std::function<void()>& beforeWrite = {});
    // The same with Ctrl held: marks the mod by hand.
    kestrune::TickDecision Mark(const std::string& name, bool ticked);

  private:
    testsupport::TempDir m_program;
    testsupport::TempDir m_forum;
    ArmedFileSystem m_fs;
    BoxRecorder m_boxes;
    std::unique_ptr<kestrune::InstallerSession> m_session;
};

// Root reads every file whatever its mode. For as long as this lives, the test acts as the user
// "nobody" instead, so that a file without read permission really can't be read.
class Unprivileged {
  public:
    Unprivileged();
    ~Unprivileged();
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

  private:
    bool m_wasRoot;
};

// The names of the files in `folder` and below that our writes leave behind only while they
// run (temporaries and backups, hidden with a leading "."). Empty when a write cleaned up.
std::vector<std::string> LeftoverTemporaries(const std::string& folder);

}  // namespace hardening
