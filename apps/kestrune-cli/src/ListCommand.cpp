// list: the mod folders, the selected folder's mods with their ticks, and the counter.
#include "Commands.h"
#include "JsonWriter.h"

namespace kestrune::cli {
namespace {

void WriteText(const InstallerSession& session, std::ostream& out) {
    out << "Mod folders:\n";
    for (size_t i = 0; i < session.folders().size(); ++i) {
        const bool selected = static_cast<int>(i) == session.selectedFolder();
        out << (selected ? "* " : "  ") << session.folders()[i] << "\n";
    }
    out << "\nMods in \"" << session.selectedFolderName() << "\":\n";
    for (const ModItem& mod : session.mods()) {
        out << (mod.ticked ? "[x] " : "[ ] ") << mod.name << "\n";
    }
    out << "\n" << session.counterText() << "\n";
}

void WriteJson(const InstallerSession& session, std::ostream& out) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("script").String(session.scriptPath());
    json.Key("detectedScript").String(session.DetectedScript());
    json.Key("folders").BeginArray();
    for (const std::string& folder : session.folders()) {
        json.String(folder);
    }
    json.EndArray();
    json.Key("selectedFolder").String(session.selectedFolderName());
    json.Key("mods").BeginArray();
    for (const ModItem& mod : session.mods()) {
        json.BeginObject().Key("name").String(mod.name).Key("installed").Bool(mod.ticked);
        json.EndObject();
    }
    json.EndArray();
    json.Key("installedMods").BeginArray();
    for (const std::string& entry : session.log().entries()) {
        json.String(entry);
    }
    json.EndArray();
    json.Key("counter").String(session.counterText());
    json.EndObject();
    json.Finish();
}

}  // namespace

int ListCommand(CliSession& cli, std::ostream& out) {
    if (cli.options().json) {
        WriteJson(cli.session(), out);
    } else {
        WriteText(cli.session(), out);
    }
    return kExitOk;
}

}  // namespace kestrune::cli
