// The Skin Select window: controls, the picture list and its clicks.
#include "form2.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

#include "file_presence.h"
#include "message_boxes.h"
#include "program_location.h"
#include "qt_twips.h"
#include "skin_painting.h"
#include "url_opener.h"
#include "web_addresses.h"

namespace {
constexpr int kClientWidthTwips = 2175;
constexpr int kClientHeightTwips = 1395;

/** The folder without a trailing separator, except where that would leave no folder (a root). */
QString withoutTrailingSeparator(QString folder) {
    while (folder.size() > 1 &&
           (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) &&
           !QDir(folder).isRoot()) {
        folder.chop(1);
    }
    return folder;
}

/** Arial and MS Sans Serif stand in for the desktop's sans-serif where they are not installed. */
QFont sansSerif(const QString& family, qreal points) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}
}  // namespace

Form2::Form2(SkinCanvas& canvas, MessageBoxes& messages, UrlOpener& urlOpener,
             const ProgramLocation& location, QWidget* parent)
    : QWidget(parent),
      m_canvas(canvas),
      m_messages(messages),
      m_urlOpener(urlOpener),
      m_folder(withoutTrailingSeparator(QFile::decodeName(location.programFolder().c_str()))) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Skin Select"));
    // A fixed tool window: a small title bar with a close box, nothing else, no task-bar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::toPixels(kClientWidthTwips), Twips::toPixels(kClientHeightTwips));
    buildControls();
    Form_Load();
}

void Form2::buildControls() {
    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setGeometry(QtTwips::toRect(0, 0, 2175, 675));

    m_label1 = new QLabel(QStringLiteral("Download more SKINS"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(QtTwips::toRect(120, 720, 1935, 255));
    m_label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont linkFont = sansSerif(QStringLiteral("MS Sans Serif"), 8.25);
    linkFont.setUnderline(true);
    m_label1->setFont(linkFont);
    QPalette linkColours = m_label1->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_label1->setPalette(linkColours);
    m_label1->installEventFilter(this);

    m_label2 = new QLabel(QStringLiteral(" from the Vestrix's web page"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(QtTwips::toRect(0, 960, 2175, 495));
    m_label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_label2->setWordWrap(true);  // two lines tall, to take the sentence where the font is wide
    m_label2->setFont(sansSerif(QStringLiteral("MS Sans Serif"), 8.25));

    // Every change of the selection paints, whether by mouse, arrow keys or Form_Load.
    connect(m_file1, &QListWidget::currentRowChanged, this, &Form2::File1_Click);
    // The arrow keys move through the skins as soon as the window opens.
    m_file1->setFocus();
}

void Form2::Form_Load() {
    // The same pattern match as the folder listing of the system: "*.JPG" counts too.
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.jpg")}, QDir::Files,
                                                       QDir::Name | QDir::IgnoreCase);
    m_file1->addItems(names);
    // Without any picture there is nothing to select and nothing to paint.
    if (m_file1->count() > 0) m_file1->setCurrentRow(0);
}

void Form2::File1_Click() {
    const QListWidgetItem* item = m_file1->currentItem();
    if (!item) return;
    const QString fullName = m_folder + QDir::separator() + item->text();
    if (isFilePresent(QFile::encodeName(fullName).toStdString())) {
        SkinPainting::paintSkinFile(fullName, m_canvas, m_messages);
    } else {
        m_messages.show("Can't find " + QFile::encodeName(fullName).toStdString(), "Error");
    }
}

void Form2::Label1_Click() { m_urlOpener.openUrl(WebAddresses::kConverterPage); }

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    // A click is a left-button release over the label that was pressed.
    if (watched == m_label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_label1->rect().contains(mouse->position().toPoint())) {
            Label1_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
