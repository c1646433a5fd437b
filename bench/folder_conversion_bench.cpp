// A folder of 1000 richly shaded kits (every picture with 256 colours of its own, the heaviest a
// real kit can be) converted from the window, against vestrix-convert -d on the same folder, in
// one run, on tmpfs where there is one. Also the longest time the window's event loop went
// unserved during the window's run: a 1 ms timer notes every gap between its ticks.
//
// usage: vestrix-folder-bench [ROUNDS]   (5 by default; medians and the worst gap are printed)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "mainwindow/qt/qt_form1.h"
#include "skins/qt/qt_skin_picture_reader.h"
#include "tools/fsh_blocks.h"
#include "tools/rich_kit.h"

namespace fs = std::filesystem;

namespace {

constexpr int kKits = 1000;

// Services that answer at once: the pickers name the kits and the output, the summary is
// answered No and ends the round.
struct ScriptedServices : FileDialogs,
                          MessageBoxes,
                          ProgramExit,
                          ProgramStarter,
                          ProgramLocation,
                          UrlOpener,
                          SystemInfoTool {
    std::string openFileName(const std::string&) override { return {}; }
    std::string saveFileName(const std::string&) override { return {}; }
    std::string chooseFolder(const std::string&, const std::string&, FolderKind) override {
        return pickerAnswers.at(picked++ % 2);
    }
    MessageAnswer show(const std::string& text, const std::string&, MessageButtons,
                       MessageAnswer) override {
        summary = text;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return MessageAnswer::No;
    }
    void exitNow(int) override {}
    void start(const std::string&, const std::vector<std::string>&) override {}
    void showTextFile(const std::string&, ViewerFailed) override {}
    void showWebPage(const std::string&, ViewerFailed) override {}
    void showFolder(const std::string&, ViewerFailed) override {}
    std::string programFolder() const override { return folder; }
    ProgramLocations locations() const override { return {}; }
    void openUrl(const std::string&) override {}
    void start() override {}

    std::string folder;
    std::vector<std::string> pickerAnswers;
    int picked = 0;
    std::string summary;
    QtSkinPictureReader skinReader;
    MainWindowServices services{*this, *this, *this, *this, *this, *this, skinReader, *this};
};

QString scratchTemplate() {
    const QString shm = QStringLiteral("/dev/shm");
    return (QDir(shm).exists() ? shm : QDir::tempPath()) + QStringLiteral("/vestrix-bench-XXXXXX");
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void copyShipped(const fs::path& programFolder) {
    for (const char* name : {"pk001.fsh", "fifa2k.pal", "subzero.jpg"})
        fs::copy_file(fs::path(VESTRIX_SOURCE_DIR) / "resources" / name, programFolder / name);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir scratch(scratchTemplate());
    const fs::path root = QFile::encodeName(scratch.path()).toStdString();
    fs::create_directories(root / "program");
    copyShipped(root / "program");
    fs::create_directories(root / "kits");
    for (int i = 0; i < kKits; ++i) {
        const auto kit = RichKit::build(static_cast<std::uint32_t>(i),
                                        i % 2 ? FshBlocks::kPaletteRgb : FshBlocks::kPaletteBgra);
        std::ofstream(root / "kits" / ("rich-" + std::to_string(i) + ".fsh"), std::ios::binary)
            .write(reinterpret_cast<const char*>(kit.data()),
                   static_cast<std::streamsize>(kit.size()));
    }

    ScriptedServices services;
    services.folder = (root / "program").string();
    QtForm1 window(services.services);
    window.show();
    QApplication::processEvents();

    std::vector<double> converterMs, windowMs, gapsMs;
    for (int round = 0; round < rounds; ++round) {
        // vestrix-convert -d, as a whole process, into a fresh folder.
        fs::remove_all(root / "out-convert");
        QElapsedTimer clock;
        clock.start();
        const int status = QProcess::execute(QStringLiteral(VESTRIX_CONVERT),
                                             {QStringLiteral("-q"), QStringLiteral("-d"),
                                              QFile::decodeName((root / "out-convert").c_str()),
                                              QFile::decodeName((root / "kits").c_str())});
        converterMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (status != 0) {
            std::fprintf(stderr, "vestrix-convert failed (%d)\n", status);
            return 1;
        }

        // The window: from the command to the summary, with the event loop watched meanwhile.
        fs::remove_all(root / "out-window");
        services.pickerAnswers = {(root / "kits").string(), (root / "out-window").string()};
        services.summary.clear();
        qint64 lastTick = -1, longestGap = 0;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        probe.setInterval(1);
        QObject::connect(&probe, &QTimer::timeout, &probe, [&] {
            const qint64 now = clock.nsecsElapsed();
            if (lastTick >= 0) longestGap = std::max(longestGap, now - lastTick);
            lastTick = now;
        });
        QTimer::singleShot(0, &window, [&] {
            clock.start();
            lastTick = 0;
            window.logic().ConvertFolderMenu_Click();
        });
        probe.start();
        QApplication::exec();
        probe.stop();
        windowMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        gapsMs.push_back(static_cast<double>(longestGap) / 1e6);
        if (!services.summary.starts_with("1000 of 1000 kits converted")) {
            std::fprintf(stderr, "the window's run failed: %s\n", services.summary.c_str());
            return 1;
        }
    }
    std::printf("1000 rich kits, %d rounds (medians)\n", rounds);
    std::printf("vestrix-convert -d: %8.1f ms\n", median(converterMs));
    std::printf("window:             %8.1f ms  (%.2f x the converter)\n", median(windowMs),
                median(windowMs) / median(converterMs));
    std::printf(
        "longest the window's event loop went unserved: %.1f ms (worst of all rounds; "
        "median %.1f ms)\n",
        *std::max_element(gapsMs.begin(), gapsMs.end()), median(gapsMs));
    return 0;
}
