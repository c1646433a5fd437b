// The program: the splash first, then the main window with the real dialogs, message boxes,
// program starter, web-page opener and system information tool. A kit named on the command line
// (as a desktop does when the user opens a .fsh file with us) is loaded once the window is up.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTimer>
#include <memory>

#include "info/qt/qt_frm_splash.h"
#include "mainwindow/program_services.h"
#include "mainwindow/qt/kit_argument.h"
#include "mainwindow/qt/qt_form1.h"
#include "platform/common/immediate_exit.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_program_location.h"
#include "skins/qt/qt_skin_picture_reader.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestrix"));
    QApplication::setApplicationVersion(QStringLiteral(VESTRIX_VERSION));

    QCommandLineParser commandLine;
    commandLine.setApplicationDescription(
        QStringLiteral("Turns FIFA 99 jerseys into FIFA 2000 jerseys."));
    commandLine.addHelpOption();
    commandLine.addVersionOption();
    commandLine.addPositionalArgument(QStringLiteral("kit"),
                                      QStringLiteral("A FIFA 99 jersey file to load at once."),
                                      QStringLiteral("[KIT.fsh]"));
    commandLine.process(application);
    const std::string kit = KitArgument::fromCommandLine(argc, argv);

    QtFileDialogs fileDialogs;
    QtMessageBoxes messageBoxes;
    ImmediateExit programExit;
    QtProgramLocation programLocation;
    QtSkinPictureReader skinReader;
    const ProgramServices programServices(
        {fileDialogs, messageBoxes, programExit, programLocation, skinReader});
    const MainWindowServices& services = programServices.mainWindow();

    // The splash alone until the user answers it; only then does the main window exist and run its
    // start-up checks. Closing the splash by other means closes the program's only window: the
    // program ends.
    std::unique_ptr<QtForm1> window;
    auto* splash = new QtFrmSplash(programExit, [&] {
        window = std::make_unique<QtForm1>(services);
        if (!window->logic().isRunning()) return;
        window->show();
        window->activateWindow();  // the key that dismissed the splash was meant for us
        // Loaded from the event loop, with the window drawn, as if the open dialog had named it.
        if (!kit.empty()) {
            QTimer::singleShot(0, window.get(),
                               [w = window.get(), kit] { w->logic().loadJersey(kit); });
        }
    });
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    splash->activateWindow();
    return QApplication::exec();
}
