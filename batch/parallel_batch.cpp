// A small pool in which the calling thread converts too: each thread takes the next kit not yet
// taken, and the calling thread reports, between its own kits, every result that is ready in
// order. Nobody waits for a single kit, so a batch costs no wake-ups between threads, only the
// waiting for the last kits at its end.
#include "batch/parallel_batch.h"

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

std::size_t ParallelBatch::run(std::size_t jobs, int threads, const Convert& convert,
                               const Report& report, const Stop& stop) {
    if (threads <= 1 || jobs <= 1) {
        for (std::size_t job = 0; job < jobs; ++job) {
            if (stop()) return job;
            report(job, convert(0, job));
        }
        return jobs;
    }
    // A pointer per job, the result itself only while it waits to be reported: a batch of
    // thousands touches little memory.
    std::vector<std::unique_ptr<KitResult>> results(jobs);
    const auto done = std::make_unique<std::atomic<bool>[]>(jobs);
    std::atomic<std::size_t> next{0};
    // Asked before a job is taken, so every job taken is converted: they are 0..next-1.
    auto work = [&](int worker, auto&& afterEach) {
        while (!stop()) {
            const std::size_t job = next++;
            if (job >= jobs) break;
            results[job] = std::make_unique<KitResult>(convert(worker, job));
            done[job].store(true, std::memory_order_release);
            afterEach();
        }
    };
    std::size_t reported = 0;
    auto reportReady = [&] {
        for (; reported < jobs && done[reported].load(std::memory_order_acquire); ++reported) {
            report(reported, *results[reported]);
            results[reported].reset();
        }
    };
    {
        std::vector<std::jthread> pool;
        for (int worker = 1; worker < threads; ++worker)
            pool.emplace_back([&, worker] { work(worker, [] {}); });
        work(0, reportReady);
    }  // the other threads finish the kits they hold
    reportReady();
    return reported;
}
