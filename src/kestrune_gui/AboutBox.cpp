// The about box.
#include "AboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "ClickWatcher.h"
#include "GuiText.h"
#include "KestruneLinks.h"
#include "ProgramFont.h"
#include "kestrune/KestruneSettings.h"

namespace {

const char* const kCredits =
    "Kestrune installs, removes and walks through mods for YaBB forums. A mod is applied to "
    "all of its files or to none of them, and every step can be taken back.\n\n"
    "Thanks to everyone who writes mods, tries them on test forums and tells us what broke.";

}  // namespace

TAboutBox1::TAboutBox1(QWidget* mainWindow, const QPixmap& logo, OpenDocumentFn openDocument)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_openDocument(std::move(openDocument)) {
    setObjectName(QStringLiteral("AboutBox1"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(401, 369);
    if (mainWindow != nullptr) {
        setFont(mainWindow->font());
        setWindowIcon(mainWindow->windowIcon());
    }

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(7, 7, 152, 352);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(8, 8, 150, 350);
    image->setPixmap(logo);

    QLabel* name = makeLabel("Label1", QStringLiteral("Kestrune"), {168, 16, 225, 33});
    name->setFont(kestrunegui::BoldSansFont(26));
    makeLabel("Label2", kestrunegui::ToDisplay(kestrune::kProgramVersion), {168, 56, 225, 17});
    makeLink(makeLabel("Label7", kestrunegui::ToDisplay(kestrunegui::kWebSite), {168, 96, 225, 17}),
             std::string(kestrunegui::kWebSite));

    QLabel* credits = makeLabel("Label9", QString::fromUtf8(kCredits), {168, 136, 225, 161});
    credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    credits->setWordWrap(true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Bevel2"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(168, 328, 225, 2);

    QLabel* more = makeLabel("Label10", QStringLiteral("GET MORE MODS"), {168, 336, 145, 23});
    more->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    makeLink(more, std::string(kestrunegui::kMoreModsPage));

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(318, 336, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox1::showAndRaise() {
    show();
    raise();
    activateWindow();
}

QLabel* TAboutBox1::makeLabel(const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

void TAboutBox1::makeLink(QLabel* label, std::string url) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    connect(kestrunegui::ClickWatcher::Watch(label), &kestrunegui::ClickWatcher::clicked, this,
            [this, url = std::move(url)] {
                if (m_openDocument) {
                    m_openDocument(url);
                }
            });
}
