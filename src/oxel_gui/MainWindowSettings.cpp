// The main window's settings: read at start-up and applied, changed by the options dialog,
// written when the window is destroyed.
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

#include "EditorFont.h"
#include "MainWindow.h"
#include "oxel/Font.h"

void TFormMain::loadSettings() {
    // Keys that are missing keep the window as designed.
    m_settings.left = x();
    m_settings.top = y();
    m_settings.width = width();
    m_settings.height = height();
    oxel::LoadStartupSettings(m_programPath, m_settings, oxel::Font{});

    move(m_settings.left, m_settings.top);
    resize(m_settings.width, m_settings.height);
    switch (m_settings.state) {
        case 0:
            setWindowState(Qt::WindowNoState);
            break;
        case 1:
            setWindowState(Qt::WindowMinimized);
            break;
        case 2:
            setWindowState(Qt::WindowMaximized);
            break;
        default:
            break;
    }
    applyEditorFont();
}

void TFormMain::applyTreeWidth() {
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.size() == 2 ? sizes[0] + sizes[1] : 0;
    m_splitter->setSizes({m_settings.treeWidth, std::max(total - m_settings.treeWidth, 1)});
}

void TFormMain::applyEditorFont() {
    for (QPlainTextEdit* field :
         {m_memSearch, m_memAndAction, m_memPreview, m_memEditingFile, m_memDescription}) {
        oxelgui::ApplyEditorFont(*field, m_settings.editorFont);
        // Forum scripts are indented with tabs; four blanks wide keeps deep code in view.
        field->setTabStopDistance(4 *
                                  QFontMetricsF(field->font()).horizontalAdvance(QLatin1Char(' ')));
    }
}

void TFormMain::saveSettings() {
    // Parts never shown have not been laid out: their sizes are still the settings'.
    if (m_treeLaidOut) {
        const QList<int> sizes = m_splitter->sizes();
        if (!sizes.isEmpty() && sizes.front() > 0) {
            m_settings.treeWidth = sizes.front();
        }
    }
    if (m_shownOnce) {
        const QRect bounds = (isMaximized() || isMinimized()) && normalGeometry().isValid()
                                 ? normalGeometry()
                                 : geometry();
        m_settings.left = bounds.x();
        m_settings.top = bounds.y();
        m_settings.width = bounds.width();
        m_settings.height = bounds.height();
        m_settings.state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    }
    if (const auto error =
            oxel::SaveSettings(oxel::SettingsPathFor(m_programPath), m_settings, m_fs)) {
        m_box({modcommon::BoxKind::Error, modcommon::BoxButtons::Ok,
               std::string(oxel::kProgramTitle),
               "Cannot create file \"" + error->path + "\". " + error->reason});
    }
}

void TFormMain::AutoFillInfo() {
    m_doc.SetValue(oxel::Property::Author, m_settings.yourName);
    m_doc.SetValue(oxel::Property::Homepage, m_settings.yourHomepage);
    m_doc.SetModified(false);
}

void TFormMain::actOptionExecute() {
    oxelgui::OptionServices services{m_dialogs,  m_box, m_programPath,
                                     m_registry, m_xdg, m_runOptionDialog};
    const std::optional<QFont> font =
        oxelgui::RunOptionsAndAssociation(this, m_settings, m_memSearch->font(), services);
    if (font) {
        m_settings.editorFont = oxelgui::FromQFont(*font, m_settings.editorFont);
        applyEditorFont();
    }
    // The forum script and the installer may have moved.
    updateActions();
}
