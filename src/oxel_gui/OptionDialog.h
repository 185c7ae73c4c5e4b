// The options dialog: where the forum script and the installer are, the author defaults for
// new mods, the editor font, the length of the recent-files list and the .mod association.
// OK applies the controls to the settings in memory; Cancel leaves them alone.
//
//   TFormOption dialog(settings, editorFont, fileDialogs, mainWindow);
//   if (dialog.exec() == QDialog::Accepted) applyToFields(dialog.selectedFont());
#pragma once

#include <QDialog>
#include <QFont>

#include "oxel/OxelSettings.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace platform {
class FileDialogService;
}

class TFormOption final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 399;
    static constexpr int kClientHeight = 434;
    static constexpr int kMruMin = 0;
    static constexpr int kMruMax = 32;

    // editorFont is the font of the main window's text fields; settings must outlive the dialog.
    TFormOption(oxel::OxelSettings& settings, const QFont& editorFont,
                platform::FileDialogService& dialogs, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TFormOption)
    ~TFormOption() override;

    // The font lblFont shows: the editor font, or the one picked since.
    QFont selectedFont() const;

    // The dialog's commands, as its buttons run them.
    void actBrowseYaBBExecute();
    void actBrowseKestruneExecute();
    void actSelectFontExecute();
    void FontUpdate();
    // Applies the controls to the settings (OK runs it before closing).
    void btnOKClick();

  private:
    void CreateControls();
    void FormCreate();

    oxel::OxelSettings& m_settings;
    platform::FileDialogService& m_dialogs;
    QGroupBox* m_group = nullptr;
    QLineEdit* m_edtYaBB = nullptr;
    QLineEdit* m_edtKestrune = nullptr;
    QLineEdit* m_edtYourName = nullptr;
    QLineEdit* m_edtYourHomepage = nullptr;
    QLabel* m_lblFont = nullptr;
    QSpinBox* m_udMRU = nullptr;
    QCheckBox* m_cbAssociation = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QAction* m_actBrowseYaBB = nullptr;
    QAction* m_actBrowseKestrune = nullptr;
    QAction* m_actSelectFont = nullptr;
};
