// Starts other programs and opens documents and web addresses, without waiting for them.
//
//   launcher.startWithParameterText(editorPath, "\"/srv/mods/Quick reply.mod\"");
//   launcher.openDocument("https://example.org/mods", {"firefox", "chromium"});
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

class Launcher {
  public:
    virtual ~Launcher() = default;

    // Starts program detached with these arguments; true when it started.
    virtual bool startProgram(const QString& program, const QStringList& args) = 0;

    // Starts program with one parameter text, as the Windows shell passes it: the text is
    // split like a command line (SplitParameterText), so a quoted path with blanks arrives as
    // one argument. An empty text gives no argument.
    virtual bool startWithParameterText(const QString& program, const QString& parameterText) = 0;

    // Opens a web address or a file with the desktop's associated program. When that fails,
    // tries each browser program in turn with the address as its argument. True when
    // something started.
    virtual bool openDocument(const QString& urlOrPath, const QStringList& browsers) = 0;
};

// Splits a parameter text into arguments: blanks separate, double quotes group (the quotes
// themselves go), three double quotes in a row stand for one literal quote.
QStringList SplitParameterText(const QString& parameterText);

}  // namespace platform
