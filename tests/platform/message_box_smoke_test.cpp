// One real message box, closed by the test the way a user would: plain, titled, answered.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_message_boxes.h"

namespace {
// Polls for the modal box and hands it to act; a watchdog rejects it if nobody could.
void whenModalShows(const std::function<void(QMessageBox&)>& act) {
    auto* poll = new QTimer(qApp);
    auto* watchdog = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [=] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            watchdog->stop();
            act(*box);
            poll->deleteLater();
            watchdog->deleteLater();
        }
    });
    QObject::connect(watchdog, &QTimer::timeout, qApp, [=] {
        poll->stop();
        ADD_FAILURE() << "no message box appeared, or it did not close";
        if (auto* modal = QApplication::activeModalWidget()) modal->close();
        poll->deleteLater();
        watchdog->deleteLater();
    });
    poll->start(10);
    watchdog->setSingleShot(true);
    watchdog->start(5000);
}
}  // namespace

TEST(QtMessageBoxes, AYesNoQuestionIsPlainOverTheActiveWindowAndReturnsTheButtonPressed) {
    // The box belongs to the window the user works in; its caller names none.
    QWidget working;
    working.show();
    working.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&working));
    QtMessageBoxes boxes;
    QWidget* owner = nullptr;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    bool yesIsDefault = false;
    whenModalShows([&](QMessageBox& box) {
        owner = box.parentWidget();
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        yesIsDefault = box.defaultButton() == box.button(QMessageBox::Yes);
        box.button(QMessageBox::No)->click();
    });
    const MessageAnswer answer = boxes.show("File Exists. Overwrite ?", "Tavrimel",
                                            MessageButtons::YesNo, MessageAnswer::Yes);
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(owner, &working);
    EXPECT_EQ(title, QStringLiteral("Tavrimel"));
    EXPECT_EQ(text, QStringLiteral("File Exists. Overwrite ?"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_TRUE(yesIsDefault);
}
