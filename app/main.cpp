// The program: the main window with the real dialogs, message boxes and program starter.
#include <QApplication>

#include "application_location.h"
#include "form1.h"
#include "immediate_exit.h"
#include "program_starter.h"
#include "qt_file_dialogs.h"
#include "qt_message_boxes.h"

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

    Form1 window(services);
    if (!window.isRunning()) return 1;
    window.show();
    return QApplication::exec();
}
