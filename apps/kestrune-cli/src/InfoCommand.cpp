// info: what the main window shows of a mod, and each of its steps.
#include "Commands.h"
#include "JsonWriter.h"
#include "TerminalText.h"
#include "kestrune/ModInfoView.h"
#include "modcommon/ModTags.h"

namespace kestrune::cli {
namespace {

std::string KindName(int32_t kind) {
    switch (kind) {
        case modcommon::kTagAddBefore:
            return "add before";
        case modcommon::kTagAddAfter:
            return "add after";
        default:
            return "replace";
    }
}

// A text between its tag lines, as the .mod file holds it, so that blanks at the line ends
// stay visible as such.
void WriteBlock(std::ostream& out, std::string_view tag, const std::string& text) {
    out << "<" << tag << ">\n";
    if (!text.empty()) {
        out << ToTerminal(text) << "\n";
    }
    out << "</" << tag << ">\n";
}

void WriteText(const TMod& mod, const ModInfoView& info, bool installed, std::ostream& out) {
    out << "File: " << mod.FileName << (installed ? " (installed)" : "") << "\n";
    out << "Name: " << info.name << "\n";
    out << "Version: " << info.version << "\n";
    out << "Author: " << info.author << "\n";
    out << "Homepage: " << info.homepage << "\n";
    out << "Description:\n";
    if (!info.description.empty()) {
        out << ToTerminal(info.description) << "\n";
    }
    out << "Files To Edit: " << info.filesToEdit.front() << "\n";
    for (size_t i = 2; i < info.filesToEdit.size(); ++i) {
        out << "  " << info.filesToEdit[i] << "\n";
    }
    out << "Total Actions: " << info.steps << "\n";
    for (size_t i = 0; i < mod.Steps.size(); ++i) {
        const TStep& step = mod.Steps[i];
        out << "\nStep " << i + 1 << ": " << KindName(step.Kind) << " in " << step.FileToEdit
            << "\n";
        WriteBlock(out, "search for", step.SearchText);
        WriteBlock(out, KindName(step.Kind), step.ActionText);
    }
}

void WriteJson(const TMod& mod, const ModInfoView& info, bool installed, std::ostream& out) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("file").String(mod.FileName);
    json.Key("installed").Bool(installed);
    json.Key("name").String(info.name);
    json.Key("version").String(info.version);
    json.Key("author").String(info.author);
    json.Key("homepage").String(info.homepage);
    json.Key("description").String(info.description);
    json.Key("filesToEditHeader").String(info.filesToEdit.front());
    json.Key("filesToEdit").BeginArray();
    for (size_t i = 2; i < info.filesToEdit.size(); ++i) {
        json.String(info.filesToEdit[i]);
    }
    json.EndArray();
    json.Key("actions").Int(static_cast<long long>(mod.Steps.size()));
    json.Key("steps").BeginArray();
    for (size_t i = 0; i < mod.Steps.size(); ++i) {
        const TStep& step = mod.Steps[i];
        json.BeginObject();
        json.Key("number").Int(static_cast<long long>(i + 1));
        json.Key("file").String(step.FileToEdit);
        json.Key("kind").String(KindName(step.Kind));
        json.Key("search").String(step.SearchText);
        json.Key("action").String(step.ActionText);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    json.Finish();
}

}  // namespace

int InfoCommand(CliSession& cli, std::ostream& out) {
    std::optional<int> exitCode;
    TMod outside;
    std::optional<ParsedMod> parsed =
        cli.FindParsedMod(ListedParse::Information, outside, exitCode);
    if (!parsed) {
        return *exitCode;
    }
    InstallerSession& session = cli.session();
    ModInfoView info;
    bool installed = false;
    if (parsed->ref.item >= 0) {
        info = session.info();
        installed = session.mods()[static_cast<size_t>(parsed->ref.item)].ticked;
    } else {
        info = MakeModInfoView(outside);
    }
    if (cli.options().json) {
        WriteJson(*parsed->mod, info, installed, out);
    } else {
        WriteText(*parsed->mod, info, installed, out);
    }
    return kExitOk;
}

}  // namespace kestrune::cli
