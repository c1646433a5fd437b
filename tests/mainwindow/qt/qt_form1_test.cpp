// The main window drawn by Qt: controls, captions, places, menus and shortcuts, and that every
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

#include "picture_box.h"
#include "qt_form2.h"
#include "qt_frm_about.h"
#include "qt_window_fixture.h"
#include "web_addresses.h"

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

TEST_F(Form1Layout, ControlsStandWhereTheyBelongWithTheirCaptions) {
    // Pixels at fifteen twips each.
    const struct {
        const char* name;
        QString caption;
        QRect geometry;
        bool enabled;
        bool visible;
    } controls[] = {
        {"Command1", QStringLiteral("Load FIFA99 Jersey"), {8, 160, 129, 25}, true, true},
        {"Command2", QStringLiteral("Save FIFA2000 jersey"), {8, 336, 129, 25}, false, true},
        {"ProgressBar1", QString(), {144, 168, 217, 17}, true, true},
        {"Text1",
         QFile::decodeName(m_fake.location.folder.c_str()) + QLatin1Char('/'),
         {232, 344, 209, 19},
         true,
         false},
        {"DDEtext",
         QStringLiteral("INVISIBLE -- for URL lunching"),
         {208, 352, 209, 19},
         true,
         false},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        auto* widget = m_window->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_EQ(widget->isEnabled(), c.enabled);
        EXPECT_EQ(widget->isVisible(), c.visible);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), c.caption);
        } else if (auto* text = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(text->text(), c.caption);
        }
    }
    auto* bar = m_window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 90);
    EXPECT_EQ(bar->value(), 0);

    const QRect pictures[] = {{8, 24, 132, 132},  {8, 224, 103, 103}, {304, 104, 36, 36},
                              {304, 296, 36, 36}, {144, 24, 66, 66},  {144, 224, 66, 66},
                              {216, 24, 66, 50},  {216, 224, 66, 50}};
    const QList<PictureBox*> boxes =
        m_window->findChildren<PictureBox*>(QStringLiteral("Picture1"));
    ASSERT_EQ(boxes.size(), 8);
    for (PictureBox* box : boxes) {
        EXPECT_EQ(box->geometry(), pictures[box->index()]) << box->index();
        EXPECT_EQ(box->property("index").toInt(), box->index());
        EXPECT_EQ(&m_window->picture(box->index()), box);
    }
}

TEST_F(Form1Layout, WindowIsFixedWithAMinimiseButtonOnly) {
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Vestrix"));
    EXPECT_EQ(m_window->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(m_window->centralWidget()->size(), QSize(461, 374));
    EXPECT_EQ(m_window->minimumSize(), m_window->maximumSize());
    EXPECT_EQ(m_window->height(), 374 + m_window->menuBar()->height());
    const Qt::WindowFlags flags = m_window->windowFlags();
    EXPECT_TRUE(m_window->acceptDrops());
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(m_window->windowIcon().pixmap(32, 32).isNull());

    // Tab goes from loading to saving.
    auto* load = m_window->findChild<QPushButton*>(QStringLiteral("Command1"));
    EXPECT_EQ(load->nextInFocusChain(),
              m_window->findChild<QPushButton*>(QStringLiteral("Command2")));
}

TEST_F(Form1Layout, MenusHoldTheirEntriesWithShortcutsAndNoSeparators) {
    const struct {
        const char* menu;
        const char* title;
        std::vector<std::tuple<const char*, const char*, QKeySequence, bool>> entries;
    } menus[] = {
        {"FileMenu",
         "File",
         {{"openfifa99menu", "Open Fifa99 Jersey", QKeySequence(Qt::CTRL | Qt::Key_O), true},
          {"Savefifa2000menu", "Save Fifa2000 Jersey", QKeySequence(Qt::CTRL | Qt::Key_S), false},
          {"ExitMenu", "Exit", QKeySequence(Qt::CTRL | Qt::Key_X), true}}},
        {"viewmenu",
         "Options",
         {{"color64", "Make 64 Color Jersey", QKeySequence(), true},
          {"LoadSkinMenu", "Load Skin", QKeySequence(Qt::Key_F2), true}}},
        {"HelpMenu",
         "Help",
         {{"readme_menu", "ReadMe.TXT", QKeySequence(Qt::Key_F1), true},
          {"AboutMenu", "About", QKeySequence(Qt::CTRL | Qt::Key_A), true},
          {"visitwebsiteMenu", "Visit Our Website", QKeySequence(Qt::CTRL | Qt::Key_V), true}}},
    };
    const QList<QAction*> topLevel = m_window->menuBar()->actions();
    ASSERT_EQ(topLevel.size(), 3);
    for (std::size_t m = 0; m < std::size(menus); ++m) {
        SCOPED_TRACE(menus[m].menu);
        QMenu* menu = topLevel[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromLatin1(menus[m].menu));
        EXPECT_EQ(menu->title(), QString::fromLatin1(menus[m].title));
        const QList<QAction*> entries = menu->actions();
        ASSERT_EQ(entries.size(), static_cast<qsizetype>(menus[m].entries.size()));
        for (qsizetype e = 0; e < entries.size(); ++e) {
            const auto& [name, caption, shortcut, enabled] =
                menus[m].entries[static_cast<std::size_t>(e)];
            EXPECT_EQ(entries[e]->objectName(), QString::fromLatin1(name));
            EXPECT_EQ(entries[e]->text(), QString::fromLatin1(caption));
            EXPECT_EQ(entries[e]->shortcut(), shortcut) << name;
            EXPECT_EQ(entries[e]->isEnabled(), enabled) << name;
            EXPECT_FALSE(entries[e]->isSeparator());
            EXPECT_EQ(entries[e]->isCheckable(), std::string_view(name) == "color64");
        }
    }
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
    // Folders, remote files and several files at once are refused before anything happens.
    EXPECT_FALSE(drop({url(m_dir.path().string())}));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://www.tavrimel.example/kit.fsh"))}));
    EXPECT_FALSE(drop({url(jersey), url(other)}));
    EXPECT_EQ(read(path("pk001.fsh")), templateBytes());

    EXPECT_TRUE(drop({url(jersey)}));
    EXPECT_TRUE(m_fake.dialogs.openInitialPaths.empty()) << "no dialog for a dropped kit";
    EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(jersey, 191));
    EXPECT_EQ(read(path("jersey.cfg")), settingsText(jersey, ""));
    EXPECT_TRUE(m_fake.messages.shown.empty());
}
