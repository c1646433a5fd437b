// How fast the window is: from start-up to the window on screen, and one whole load through the
// "Load FIFA99 Jersey" button, previews and progress bar included, of a bundled sample and of a
// richly shaded kit (the heaviest a real kit can be). The program folder is on tmpfs where there
// is one, so the disk's mood does not decide the figures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "mainwindow/qt/qt_form1.h"
#include "skins/qt/qt_skin_picture_reader.h"
#include "tools/fsh_blocks.h"
#include "tools/rich_kit.h"

namespace {

const QString kResources = QStringLiteral(VESTRIX_SOURCE_DIR "/resources");

// Services that answer at once: the open dialog always picks the same jersey.
struct QuietServices : FileDialogs,
                       MessageBoxes,
                       ProgramExit,
                       ProgramStarter,
                       ProgramLocation,
                       UrlOpener,
                       SystemInfoTool {
    std::string openFileName(const std::string&) override { return jersey; }
    std::string saveFileName(const std::string&) override { return {}; }
    std::string chooseFolder(const std::string&, const std::string&) override { return {}; }
    MessageAnswer show(const std::string&, const std::string&, MessageButtons,
                       MessageAnswer) override {
        ++messages;
        return MessageAnswer::Ok;
    }
    void exitNow(int) override { ++messages; }
    void start(const std::string&, const std::vector<std::string>&) override {}
    void startCommandLine(const std::string&) override {}
    void showTextFile(const std::string&, ViewerFailed) override {}
    void showWebPage(const std::string&, ViewerFailed) override {}
    void showFolder(const std::string&, ViewerFailed) override {}
    std::string programFolder() const override { return folder; }
    ProgramLocations locations() const override { return {}; }
    void openUrl(const std::string&) override {}
    void start() override {}

    std::string folder;
    std::string jersey;
    int messages = 0;
    QtSkinPictureReader skinReader;
    MainWindowServices services{*this, *this, *this, *this, *this, *this, skinReader, *this};
};

QString scratchTemplate() {
    const QString shm = QStringLiteral("/dev/shm");
    return (QDir(shm).exists() ? shm : QDir::tempPath()) + QStringLiteral("/vestrix-bench-XXXXXX");
}

// A program folder with copies of the shipped files, and the first bundled sample or a rich kit.
struct ProgramFolder {
    explicit ProgramFolder(bool rich = false) {
        for (const char* name : {"pk001.fsh", "fifa2k.pal", "subzero.jpg"}) {
            QFile::copy(kResources + QLatin1Char('/') + QLatin1String(name),
                        dir.filePath(QLatin1String(name)));
        }
        const QDir samples(kResources + QStringLiteral("/samples"));
        quiet.folder = QFile::encodeName(dir.path()).toStdString();
        quiet.jersey =
            QFile::encodeName(
                samples.filePath(
                    samples.entryList({QStringLiteral("*.fsh")}, QDir::Files, QDir::Name).value(0)))
                .toStdString();
        if (rich) {
            const auto kit = RichKit::build(7, FshBlocks::kPaletteBgra);
            QFile file(dir.filePath(QStringLiteral("rich.fsh")));
            if (file.open(QIODevice::WriteOnly))
                file.write(reinterpret_cast<const char*>(kit.data()),
                           static_cast<qint64>(kit.size()));
            quiet.jersey = QFile::encodeName(file.fileName()).toStdString();
        }
    }
    QTemporaryDir dir{scratchTemplate()};
    QuietServices quiet;
};

void StartUpToWindowShown(benchmark::State& state) {
    ProgramFolder folder;
    for (auto _ : state) {
        auto window = std::make_unique<QtForm1>(folder.quiet.services);
        window->show();
        QApplication::processEvents();  // laid out and painted
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (folder.quiet.messages != 0) state.SkipWithError("the start-up complained");
}
BENCHMARK(StartUpToWindowShown)->Unit(benchmark::kMillisecond);

// One load of the first sample (rich:0) or a richly shaded kit (rich:1).
void LoadWithPreviews(benchmark::State& state) {
    ProgramFolder folder(state.range(0) != 0);
    QtForm1 window(folder.quiet.services);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.logic().Command1_Click();
        QApplication::processEvents();  // the previews painted
    }
    if (folder.quiet.messages != 0 || window.logic().progress() != 90)
        state.SkipWithError("the load failed");
}
BENCHMARK(LoadWithPreviews)->Arg(0)->Arg(1)->ArgName("rich")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
