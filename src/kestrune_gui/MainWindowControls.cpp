// The main window's controls as designed: names, places, captions, hints and cursors, before
// a look moves them.
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ClickWatcher.h"
#include "GuiText.h"
#include "MainWindow.h"
#include "ModCheckList.h"
#include "kestrune/InstallLog.h"

namespace {

template <typename Widget>
Widget* Place(Widget* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QRect geometry,
                  Qt::Alignment horizontal = Qt::AlignRight) {
    auto* label = Place(new QLabel(QString::fromLatin1(caption), parent), name, geometry);
    label->setAlignment(horizontal | Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeField(QWidget* parent, const char* name, QRect geometry, bool readOnly = true) {
    auto* field = Place(new QLineEdit(parent), name, geometry);
    field->setReadOnly(readOnly);
    return field;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = Place(new QPushButton(QString::fromLatin1(caption), parent), name, geometry);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

void TMain::createControls() {
    m_label3 = MakeLabel(this, "Label3", "Path to Script", {32, 8, 105, 23});
    m_scriptPath = MakeField(this, "Script_Path", {144, 8, 217, 24}, false);
    m_openYaBB = MakeButton(this, "OpenYaBB", "", {368, 8, 25, 25});
    m_modFolder = Place(new QComboBox(this), "Mod_Folder", {400, 8, 153, 24});

    MakeLabel(this, "Label2", "Mod Name", {16, 48, 79, 23});
    m_modName = MakeField(this, "Mod_Name", {104, 48, 209, 24});
    MakeLabel(this, "Label4", "Version", {312, 48, 57, 23}, Qt::AlignHCenter);
    m_modVersion = MakeField(this, "Mod_Version", {368, 48, 57, 24});
    MakeLabel(this, "Label1", "Description", {16, 80, 79, 17});
    m_modDescription = Place(new QPlainTextEdit(this), "Mod_Description", {104, 80, 321, 97});
    m_modDescription->setReadOnly(true);
    m_modDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_modDescription->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MakeLabel(this, "Label5", "Author", {16, 184, 81, 23});
    m_modAuthor = MakeField(this, "Mod_Author", {104, 184, 321, 24});
    MakeLabel(this, "Label6", "Homepage", {16, 216, 79, 23});
    m_modHomepage = MakeField(this, "Mod_Homepage", {104, 216, 321, 24});
    m_modHomepage->setCursor(Qt::PointingHandCursor);
    MakeLabel(this, "Label7", "Files To Edit", {16, 248, 81, 23});
    m_modFilesToEdit = Place(new QComboBox(this), "Mod_FilesToEdit", {104, 248, 201, 24});
    MakeLabel(this, "Label8", "Total Actions", {304, 248, 81, 23});
    m_modSteps = MakeField(this, "Mod_Steps", {392, 248, 33, 24});

    m_label9 = MakeLabel(this, "Label9", "", {432, 40, 145, 25}, Qt::AlignLeft);
    m_label9->setText(kestrunegui::ToDisplay(kestrune::kModCounterInitialText));
    m_label9->setCursor(Qt::PointingHandCursor);
    m_checkListBox1 =
        Place(new kestrunegui::ModCheckList(this), "CheckListBox1", {432, 64, 145, 241});

    m_installMode1 = Place(new QRadioButton(QStringLiteral("Fast Installation (default)"), this),
                           "InstallMode1", {48, 280, 177, 17});
    m_installMode2 = Place(new QRadioButton(QStringLiteral("Step by Step Mode (slow)"), this),
                           "InstallMode2", {232, 280, 185, 17});
    auto* modes = new QButtonGroup(this);
    modes->addButton(m_installMode1);
    modes->addButton(m_installMode2);

    m_manualInstallation =
        MakeButton(this, "ManualInstallation", "Manual Installation", {24, 312, 137, 25});
    m_clearLog = MakeButton(this, "ClearLog", "&Clear Install Log", {168, 312, 113, 25});
    m_about = MakeButton(this, "About", "&About", {288, 312, 65, 25});
    m_exitButton = MakeButton(this, "ExitButton", "&Exit", {360, 312, 65, 25});
    m_modEditor = MakeButton(this, "ModEditor", "Mod Editor", {432, 312, 145, 25});

    m_buttonMinimize = kestrunegui::MakeClickArea(this, "ButtonMinimize", "Minimize");
    m_buttonMinimize->setGeometry(584, 8, 33, 33);
    m_buttonHelp = kestrunegui::MakeClickArea(this, "ButtonHelp", "Help");
    m_buttonHelp->setGeometry(584, 48, 33, 33);
    m_buttonClose = kestrunegui::MakeClickArea(this, "ButtonClose", "Close");
    m_buttonClose->setGeometry(584, 88, 33, 33);
    m_getMoreMods =
        kestrunegui::MakeClickArea(this, "GetMoreMods", "click here to download more mods");
    m_getMoreMods->setGeometry(584, 184, 33, 33);

    m_image1 = Place(new QLabel(this), "Image1", {584, 160, 25, 25});
    m_image1->hide();
}
