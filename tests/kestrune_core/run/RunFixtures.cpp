// Fixtures of the installation-run tests.
#include "RunFixtures.h"

namespace runtest {

using kestrune::RunInputs;

std::vector<std::string> Lines(const std::string& log) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t pos; (pos = log.find("\r\n", start)) != std::string::npos; start = pos + 2) {
        lines.push_back(log.substr(start, pos - start));
    }
    lines.push_back(log.substr(start));
    return lines;
}

Forum::Forum() {
    write("YaBB.pl", "#!/usr/bin/perl\n");
    write("Sources/Post.pl", kPostOriginal);
    write("Sources/Display.pl", kDisplayOriginal);
}

std::string Forum::read(const std::string& relative) const {
    return testsupport::ReadFile(m_dir.file(relative));
}

void Forum::write(const std::string& relative, const std::string& bytes) const {
    testsupport::WriteFile(m_dir.file(relative), bytes);
}

RunInputs Forum::Inputs(bool checked, bool fast) const {
    RunInputs inputs;
    inputs.checked = checked;
    inputs.manualMode = false;
    inputs.fast = fast;
    inputs.forumFolder = folder();
    inputs.linebreakCheck = true;
    inputs.scriptPath = scriptPath();
    inputs.detectedScript = "YaBB 2.1";
    inputs.modFolderName = "YaBB 2.1";
    inputs.installedMods = {"YaBB 2.1\\board_motto.mod", "YaBB 2.1\\post_counter.mod"};
    inputs.modName = "Quick Reply";
    inputs.modVersion = "1.2";
    inputs.modListItem = "quick_reply.mod";
    return inputs;
}

RunInputs Forum::ManualInputs(bool checked) const {
    RunInputs inputs = Inputs(checked, true);
    inputs.manualMode = true;
    return inputs;
}

std::vector<std::string> Forum::HeaderLines(bool install) const {
    const std::string rule(80, '-');
    return {
        "starting log...",
        "script path: " + scriptPath(),
        "detected script: YaBB 2.1",
        "selected script: YaBB 2.1",
        "installed mods: 2",
        "YaBB 2.1\\board_motto.mod",
        "YaBB 2.1\\post_counter.mod",
        "",
        rule,
        std::string("now ") + (install ? "" : "un") +
            "installing: Quick Reply 1.2 (quick_reply.mod)",
        rule,
        "",
    };
}

void RecordingObserver::Refresh(const kestrune::RunView& view) {
    if (m_statuses.empty() || m_statuses.back() != view.status) {
        m_statuses.push_back(view.status);
    }
}

void RecordingObserver::ProcessEvents() {
    ++m_processEventsCalls;
    if (onProcessEvents) {
        onProcessEvents(m_processEventsCalls);
    }
}

}  // namespace runtest
