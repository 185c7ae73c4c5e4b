// The installer's numbered fault messages. Code N always shows message N.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// Message N at index N; index 0 (success) is empty. Texts are byte-exact, CR LF included.
extern const std::array<std::string_view, 20> ErrorMessages;

// Message `code` with each "%s" filled, in order, by the next argument.
std::string FormatErrorMessage(int code, const std::vector<std::string>& args = {});

// The text of the message box for a fault: "Error Code N:" CR LF CR LF + formatted message.
std::string ErrorBoxText(int code, const std::vector<std::string>& args = {});

// The run log's form: "failed - ERR(N): " + formatted message.
std::string ErrorLogText(int code, const std::string& arg);

}  // namespace kestrune
