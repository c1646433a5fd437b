// How fast a jersey converts: one whole load in memory, with and without previews (the window's
// load as a whole is in mainwindow_bench), and the command-line converter over a thousand jerseys
// against the bare cost of reading them and copying the template (the I/O floor), in the same run
// and on the same folder. The batches use richly shaded kits (256 distinct colours in every
// picture, the heaviest input a real kit can be) as well as a bundled sample. The scratch folder
// is on tmpfs (/dev/shm) where there is one: on a shared disk the floor alone swings from run to
// run by a factor of ten.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "batch/batch_converter.h"
#include "batch/batch_plan.h"
#include "batch/parallel_batch.h"
#include "batch/preview_set.h"
#include "bench/io_floor.h"
#include "conversion/entry_converter.h"
#include "conversion/memory_work_file.h"
#include "conversion/palette_file.h"
#include "tools/fsh_blocks.h"
#include "tools/rich_kit.h"

namespace fs = std::filesystem;
using IoFloor::Bytes;
using IoFloor::readAll;
using IoFloor::writeAll;

namespace {

const std::string kResources = VESTRIX_SOURCE_DIR "/resources";
constexpr int kBatchSize = 1000;

fs::path firstSample() {
    std::vector<fs::path> samples;
    for (const auto& entry : fs::directory_iterator(kResources + "/samples"))
        samples.push_back(entry.path());
    std::sort(samples.begin(), samples.end());
    return samples.at(0);
}

class PreviewHost : public ConversionHost {
public:
    explicit PreviewHost(bool previews = true) : m_wantsPreviews(previews) {}
    bool wantsPreviews() const override { return m_wantsPreviews; }
    std::int16_t paletteBase() const override { return paletteBaseOf(ColorMode::Normal); }
    PreviewSurface& preview(int index) override { return m_previews.preview(index); }
    int progress() const override { return m_progress; }
    void setProgress(int value) override { m_progress = value; }
    void reset() {
        if (m_wantsPreviews) m_previews.clear();
        m_progress = 0;
    }

private:
    bool m_wantsPreviews;
    PreviewSet m_previews;
    int m_progress = 0;
};

fs::path scratchRoot() {
    std::error_code error;
    return fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

/** A scratch folder holding copies of the program files, removed afterwards. */
struct Scratch {
    fs::path folder = scratchRoot() / "vestrix-bench";
    Scratch() {
        fs::remove_all(folder);
        fs::create_directories(folder / "in");
        fs::create_directories(folder / "out");
        fs::copy_file(kResources + "/pk001.fsh", folder / "pk001.fsh");
        fs::copy_file(kResources + "/fifa2k.pal", folder / "fifa2k.pal");
    }
    ~Scratch() { fs::remove_all(folder); }
};

}  // namespace

// One load on files already in memory: the conversion's own cost, on the first sample (0)
// or a richly shaded kit (1), with previews (1) and without (0, as the command-line converter
// runs it).
static void BM_LoadInMemory(benchmark::State& state) {
    const SourceArchive source(state.range(0) ? RichKit::build(7, FshBlocks::kPaletteBgra)
                                              : readAll(firstSample()));
    const Bytes templateBytes = readAll(kResources + "/pk001.fsh");
    const Palette palette = LoadPaletteFile(kResources + "/fifa2k.pal");
    PreviewHost host(state.range(1) != 0);
    for (auto _ : state) {
        host.reset();
        MemoryWorkFile work(templateBytes);
        ConvertJersey(
            source, work, [&] { return palette; }, host);
        benchmark::DoNotOptimize(work.bytes().data());
    }
}
BENCHMARK(BM_LoadInMemory)
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->ArgNames({"rich", "previews"})
    ->Unit(benchmark::kMicrosecond);

namespace {
/** 1000 kits in scratch/in: richly shaded ones (both palette types) or copies of a sample. */
std::vector<fs::path> makeBatch(const Scratch& scratch, bool rich) {
    const Bytes sample = readAll(firstSample());
    std::vector<fs::path> inputs;
    for (int i = 0; i < kBatchSize; ++i) {
        inputs.push_back(scratch.folder / "in" / ("kit" + std::to_string(i) + ".fsh"));
        writeAll(inputs.back(),
                 rich ? RichKit::build(static_cast<std::uint32_t>(i),
                                       i % 2 ? FshBlocks::kPaletteRgb : FshBlocks::kPaletteBgra)
                      : sample);
    }
    return inputs;
}

/** Every round writes new files into an empty folder, as a user's batch does. */
void freshOutputFolder(benchmark::State& state, const Scratch& scratch) {
    state.PauseTiming();
    fs::remove_all(scratch.folder / "out");
    fs::create_directories(scratch.folder / "out");
    state.ResumeTiming();
}
}  // namespace

// vestrix-convert's work over 1000 kits: plan the outputs (folder opened, every output
// examined), read, check, convert and write each result safely, on range(1) threads; range(0) 1
// for richly shaded kits, 0 for the sample.
static void BM_Batch1000(benchmark::State& state) {
    Scratch scratch;
    makeBatch(scratch, state.range(0) != 0);
    const int threads = static_cast<int>(state.range(1));
    BatchRequest line;
    line.inputs = {(scratch.folder / "in").string()};
    line.outputFolder = (scratch.folder / "out").string();
    const BatchConverter converter =
        BatchConverter::fromFolder(scratch.folder.string(), false, false);
    std::vector<BatchConverter> converters(static_cast<std::size_t>(threads), converter);
    for (auto _ : state) {
        freshOutputFolder(state, scratch);
        std::string error;
        const BatchPlan plan = BatchPlan::make(line, {}, {}, error);
        if (!error.empty()) std::abort();
        ParallelBatch::run(
            plan.jobs().size(), threads,
            [&](int worker, std::size_t job) {
                return converters[static_cast<std::size_t>(worker)].convert(plan.jobs()[job]);
            },
            [](std::size_t, const KitResult& result) {
                if (!result.error.empty()) std::abort();
            },
            [] { return false; });
    }
    state.SetItemsProcessed(state.iterations() * kBatchSize);
}
BENCHMARK(BM_Batch1000)
    ->ArgsProduct({{0, 1}, {1, 2}})
    ->ArgNames({"rich", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The floor: read each kit and write a copy of the template into the fresh folder, nothing else.
static void BM_IoFloor1000(benchmark::State& state) {
    Scratch scratch;
    const auto inputs = makeBatch(scratch, state.range(0) != 0);
    const Bytes templateBytes = readAll(scratch.folder / "pk001.fsh");
    for (auto _ : state) {
        freshOutputFolder(state, scratch);
        benchmark::DoNotOptimize(IoFloor::copyBatch(inputs, templateBytes, scratch.folder / "out"));
    }
    state.SetItemsProcessed(state.iterations() * kBatchSize);
}
BENCHMARK(BM_IoFloor1000)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("rich")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
