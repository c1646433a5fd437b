// The main window's controls and menus, its events handed to the logic, and what the logic draws.
#include "mainwindow/qt/qt_form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "conversion/preview_boxes.h"
#include "info/qt/qt_frm_about.h"
#include "layout/qt/widget_layout_form.h"
#include "mainwindow/dropped_kit.h"
#include "mainwindow/form1_design.h"
#include "mainwindow/qt/picture_box.h"
#include "mainwindow/qt/window_icon.h"
#include "platform/qt/qt_twips.h"
#include "skins/qt/qt_form2.h"
#include "skins/qt/qt_skin_surface.h"

namespace {
using namespace Form1Design;

constexpr qint64 kProgressPaintMs = 40;

// The dropped items' local paths, empty for an item that is no local file. The URL's
// percent-encoded path keeps the name's bytes, which need not be UTF-8.
std::vector<std::string> droppedPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            paths.push_back(url.isLocalFile() ? QByteArray::fromPercentEncoding(
                                                    url.path(QUrl::FullyEncoded).toLatin1())
                                                    .toStdString()
                                              : std::string());
        }
    }
    return paths;
}

// One kit, or several kits and folders: what the logic takes from a drop.
bool isWelcomeDrop(const QMimeData* data) {
    const std::vector<std::string> paths = droppedPaths(data);
    return !droppedKit(paths).empty() || !droppedCollection(paths).empty();
}

// The window's commands by the names the design gives them.
const char* nameOf(Form1View::Control control) {
    using Control = Form1View::Control;
    switch (control) {
        case Control::Command1:
            return "Command1";
        case Control::Command2:
            return "Command2";
        case Control::openfifa99menu:
            return "openfifa99menu";
        case Control::Savefifa2000menu:
            return "Savefifa2000menu";
        case Control::ConvertFolderMenu:
            return "ConvertFolderMenu";
        case Control::ExitMenu:
            return "ExitMenu";
        case Control::color64:
            return "color64";
        case Control::LoadSkinMenu:
            return "LoadSkinMenu";
        case Control::CancelFolder:
            return "CancelFolder";
        case Control::Text1:
            return "Text1";
    }
    return "";
}
}  // namespace

QtForm1::QtForm1(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent),
      m_services(services),
      m_layoutForm(std::make_unique<WidgetLayoutForm>(this)),
      m_logic(*this, services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vestrix"));
    setWindowIcon(makeWindowIcon());
    // A fixed single border: minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setAcceptDrops(true);
    m_logic.Form_Load();
}

QtForm1::~QtForm1() { endBackgroundWork(); }

void QtForm1::buildControls() {
    auto* client = new QtSkinSurface(this);
    m_client = client;
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::toPixels(kClientWidthTwips), Twips::toPixels(kClientHeightTwips));
    setCentralWidget(client);

    // The buttons keep the desktop's own face, which its theme sizes them for; the design's face
    // is the one Windows offers.
    m_command1 = addButton(kCommand1);
    m_command2 = addButton(kCommand2);
    m_cancelFolder = addButton(kCancelFolder);
    m_cancelFolder->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelFolder->hide();

    for (int i = 0; i < ConversionHost::kPreviewCount; ++i) {
        auto* picture = new PictureBox(i, client);
        picture->setGeometry(QtTwips::toRect(PreviewBoxes::kTwips[static_cast<std::size_t>(i)]));
        m_pictures[static_cast<std::size_t>(i)] = picture;
    }

    m_progressBar1 = new QProgressBar(client);
    place(m_progressBar1, kProgressBar1);
    m_progressBar1->setRange(0, kProgressMaximum);
    m_progressBar1->setValue(0);
    m_progressBar1->setTextVisible(false);

    m_text1 = addHiddenTextBox(kText1);
    addHiddenTextBox(kDDEtext);

    setTabOrder(m_command1, m_command2);
}

void QtForm1::place(QWidget* widget, const Form1Design::Control& control) {
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(QtTwips::toRect(control.place));
    widget->setEnabled(control.enabled);
}

QPushButton* QtForm1::addButton(const Form1Design::Control& control) {
    auto* button = new QPushButton(QString::fromLatin1(control.caption), m_client);
    place(button, control);
    connect(button, &QPushButton::clicked, this,
            [this, click = control.click] { (m_logic.*click)(); });
    return button;
}

QLineEdit* QtForm1::addHiddenTextBox(const Form1Design::Control& control) {
    auto* text = new QLineEdit(QString::fromLatin1(control.caption), m_client);
    place(text, control);
    text->hide();
    return text;
}

void QtForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const Menu& design : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(design.caption));
        menu->setObjectName(QString::fromLatin1(design.name));
        for (const MenuEntry& entry : design.entries) addMenuEntry(menu, entry);
    }
}

void QtForm1::addMenuEntry(QMenu* menu, const Form1Design::MenuEntry& entry) {
    QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setShortcut(
        QKeySequence(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText));
    action->setCheckable(entry.checkable);
    connect(action, &QAction::triggered, this, [this, action, entry] {
        // Qt flips a checkable entry before telling us; undo that so the logic alone decides.
        if (entry.checkable) action->setChecked(!action->isChecked());
        (m_logic.*entry.click)();
    });
    if (entry.click == &Form1::color64_Click) m_color64 = action;
}

void QtForm1::setEnabled(Control control, bool enabled) {
    const QString name = QString::fromLatin1(nameOf(control));
    if (auto* action = findChild<QAction*>(name)) action->setEnabled(enabled);
    if (auto* widget = findChild<QWidget*>(name)) widget->setEnabled(enabled);
}

void QtForm1::setVisible(Control control, bool visible) {
    if (control == Control::CancelFolder) m_cancelFolder->setVisible(visible);
}

void QtForm1::setProgressMaximum(int maximum) { m_progressBar1->setRange(0, maximum); }

void QtForm1::runInBackground(std::function<void()> work) {
    if (m_worker.joinable()) m_worker.join();  // the last run's thread, ended already
    m_worker = std::thread(std::move(work));
}

void QtForm1::postToWindow(std::function<void()> task) {
    // Queued to this window: Qt drops what is still waiting when the window goes.
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void QtForm1::endBackgroundWork() {
    if (!m_worker.joinable()) return;
    m_logic.CancelFolder_Click();
    m_worker.join();
}

void QtForm1::closeEvent(QCloseEvent* event) {
    m_logic.CancelFolder_Click();
    QMainWindow::closeEvent(event);
}

void QtForm1::setChecked(Control control, bool checked) {
    if (control == Control::color64) m_color64->setChecked(checked);
}

void QtForm1::setText(Control control, const std::string& text) {
    if (control == Control::Text1) m_text1->setText(QFile::decodeName(text.c_str()));
}

void QtForm1::setProgress(int value) {
    m_progressBar1->setValue(value);
    // A load keeps the event loop waiting, and the bar is the user's only sign that it works: on a
    // slow disk paint it now and then; a quick load is simply painted when it ends.
    if (!m_progressPainted.isValid() || m_progressPainted.hasExpired(kProgressPaintMs)) {
        m_progressBar1->repaint();
        m_progressPainted.start();
    }
}

PreviewSurface& QtForm1::preview(int index) { return picture(index); }

void QtForm1::clearPreview(int index) { picture(index).clear(); }

SkinCanvas& QtForm1::background() { return *m_client; }

bool QtForm1::isOpen(Companion window) {
    if (window == Companion::SkinSelect) return m_form2 && m_form2->isVisible();
    return !m_about.isNull();  // About deletes itself when closed
}

void QtForm1::open(Companion window) {
    if (window == Companion::SkinSelect) {
        delete m_form2;  // closed, its deletion still pending: it starts afresh all the same
        m_form2 = new QtForm2(*m_client,
                              {m_services.messageBoxes, m_services.urlOpener,
                               m_services.programLocation, m_services.skinReader},
                              this);
    } else {
        delete m_about;
        m_about = new QtFrmAbout({m_services.systemInfo}, this);
    }
}

void QtForm1::bringForward(Companion window) {
    QWidget* shown = window == Companion::SkinSelect ? static_cast<QWidget*>(m_form2)
                                                     : static_cast<QWidget*>(m_about);
    shown->show();
    shown->raise();
    shown->activateWindow();
}

LayoutForm& QtForm1::layoutForm() { return *m_layoutForm; }

void QtForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_logic.isConvertingFolder() && isWelcomeDrop(event->mimeData()))
        event->acceptProposedAction();
}

void QtForm1::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_logic.isConvertingFolder() && isWelcomeDrop(event->mimeData()))
        event->acceptProposedAction();
}

void QtForm1::dropEvent(QDropEvent* event) {
    if (m_logic.isConvertingFolder() || !isWelcomeDrop(event->mimeData())) return;
    event->acceptProposedAction();
    // The file manager waits for the drop to end: load or convert once it has, not inside its
    // handler.
    QTimer::singleShot(
        0, this, [this, paths = droppedPaths(event->mimeData())] { m_logic.filesDropped(paths); });
}
