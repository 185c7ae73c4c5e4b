// The Find and Replace dialogs: text fields and buttons, shown without blocking the window.
#include "FindReplaceDialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace oxelgui {
namespace {

QLineEdit* MakeTextField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setMinimumWidth(220);
    return field;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The window keeps its own focused field while the dialog is active, so the buttons act on
// the field the user was in.
void ShowModeless(QDialog& dialog) {
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

}  // namespace

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(tr("Find"));
    setModal(false);

    m_findText = MakeTextField(this, "edtFindText");
    m_findNext = MakeButton(this, tr("&Find Next"), "btnFindNext");
    m_findNext->setDefault(true);
    m_findNext->setEnabled(false);
    QPushButton* cancel = MakeButton(this, tr("Cancel"), "btnCancel");

    auto* label = new QLabel(tr("Fi&nd what:"), this);
    label->setBuddy(m_findText);
    auto* fields = new QHBoxLayout;
    fields->addWidget(label);
    fields->addWidget(m_findText, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(m_findText, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, [this] { emit findNext(findText()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindDialog::findText() const {
    return m_findText->text();
}

void FindDialog::setFindText(const QString& text) {
    m_findText->setText(text);
}

void FindDialog::showModeless() {
    ShowModeless(*this);
}

ReplaceDialog::ReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReplaceDialog"));
    setWindowTitle(tr("Replace"));
    setModal(false);

    m_findText = MakeTextField(this, "edtFindText");
    m_replaceText = MakeTextField(this, "edtReplaceText");
    m_findNext = MakeButton(this, tr("&Find Next"), "btnFindNext");
    m_findNext->setDefault(true);
    m_replace = MakeButton(this, tr("&Replace"), "btnReplace");
    m_findNext->setEnabled(false);
    m_replace->setEnabled(false);
    QPushButton* cancel = MakeButton(this, tr("Cancel"), "btnCancel");

    auto* fields = new QFormLayout;
    fields->addRow(tr("Fi&nd what:"), m_findText);
    fields->addRow(tr("Re&place with:"), m_replaceText);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(m_replace);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(m_findText, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_findNext->setEnabled(!text.isEmpty());
        m_replace->setEnabled(!text.isEmpty());
    });
    connect(m_findNext, &QPushButton::clicked, this, [this] { emit findNext(findText()); });
    connect(m_replace, &QPushButton::clicked, this,
            [this] { emit replace(findText(), replaceText()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

QString ReplaceDialog::findText() const {
    return m_findText->text();
}

QString ReplaceDialog::replaceText() const {
    return m_replaceText->text();
}

void ReplaceDialog::setFindText(const QString& text) {
    m_findText->setText(text);
}

void ReplaceDialog::setReplaceText(const QString& text) {
    m_replaceText->setText(text);
}

void ReplaceDialog::showModeless() {
    ShowModeless(*this);
}

}  // namespace oxelgui
