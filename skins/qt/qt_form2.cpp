// The Skin Select window's controls, and its events handed to the logic.
#include "qt_form2.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "qt_twips.h"

namespace {
constexpr int kClientWidthTwips = 2175;
constexpr int kClientHeightTwips = 1395;

/** MS Sans Serif stands in for the desktop's sans-serif where it is not installed. */
QFont sansSerif(qreal points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}
}  // namespace

QtForm2::QtForm2(SkinCanvas& canvas, const Form2Services& services, QWidget* parent)
    : QWidget(parent), m_logic(*this, canvas, services) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Skin Select"));
    // A fixed tool window: a small title bar with a close box, nothing else, no task-bar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    const QRect client = QtTwips::toRect(0, 0, kClientWidthTwips, kClientHeightTwips);
    setFixedSize(client.size());
    buildControls();
    m_logic.Form_Load();
}

void QtForm2::buildControls() {
    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setGeometry(QtTwips::toRect(0, 0, 2175, 675));

    m_label1 = new QLabel(QStringLiteral("Download more SKINS"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(QtTwips::toRect(120, 720, 1935, 255));
    m_label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont linkFont = sansSerif(8.25);
    linkFont.setUnderline(true);
    m_label1->setFont(linkFont);
    QPalette linkColours = m_label1->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_label1->setPalette(linkColours);
    m_label1->installEventFilter(this);

    auto* label2 = new QLabel(QStringLiteral(" from the Vestrix's web page"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(QtTwips::toRect(0, 960, 2175, 495));
    label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label2->setWordWrap(true);  // two lines tall, to take the sentence where the font is wide
    label2->setFont(sansSerif(8.25));

    // Every change of the selection by the user paints, by mouse or arrow keys.
    connect(m_file1, &QListWidget::currentRowChanged, this, [this] { m_logic.File1_Click(); });
}

void QtForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The arrow keys move through the skins as soon as the window opens, whether or not a window
    // manager gives a new window the keyboard.
    activateWindow();
    m_file1->setFocus();
}

void QtForm2::setListEntries(const std::vector<std::string>& names) {
    const QSignalBlocker quiet(m_file1);
    m_file1->clear();
    for (const std::string& name : names) m_file1->addItem(QFile::decodeName(name.c_str()));
}

void QtForm2::setListIndex(int index) {
    const QSignalBlocker quiet(m_file1);
    m_file1->setCurrentRow(index);
}

int QtForm2::listIndex() const { return m_file1->currentRow(); }

bool QtForm2::eventFilter(QObject* watched, QEvent* event) {
    // A click is a left-button press on the link and its release over it.
    if (watched == m_label1) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            m_labelPressed = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            const bool inside = m_label1->rect().contains(mouse->position().toPoint());
            const bool click = m_labelPressed && inside;
            m_labelPressed = false;
            if (click) m_logic.Label1_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
