// A small pool: each worker takes the next kit not yet taken; the calling thread waits for the
// kits' results in order and reports each as soon as it and all before it are done.
#include "parallel_batch.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
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
    std::vector<std::optional<KitResult>> results(jobs);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    int idleWorkers = 0;
    auto work = [&](int worker) {
        // Asked before a job is taken, so every job taken is converted: they are 0..next-1.
        while (!stop()) {
            const std::size_t job = next++;
            if (job >= jobs) break;
            KitResult result = convert(worker, job);
            {
                const std::lock_guard lock(mutex);
                results[job] = std::move(result);
            }
            finished.notify_one();
        }
        {
            const std::lock_guard lock(mutex);
            ++idleWorkers;
        }
        finished.notify_one();
    };
    std::vector<std::jthread> pool;
    for (int worker = 0; worker < threads; ++worker) pool.emplace_back(work, worker);
    for (std::size_t job = 0; job < jobs; ++job) {
        std::unique_lock lock(mutex);
        // A job no worker has taken stays empty once they are all idle: the batch was stopped.
        finished.wait(lock, [&] { return results[job].has_value() || idleWorkers == threads; });
        if (!results[job]) return job;
        const KitResult result = std::move(*results[job]);
        results[job].reset();  // a batch of thousands keeps only what is not yet reported
        lock.unlock();
        report(job, result);
    }
    return jobs;
}
