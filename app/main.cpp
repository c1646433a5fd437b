// The program: the main window with the real dialogs, message boxes, program starter, registry,
// DDE client and browser launcher.
#include <QApplication>

#include "application_location.h"
#include "browser_launcher.h"
#include "dde_client.h"
#include "file_existence.h"
#include "form1.h"
#include "immediate_exit.h"
#include "program_starter.h"
#include "qt_file_dialogs.h"
#include "qt_message_boxes.h"
#include "qt_plain_message_box.h"
#include "registry.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestrix"));
    QApplication::setApplicationVersion(QStringLiteral(VESTRIX_VERSION));

    QtFileDialogs fileDialogs;
    QtMessageBoxes messageBoxes;
    ImmediateExit programExit;
    const std::unique_ptr<ProgramStarter> programStarter = createProgramStarter();
    ApplicationLocation programLocation;
    const std::unique_ptr<Registry> registry = createRegistry();
    const std::unique_ptr<DdeClient> ddeClient = createDdeClient(*programStarter);
    const std::unique_ptr<FileExistence> fileExistence = createFileExistence();
    QtPlainMessageBox browserMessages(messageBoxes);
    BrowserLauncher urlOpener({*registry, *ddeClient, *programStarter, browserMessages});
    const MainWindowServices services{fileDialogs,     messageBoxes, programExit, *programStarter,
                                      programLocation, urlOpener,    *registry,   *fileExistence};

    Form1 window(services);
    if (!window.isRunning()) return 1;
    window.show();
    return QApplication::exec();
}
