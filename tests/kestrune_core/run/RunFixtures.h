// A small forum in a temp folder, a three-step mod for it, and an observer that records what
// a run shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "QuickReplyMod.h"
#include "TestSupport.h"
#include "kestrune/InstallRun.h"
#include "kestrune/Mod.h"
#include "kestrune/RunObserver.h"

namespace runtest {

// The log split at CR LF, so expectations read like the window's lines.
std::vector<std::string> Lines(const std::string& log);

using testsupport::kDisplayInstalled;
using testsupport::kDisplayOriginal;
using testsupport::kPostInstalled;
using testsupport::kPostOriginal;
using testsupport::QuickReplyMod;
using testsupport::Step;

class Forum {
  public:
    Forum();
    std::string folder() const { return m_dir.folder(); }
    std::string scriptPath() const { return m_dir.file("YaBB.pl"); }
    std::string file(const std::string& relative) const { return m_dir.file(relative); }
    std::string read(const std::string& relative) const;
    void write(const std::string& relative, const std::string& bytes) const;

    // A real run that installs (checked) or uninstalls, with two installed mods in the log.
    kestrune::RunInputs Inputs(bool checked, bool fast) const;
    kestrune::RunInputs ManualInputs(bool checked) const;

    // The header lines of a real run of QuickReplyMod.
    std::vector<std::string> HeaderLines(bool install) const;

  private:
    testsupport::TempDir m_dir;
};

class RecordingObserver : public kestrune::RunObserver {
  public:
    void LogReplaced(const std::string& log) override { m_log = log; }
    void LogAppended(std::string_view added) override { m_log.append(added); }
    void Refresh(const kestrune::RunView& view) override;
    void ProcessEvents() override;

    // Status texts in the order shown, without repeats of the one just shown.
    const std::vector<std::string>& statuses() const { return m_statuses; }
    // The log as the window would have built it from the two log hooks.
    const std::string& log() const { return m_log; }
    int processEventsCalls() const { return m_processEventsCalls; }

    std::function<void(int call)> onProcessEvents;

  private:
    std::vector<std::string> m_statuses;
    std::string m_log;
    int m_processEventsCalls = 0;
};

}  // namespace runtest
