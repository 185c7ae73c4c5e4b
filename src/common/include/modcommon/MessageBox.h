// How the logic asks the user something. The windows show a real box through the platform
// layer; tests and the command line answer from a script.
#pragma once

#include <functional>
#include <string>

namespace modcommon {

enum class BoxKind { Error, Warning, Information, Plain };
enum class BoxButtons { Ok, YesNo, YesNoCancel };
// Closed is a box dismissed without pressing a button (Esc, the close box).
enum class BoxAnswer { Ok, Yes, No, Cancel, Closed };

struct BoxRequest {
    BoxKind kind = BoxKind::Error;
    BoxButtons buttons = BoxButtons::Ok;
    std::string caption;  // e.g. "Error", "Warning", "Confirmation"; empty: the program's title
    std::string text;     // byte-exact, CR LF line breaks
};

using MessageBoxFn = std::function<BoxAnswer(const BoxRequest&)>;

}  // namespace modcommon
