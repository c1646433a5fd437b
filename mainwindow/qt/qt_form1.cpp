// The main window's controls and menus, its events handed to the logic, and what the logic draws.
#include "qt_form1.h"

#include <QAction>
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

#include "dropped_kit.h"
#include "picture_box.h"
#include "preview_boxes.h"
#include "qt_form2.h"
#include "qt_frm_about.h"
#include "qt_skin_surface.h"
#include "qt_twips.h"
#include "widget_layout_form.h"
#include "window_icon.h"

namespace {
constexpr int kClientWidthTwips = 6915;
constexpr int kClientHeightTwips = 5610;
constexpr int kProgressMaximum = 90;
constexpr qint64 kProgressPaintMs = 40;

// The dropped items' local paths, empty for an item that is no local file. The URL's
// percent-encoded path keeps the name's bytes, which need not be UTF-8.
std::string droppedFile(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            paths.push_back(url.isLocalFile() ? QByteArray::fromPercentEncoding(
                                                    url.path(QUrl::FullyEncoded).toLatin1())
                                                    .toStdString()
                                              : std::string());
        }
    }
    return droppedKit(paths);
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

QtForm1::~QtForm1() = default;

void QtForm1::buildControls() {
    auto* client = new QtSkinSurface(this);
    m_client = client;
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::toPixels(kClientWidthTwips), Twips::toPixels(kClientHeightTwips));
    setCentralWidget(client);

    m_command1 = new QPushButton(QStringLiteral("Load FIFA99 Jersey"), client);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(QtTwips::toRect(120, 2400, 1935, 375));
    connect(m_command1, &QPushButton::clicked, this, [this] { m_logic.Command1_Click(); });

    m_command2 = new QPushButton(QStringLiteral("Save FIFA2000 jersey"), client);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setGeometry(QtTwips::toRect(120, 5040, 1935, 375));
    m_command2->setEnabled(false);
    connect(m_command2, &QPushButton::clicked, this, [this] { m_logic.Command2_Click(); });

    for (int i = 0; i < ConversionHost::kPreviewCount; ++i) {
        const PreviewBoxes::Box& box = PreviewBoxes::kTwips[static_cast<std::size_t>(i)];
        auto* picture = new PictureBox(i, client);
        picture->setGeometry(QtTwips::toRect(box.left, box.top, box.width, box.height));
        m_pictures[static_cast<std::size_t>(i)] = picture;
    }

    m_progressBar1 = new QProgressBar(client);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setGeometry(QtTwips::toRect(2160, 2520, 3255, 255));
    m_progressBar1->setRange(0, kProgressMaximum);
    m_progressBar1->setValue(0);
    m_progressBar1->setTextVisible(false);

    // Hidden text boxes: Text1 holds the program folder, DDEtext serves the web links later.
    m_text1 = new QLineEdit(QStringLiteral("Text1"), client);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(QtTwips::toRect(3480, 5160, 3135, 285));
    m_text1->hide();

    m_ddeText = new QLineEdit(QStringLiteral("INVISIBLE -- for URL lunching"), client);
    m_ddeText->setObjectName(QStringLiteral("DDEtext"));
    m_ddeText->setGeometry(QtTwips::toRect(3120, 5280, 3135, 285));
    m_ddeText->hide();

    setTabOrder(m_command1, m_command2);
}

void QtForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    addMenuEntry(file, QStringLiteral("Open Fifa99 Jersey"), QStringLiteral("openfifa99menu"),
                 QKeySequence(Qt::CTRL | Qt::Key_O), &Form1::Command1_Click);
    m_saveMenu = addMenuEntry(file, QStringLiteral("Save Fifa2000 Jersey"),
                              QStringLiteral("Savefifa2000menu"),
                              QKeySequence(Qt::CTRL | Qt::Key_S), &Form1::Command2_Click);
    addMenuEntry(file, QStringLiteral("Exit"), QStringLiteral("ExitMenu"),
                 QKeySequence(Qt::CTRL | Qt::Key_X), &Form1::ExitMenu_Click);

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("viewmenu"));
    m_color64 = addMenuEntry(options, QStringLiteral("Make 64 Color Jersey"),
                             QStringLiteral("color64"), QKeySequence(), nullptr);
    m_color64->setCheckable(true);
    // Qt flips a checkable entry before telling us; undo that so color64_Click alone decides.
    connect(m_color64, &QAction::triggered, this, [this] {
        m_color64->setChecked(!m_color64->isChecked());
        m_logic.color64_Click();
    });
    addMenuEntry(options, QStringLiteral("Load Skin"), QStringLiteral("LoadSkinMenu"),
                 QKeySequence(Qt::Key_F2), &Form1::LoadSkinMenu_Click);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    addMenuEntry(help, QStringLiteral("ReadMe.TXT"), QStringLiteral("readme_menu"),
                 QKeySequence(Qt::Key_F1), &Form1::readme_menu_Click);
    addMenuEntry(help, QStringLiteral("About"), QStringLiteral("AboutMenu"),
                 QKeySequence(Qt::CTRL | Qt::Key_A), &Form1::AboutMenu_Click);
    addMenuEntry(help, QStringLiteral("Visit Our Website"), QStringLiteral("visitwebsiteMenu"),
                 QKeySequence(Qt::CTRL | Qt::Key_V), &Form1::visitwebsiteMenu_Click);
}

QAction* QtForm1::addMenuEntry(QMenu* menu, const QString& caption, const QString& name,
                               const QKeySequence& shortcut, void (Form1::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { (m_logic.*handler)(); });
    return action;
}

void QtForm1::setEnabled(Control control, bool enabled) {
    if (control == Control::Command2) m_command2->setEnabled(enabled);
    if (control == Control::Savefifa2000menu) m_saveMenu->setEnabled(enabled);
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
    if (!droppedFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void QtForm1::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void QtForm1::dropEvent(QDropEvent* event) {
    const std::string path = droppedFile(event->mimeData());
    if (path.empty()) return;
    event->acceptProposedAction();
    // The file manager waits for the drop to end: load once it has, not inside its handler.
    QTimer::singleShot(0, this, [this, path] { m_logic.loadJersey(path); });
}
