// The modeless Find and Replace dialogs. They only collect the texts and report the buttons;
// the main window decides which field they act on.
//
//   auto* find = new oxelgui::FindDialog(mainWindow);
//   connect(find, &oxelgui::FindDialog::findNext, mainWindow, &TFormMain::FindDialogFind);
//   find->showModeless();
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace oxelgui {

class FindDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit FindDialog(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(FindDialog)

    QString findText() const;
    void setFindText(const QString& text);
    // Shows the dialog without blocking the window and brings it to the front.
    void showModeless();

  signals:
    void findNext(const QString& text);

  private:
    QLineEdit* m_findText = nullptr;
    QPushButton* m_findNext = nullptr;
};

class ReplaceDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit ReplaceDialog(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReplaceDialog)

    QString findText() const;
    QString replaceText() const;
    void setFindText(const QString& text);
    void setReplaceText(const QString& text);
    void showModeless();

  signals:
    void findNext(const QString& text);
    void replace(const QString& text, const QString& replacement);

  private:
    QLineEdit* m_findText = nullptr;
    QLineEdit* m_replaceText = nullptr;
    QPushButton* m_findNext = nullptr;
    QPushButton* m_replace = nullptr;
};

}  // namespace oxelgui
