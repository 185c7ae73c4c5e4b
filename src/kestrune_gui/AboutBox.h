// The about box: logo, program name and version, the web site, credits and a link to more
// mods. Shown not modal by "&About" and the skin's help button.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

class TAboutBox1 final : public QDialog {
    Q_OBJECT

  public:
    // Opens a web address, as the main window does (desktop handler, then the browser list).
    using OpenDocumentFn = std::function<void(const std::string& url)>;

    // Takes the main window's font, icon and logo (`logo`); centred on `mainWindow`.
    TAboutBox1(QWidget* mainWindow, const QPixmap& logo, OpenDocumentFn openDocument);
    Q_DISABLE_COPY_MOVE(TAboutBox1)

    // Shows the box, or brings it to the front when it is already shown.
    void showAndRaise();

  private:
    QLabel* makeLabel(const char* name, const QString& text, QRect geometry);
    void makeLink(QLabel* label, std::string url);

    OpenDocumentFn m_openDocument;
};
