// The main window's start-up and end, its mirror of the document, and window events.
#include "MainWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeView>
#include <QUrl>

#include "ActionTreeModel.h"
#include "FieldText.h"
#include "oxel/Paths.h"
#include "platform/MessageBoxService.h"

namespace oxelgui {

QString QuotedParameter(const QString& path) {
    QString quoted = path;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

namespace {

// The local files a drag carries; empty for anything else (our own tree's node drags).
QStringList DroppedFiles(const QMimeData& data) {
    QStringList files;
    if (!data.hasUrls()) {
        return files;
    }
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            files << url.toLocalFile();
        }
    }
    return files;
}

}  // namespace
}  // namespace oxelgui

TFormMain::TFormMain(std::string programPath, oxelgui::MainWindowServices services,
                     const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent),
      m_programPath(std::move(programPath)),
      m_boxes(services.boxes),
      m_dialogs(services.dialogs),
      m_launcher(services.launcher),
      m_registry(services.registry),
      m_xdg(services.xdg),
      m_runOptionDialog(std::move(services.runOptionDialog)),
      m_fs(services.fs != nullptr ? *services.fs : modcommon::DefaultFileSystem()) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QString::fromLatin1(oxel::kProgramTitle.data(),
                                       static_cast<qsizetype>(oxel::kProgramTitle.size())));
    setWindowIcon(QIcon(QStringLiteral(":/OXEL_ICON")));
    m_box = platform::BindMessageBoxes(m_boxes, this);
    m_model = std::make_unique<oxelgui::ActionTreeModel>(m_doc);

    createActions();
    createMenus();
    createToolBar();
    createTabs();
    connectFields();
    // Files dragged from the desktop: each starts another Oxel.
    setAcceptDrops(true);
    m_doc.AddObserver(this);

    loadSettings();
    AutoFillInfo();
    if (!arguments.isEmpty()) {
        // A full path, so the recent-files list names the file from any working folder.
        const QString argument = QFileInfo(arguments.front()).absoluteFilePath();
        m_openFileName = oxel::ExpandShortName(oxelgui::PathBytes(argument));
        CheckModifiedAndOpen();
    }
    SetInputFieldEnabled();
    updateActions();
}

TFormMain::~TFormMain() {
    // The child widgets outlive this body; their last signals must not reach a half-gone window.
    for (QObject* child : findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
    }
    m_doc.RemoveObserver(this);
    saveSettings();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (ConfirmUnsavedChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_doc.SetModified(false);
    }
}

void TFormMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!oxelgui::DroppedFiles(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TFormMain::dragMoveEvent(QDragMoveEvent* event) {
    if (!oxelgui::DroppedFiles(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TFormMain::dropEvent(QDropEvent* event) {
    if (oxelgui::DroppedFiles(*event->mimeData()).isEmpty()) {
        return;
    }
    WMDropFile(*event->mimeData());
    event->acceptProposedAction();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            // Files dropped on a field or the tree start instances too, instead of pasting
            // their names as text.
            auto* drop = static_cast<QDropEvent*>(event);
            if (oxelgui::DroppedFiles(*drop->mimeData()).isEmpty()) {
                break;
            }
            drop->acceptProposedAction();
            if (event->type() == QEvent::Drop) {
                WMDropFile(*drop->mimeData());
            }
            return true;
        }
        case QEvent::Show:
            // The tab is laid out only when first shown: only then does a width hold.
            if (watched == m_splitter && !m_treeLaidOut) {
                m_treeLaidOut = true;
                applyTreeWidth();
            }
            break;
        case QEvent::MouseButtonRelease:
            if (watched == m_tvActions->viewport()) {
                UpdateStepStatus();
            }
            break;
        case QEvent::KeyRelease:
            if (watched == m_tvActions) {
                UpdateStepStatus();
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::PropertyChanged(oxel::Property property) {
    const std::string& value = m_doc.Value(property);
    QWidget* field = propertyField(property);
    const bool filling = m_fillingFields;
    m_fillingFields = true;
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        if (toBytes(line->text()) != value) {
            line->setText(toField(value));
            line->setCursorPosition(0);
        }
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        if (toBytes(oxelgui::RawText(*plain)) != value) {
            plain->setPlainText(toField(value));
        }
    }
    m_fillingFields = filling;
}

void TFormMain::CaptionChanged() {
    setWindowTitle(oxelgui::PathText(m_doc.Caption()));
}

void TFormMain::ModifiedChanged() {
    updateActions();
}

void TFormMain::SelectionChanged() {
    tvActionsChange();
}

void TFormMain::Cleared() {
    const bool filling = m_fillingFields;
    m_fillingFields = true;
    m_memFileToEdit->clear();
    m_memSearch->clear();
    m_memAndAction->clear();
    m_memPreview->clear();
    m_memEditingFile->clear();
    m_fillingFields = filling;
}
