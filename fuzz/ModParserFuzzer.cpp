// Fuzzes the installer's .mod parser: any bytes parse without a crash or a hang, give only the
// three step kinds and "/"-separated file names, and read exactly as the plain line-by-line
// parser reads them, whatever the user answers to the fault boxes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "ReferenceParser.h"
#include "kestrune/ModParser.h"

namespace {

// The plain parser is quadratic; larger inputs are only checked for their promises.
constexpr size_t kCompareLimit = 16 * 1024;

bool SameMod(const kestrune::TMod& a, const kestrune::TMod& b) {
    if (a.FileName != b.FileName || a.Id != b.Id || a.Version != b.Version ||
        a.ModInfo != b.ModInfo || a.Author != b.Author || a.Homepage != b.Homepage ||
        a.Steps.size() != b.Steps.size()) {
        return false;
    }
    for (size_t i = 0; i < a.Steps.size(); ++i) {
        const kestrune::TStep& x = a.Steps[i];
        const kestrune::TStep& y = b.Steps[i];
        if (x.FileToEdit != y.FileToEdit || x.SearchText != y.SearchText || x.Kind != y.Kind ||
            x.ActionText != y.ActionText) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t control = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    // Both forms of the main script, so the script-name adaptation takes both ways.
    const std::string script = (control & 0x80) ? "/forum/YaBB.cgi" : "/forum/YaBB.pl";

    kestrune::TMod mod;
    fuzzsupport::ScriptedAnswers answers(control);
    const kestrune::ParseReport report =
        kestrune::ParseModText(mod, text, "/mods/YaBB 2.1/fuzz.mod", script, answers.Fn());

    for (const kestrune::TStep& step : mod.Steps) {
        fuzzsupport::Require(step.Kind == 14 || step.Kind == 16 || step.Kind == 18,
                             "a step's kind is 14, 16 or 18");
        fuzzsupport::Require(step.FileToEdit.find('\\') == std::string::npos,
                             "file names use \"/\" only");
    }
    fuzzsupport::Require(report.faulted() || !report.stopped, "a stop comes with a fault");

    if (text.size() <= kCompareLimit && !report.textLimitReached) {
        kestrune::TMod expected;
        fuzzsupport::ScriptedAnswers sameAnswers(control);
        const kestrune::ParseReport want = enginetest::ReferenceParse(
            expected, text, "/mods/YaBB 2.1/fuzz.mod", script, sameAnswers.Fn());
        fuzzsupport::Require(SameMod(mod, expected), "the mod equals the plain parser's");
        fuzzsupport::Require(report.faultCode == want.faultCode && report.stopped == want.stopped,
                             "the report equals the plain parser's");
    }
    return 0;
}
