// How the core asks the user something. The window shows a real box; tests and the command
// line answer from a script.
#pragma once

#include <functional>
#include <string>

namespace kestrune {

enum class BoxKind { Error, Warning, Information };
// Ok and Yes are the affirmative answers; Closed is a box dismissed any other way.
enum class BoxAnswer { Ok, Yes, No, Closed };

struct BoxRequest {
    BoxKind kind = BoxKind::Error;
    std::string caption;  // "Error", "Warning", or empty for the program's title
    std::string text;     // exact, CR LF line breaks
    bool yesNo = false;   // Yes/No buttons instead of one OK
};

using MessageBoxFn = std::function<BoxAnswer(const BoxRequest&)>;

}  // namespace kestrune
