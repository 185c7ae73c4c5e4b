// The options dialog's controls, how they are filled from the settings and applied back.
#include "OptionDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "EditorFont.h"
#include "modcommon/TextEncoding.h"
#include "platform/FileDialogService.h"

namespace {

const QString kYaBBFilter = QStringLiteral("YaBB.pl, YaBB.cgi|YaBB.pl;YaBB.cgi");
// The installer is "kestrune" on this host; the Windows names stay for a shared folder.
const QString kKestruneFilter =
    QStringLiteral("kestrune|kestrune|Kestrune.exe, KestruneJ.exe|Kestrune.exe;KestruneJ.exe");

QString Shown(const std::string& bytes) {
    return QString::fromStdString(modcommon::DisplayUtf8(bytes));
}

// The field's text as bytes: the original bytes when the text was not changed, so a setting
// that is not valid UTF-8 survives the dialog; else in the original's encoding where it can
// hold the text.
std::string BackToBytes(const std::string& original, const QString& text) {
    if (text == Shown(original)) {
        return original;
    }
    if (modcommon::DetectTextEncoding(original) == modcommon::TextEncoding::Latin1) {
        const bool fits =
            std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
        if (fits) {
            return text.toLatin1().toStdString();
        }
    }
    return text.toUtf8().toStdString();
}

QString FolderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

}  // namespace

TFormOption::TFormOption(oxel::OxelSettings& settings, const QFont& editorFont,
                         platform::FileDialogService& dialogs, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormOption"));
    setWindowTitle(QStringLiteral("Option"));
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
    m_lblFont->setFont(editorFont);
    FormCreate();
    if (const QScreen* shown = screen(); shown != nullptr) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

TFormOption::~TFormOption() = default;

void TFormOption::CreateControls() {
    const QIcon browseIcon(QStringLiteral(":/IMAGELIST_7"));
    auto makeAction = [this](const char* name, const QString& text) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_actBrowseYaBB = makeAction("actBrowseYaBB", QStringLiteral("..."));
    m_actBrowseKestrune = makeAction("actBrowseKestrune", QStringLiteral("..."));
    for (QAction* browse : {m_actBrowseYaBB, m_actBrowseKestrune}) {
        browse->setIcon(browseIcon);
        browse->setToolTip(QStringLiteral("Browse"));
    }
    m_actSelectFont = makeAction("actSelectFont", QStringLiteral("&Select..."));
    connect(m_actBrowseYaBB, &QAction::triggered, this, &TFormOption::actBrowseYaBBExecute);
    connect(m_actBrowseKestrune, &QAction::triggered, this, &TFormOption::actBrowseKestruneExecute);
    connect(m_actSelectFont, &QAction::triggered, this, &TFormOption::actSelectFontExecute);

    m_group = new QGroupBox(QStringLiteral("General Settings"), this);
    m_group->setObjectName(QStringLiteral("gbGeneral"));
    auto* fields = new QVBoxLayout(m_group);

    auto lineEdit = [this](const char* name) {
        auto* edit = new QLineEdit(m_group);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    auto toolButton = [this](const char* name, QAction* action) {
        auto* button = new QToolButton(m_group);
        button->setObjectName(QLatin1String(name));
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        return button;
    };
    auto labelled = [this, fields](const QString& caption, QWidget* control, QWidget* beside) {
        auto* label = new QLabel(caption, m_group);
        label->setBuddy(control);
        fields->addWidget(label);
        auto* row = new QHBoxLayout();
        row->addWidget(control, 1);
        if (beside != nullptr) {
            row->addWidget(beside);
        }
        fields->addLayout(row);
    };

    m_edtYaBB = lineEdit("edtYaBB");
    labelled(QStringLiteral("Location of YaBB.pl or YaBB.cgi"), m_edtYaBB,
             toolButton("btnBrowseYaBB", m_actBrowseYaBB));
    m_edtKestrune = lineEdit("edtKestrune");
    labelled(QStringLiteral("Location of Kestrune"), m_edtKestrune,
             toolButton("btnBrowseKestrune", m_actBrowseKestrune));
    m_edtYourName = lineEdit("edtYourName");
    labelled(QStringLiteral("Your Name (or HandleName)"), m_edtYourName, nullptr);
    m_edtYourHomepage = lineEdit("edtYourHomepage");
    labelled(QStringLiteral("Your Homepage"), m_edtYourHomepage, nullptr);

    fields->addWidget(new QLabel(QStringLiteral("Font"), m_group));
    auto* fontRow = new QHBoxLayout();
    auto* fontButton = new QPushButton(m_group);
    fontButton->setObjectName(QStringLiteral("btnSelectFont"));
    fontButton->setText(m_actSelectFont->text());
    connect(fontButton, &QPushButton::clicked, m_actSelectFont, &QAction::trigger);
    m_lblFont = new QLabel(m_group);
    m_lblFont->setObjectName(QStringLiteral("lblFont"));
    fontRow->addWidget(fontButton);
    fontRow->addWidget(m_lblFont, 1);
    fields->addLayout(fontRow);

    m_udMRU = new QSpinBox(m_group);
    m_udMRU->setObjectName(QStringLiteral("udMRU"));
    m_udMRU->setRange(kMruMin, kMruMax);
    m_udMRU->setValue(oxel::kDefaultMruMax);
    if (auto* edit = m_udMRU->findChild<QLineEdit*>()) {
        edit->setObjectName(QStringLiteral("edtMRUMax"));
    }
    auto* mruRow = new QHBoxLayout();
    auto* mruLabel =
        new QLabel(QStringLiteral("Maximum Number of MRU(Most Recent used file)  "), m_group);
    mruLabel->setObjectName(QStringLiteral("lblMRUMax"));
    mruLabel->setBuddy(m_udMRU);
    mruRow->addWidget(mruLabel);
    mruRow->addWidget(m_udMRU);
    mruRow->addStretch(1);
    fields->addLayout(mruRow);

    m_cbAssociation = new QCheckBox(QStringLiteral("Association with MOD file (*.mod)"), m_group);
    m_cbAssociation->setObjectName(QStringLiteral("cbAssociation"));
    fields->addWidget(m_cbAssociation);
    fields->addStretch(1);

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnOK->setDefault(true);
    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_btnOK, &QPushButton::clicked, this, [this] {
        btnOKClick();
        accept();
    });
    // Esc rejects a QDialog on its own, as the Cancel button does.
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(m_btnOK);
    buttons->addWidget(m_btnCancel);
    auto* root = new QVBoxLayout(this);
    root->addWidget(m_group, 1);
    root->addLayout(buttons);
}

void TFormOption::FormCreate() {
    m_edtYaBB->setText(Shown(m_settings.forumScriptPath));
    m_edtKestrune->setText(Shown(m_settings.installerPath));
    m_edtYourName->setText(Shown(m_settings.yourName));
    m_edtYourHomepage->setText(Shown(m_settings.yourHomepage));
    FontUpdate();
    m_udMRU->setValue(m_settings.recentFiles.Max());
    m_cbAssociation->setChecked(m_settings.association);
}

QFont TFormOption::selectedFont() const {
    return m_lblFont->font();
}

void TFormOption::FontUpdate() {
    // A font shown in the desktop's stand-in for its settings name is called by that name.
    const oxel::Font font = oxelgui::FromQFont(m_lblFont->font(), m_settings.editorFont);
    m_lblFont->setText(Shown(font.name) + QLatin1Char(' ') + QString::number(font.size) +
                       QStringLiteral("Pt"));
}

void TFormOption::actBrowseYaBBExecute() {
    if (auto path =
            m_dialogs.getOpenFileName(this, QString(), FolderOf(m_edtYaBB->text()), kYaBBFilter)) {
        m_edtYaBB->setText(*path);
    }
}

void TFormOption::actBrowseKestruneExecute() {
    if (auto path = m_dialogs.getOpenFileName(this, QString(), FolderOf(m_edtKestrune->text()),
                                              kKestruneFilter)) {
        m_edtKestrune->setText(*path);
    }
}

void TFormOption::actSelectFontExecute() {
    if (auto font = m_dialogs.getFont(this, m_lblFont->font())) {
        m_lblFont->setFont(*font);
    }
    FontUpdate();
}

void TFormOption::btnOKClick() {
    m_settings.forumScriptPath = BackToBytes(m_settings.forumScriptPath, m_edtYaBB->text());
    m_settings.installerPath = BackToBytes(m_settings.installerPath, m_edtKestrune->text());
    m_settings.yourName = BackToBytes(m_settings.yourName, m_edtYourName->text());
    m_settings.yourHomepage = BackToBytes(m_settings.yourHomepage, m_edtYourHomepage->text());
    m_settings.recentFiles.SetMax(m_udMRU->value());
    m_settings.association = m_cbAssociation->isChecked();
}
