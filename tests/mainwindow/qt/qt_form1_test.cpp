// The main window drawn by Qt: that it stands as its design table draws it, and that every
// button, menu entry and dropped kit reaches the logic.
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "conversion/preview_boxes.h"
#include "info/qt/qt_frm_about.h"
#include "info/web_addresses.h"
#include "mainwindow/form1_design.h"
#include "mainwindow/qt/picture_box.h"
#include "platform/qt/qt_twips.h"
#include "skins/qt/qt_form2.h"
#include "tests/support/qt/qt_window_fixture.h"

class Form1Layout : public QtWindowTest {
protected:
    void SetUp() override {
        QtWindowTest::SetUp();
        m_window = startWindow();
        m_window->show();
    }
    QAction* action(const char* name) {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) {
        return m_window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    std::unique_ptr<QtForm1> m_window;
};

TEST_F(Form1Layout, StandsAsItsDesignDrawsItFixedWithAMinimiseButtonOnly) {
    using namespace Form1Design;
    EXPECT_EQ(m_window->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(m_window->windowTitle(), QString::fromLatin1(kCaption));
    EXPECT_EQ(m_window->centralWidget()->geometry().size(),
              QtTwips::toRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());
    for (const Control* control : kControls) {
        SCOPED_TRACE(control->name);
        auto* widget = m_window->findChild<QWidget*>(QString::fromLatin1(control->name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QtTwips::toRect(control->place));
        EXPECT_EQ(widget->isEnabled(), control->enabled);
        EXPECT_EQ(widget->isVisible(),
                  control->kind != Kind::HiddenTextBox && control->kind != Kind::HiddenButton);
        // Text1's first text gives way to the program folder at start-up.
        if (control->kind != Kind::ProgressBar && std::string_view(control->name) != "Text1") {
            EXPECT_EQ(widget->property("text").toString(), QString::fromLatin1(control->caption));
        }
    }
    EXPECT_EQ(m_window->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
              QFile::decodeName(m_fake.location.folder.c_str()) + QLatin1Char('/'));
    auto* bar = m_window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    EXPECT_EQ(bar->maximum(), kProgressMaximum);
    EXPECT_EQ(bar->value(), 0);

    const QList<PictureBox*> boxes =
        m_window->findChildren<PictureBox*>(QStringLiteral("Picture1"));
    ASSERT_EQ(boxes.size(), 8);
    for (PictureBox* box : boxes) {
        EXPECT_EQ(box->geometry(), QtTwips::toRect(PreviewBoxes::kTwips.at(box->index())))
            << box->index();
        EXPECT_EQ(&m_window->picture(box->index()), box);
    }

    const QList<QAction*> menus = m_window->menuBar()->actions();
    ASSERT_EQ(menus.size(), std::ssize(kMenus));
    for (std::size_t m = 0; m < std::size(kMenus); ++m) {
        SCOPED_TRACE(kMenus[m].name);
        QMenu* menu = menus[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromLatin1(kMenus[m].name));
        EXPECT_EQ(menu->title(), QString::fromLatin1(kMenus[m].caption));
        ASSERT_EQ(menu->actions().size(), std::ssize(kMenus[m].entries));
        for (const MenuEntry& design : kMenus[m].entries) {
            const QAction* entry = menu->actions()[&design - kMenus[m].entries.data()];
            EXPECT_EQ(entry->objectName(), QString::fromLatin1(design.name));
            EXPECT_EQ(entry->text(), QString::fromLatin1(design.caption));
            EXPECT_EQ(entry->shortcut().toString(QKeySequence::PortableText),
                      QString::fromLatin1(design.shortcut));
            EXPECT_EQ(entry->isCheckable(), design.checkable) << design.name;
        }
    }
    // Save waits for a load.
    EXPECT_FALSE(action("Savefifa2000menu")->isEnabled());

    EXPECT_EQ(m_window->minimumSize(), m_window->maximumSize());
    EXPECT_EQ(m_window->height(),
              m_window->centralWidget()->height() + m_window->menuBar()->height());
    const Qt::WindowFlags flags = m_window->windowFlags();
    EXPECT_TRUE(m_window->acceptDrops());
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(m_window->windowIcon().pixmap(32, 32).isNull());

    // Tab goes from loading to saving.
    EXPECT_EQ(button("Command1")->nextInFocusChain(), button("Command2"));
}

TEST_F(Form1Layout, CtrlAShowsOneAboutWindowAndBringsItForward) {
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(m_window.get(), Qt::Key_A, Qt::ControlModifier);
        const QList<QtFrmAbout*> open = m_window->findChildren<QtFrmAbout*>();
        ASSERT_EQ(open.size(), 1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == open[0]; }));
        m_window->activateWindow();
    }
}

TEST_F(Form1Layout, ButtonsMenuEntriesAndShortcutsReachTheLogic) {
    const std::string jersey = putJersey("club.fsh");
    for (const bool viaMenu : {false, true}) {
        SCOPED_TRACE(viaMenu ? "menu" : "button");
        m_fake.dialogs.openAnswers.push_back(jersey);
        viaMenu ? action("openfifa99menu")->trigger() : button("Command1")->click();
        EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(jersey, 191));
        EXPECT_TRUE(button("Command2")->isEnabled());
        EXPECT_TRUE(action("Savefifa2000menu")->isEnabled());

        m_fake.dialogs.saveAnswers.push_back(path("saved.fsh"));
        viaMenu ? action("Savefifa2000menu")->trigger() : button("Command2")->click();
        EXPECT_EQ(read(path("saved.fsh")), read(path("pk001.fsh")));
        std::filesystem::remove(path("saved.fsh"));
    }
    // The previews reach the window's boxes; box 2 is never drawn.
    EXPECT_NE(m_window->picture(0).image().pixel(5, 5), PictureBox::kBackground);
    EXPECT_EQ(m_window->picture(2).image().pixel(5, 5), PictureBox::kBackground);
    EXPECT_EQ(m_window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value(), 90);

    action("color64")->trigger();
    EXPECT_TRUE(action("color64")->isChecked());
    EXPECT_EQ(m_window->logic().paletteBase(), 0);
    action("readme_menu")->trigger();
    EXPECT_EQ(m_fake.started, CallLog{"show " + path("readme.txt")});
    action("LoadSkinMenu")->trigger();
    EXPECT_EQ(m_window->findChildren<QtForm2*>().size(), 1);
    action("visitwebsiteMenu")->trigger();
    EXPECT_EQ(m_fake.urlOpener.addresses, std::vector<std::string>{WebAddresses::kHomePage});
    action("ExitMenu")->trigger();
    EXPECT_EQ(m_fake.exit.statuses, std::vector<int>{0});
}

TEST_F(Form1Layout, AKitDroppedOnTheWindowIsLoadedAsIfOpened) {
    const std::string jersey = putJersey("dropped kit.fsh");
    const std::string other = putJersey("other.fsh");
    const auto url = [](const std::string& file) {
        return QUrl::fromLocalFile(QFile::decodeName(file.c_str()));
    };
    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        if (enter.isAccepted()) {
            QDropEvent dropped({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &dropped);
        }
        QTest::qWait(0);  // the load runs once the drop has ended
        return enter.isAccepted();
    };
    // A web link is refused before anything happens; a folder and several kits are converted as
    // a folder is: the picker for the jerseys comes (cancelled here).
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://www.tavrimel.example/kit.fsh"))}));
    m_fake.dialogs.folderAnswers = {"", ""};
    EXPECT_TRUE(drop({url(m_dir.path().string())}));
    EXPECT_TRUE(drop({url(jersey), url(other)}));
    EXPECT_EQ(m_fake.dialogs.folderPickers.size(), 2u);
    EXPECT_EQ(read(path("pk001.fsh")), templateBytes());

    EXPECT_TRUE(drop({url(jersey)}));
    EXPECT_TRUE(m_fake.dialogs.openInitialPaths.empty()) << "no dialog for a dropped kit";
    EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(jersey, 191));
    EXPECT_EQ(read(path("jersey.cfg")), settingsText(jersey, ""));
    EXPECT_TRUE(m_fake.messages.shown.empty());
}
