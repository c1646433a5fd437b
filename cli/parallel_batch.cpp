// A small pool: each worker takes the next kit not yet taken; the calling thread waits for the
// kits' results in order and reports each as soon as it and all before it are done.
#include "parallel_batch.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

void ParallelBatch::run(std::size_t jobs, int threads, const Convert& convert,
                        const Report& report) {
    if (threads <= 1 || jobs <= 1) {
        for (std::size_t job = 0; job < jobs; ++job) report(job, convert(0, job));
        return;
    }
    std::vector<std::optional<KitResult>> results(jobs);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    auto work = [&](int worker) {
        for (std::size_t job = next++; job < jobs; job = next++) {
            KitResult result = convert(worker, job);
            {
                const std::lock_guard lock(mutex);
                results[job] = std::move(result);
            }
            finished.notify_one();
        }
    };
    std::vector<std::jthread> pool;
    for (int worker = 0; worker < threads; ++worker) pool.emplace_back(work, worker);
    for (std::size_t job = 0; job < jobs; ++job) {
        std::unique_lock lock(mutex);
        finished.wait(lock, [&] { return results[job].has_value(); });
        const KitResult result = std::move(*results[job]);
        results[job].reset();  // a batch of thousands keeps only what is not yet reported
        lock.unlock();
        report(job, result);
    }
}
