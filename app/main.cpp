// The program: the splash first, then the main window with the real dialogs, message boxes and
// program starter.
#include <QApplication>
#include <memory>

#include "application_location.h"
#include "form1.h"
#include "immediate_exit.h"
#include "program_starter.h"
#include "qt_file_dialogs.h"
#include "qt_message_boxes.h"
#include "splash_window.h"

namespace {
// Until the browser launcher is in, a web address goes nowhere.
class NoUrlOpener : public UrlOpener {
public:
    void openUrl(const std::string&) override {}
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestrix"));
    QApplication::setApplicationVersion(QStringLiteral(VESTRIX_VERSION));

    QtFileDialogs fileDialogs;
    QtMessageBoxes messageBoxes;
    ImmediateExit programExit;
    const std::unique_ptr<ProgramStarter> programStarter = createProgramStarter();
    ApplicationLocation programLocation;
    NoUrlOpener urlOpener;
    const MainWindowServices services{fileDialogs, messageBoxes, programExit, *programStarter,
                                      programLocation, urlOpener};

    // The splash alone until the user answers it; only then does the main window exist and run its
    // start-up checks. Closing the splash by other means closes the program's only window: the
    // program ends.
    std::unique_ptr<Form1> window;
    auto* splash = new FrmSplash([&] {
        window = std::make_unique<Form1>(services);
        if (!window->isRunning()) return;
        window->show();
        window->activateWindow();  // the key that dismissed the splash was meant for us
    });
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    splash->activateWindow();
    return QApplication::exec();
}
