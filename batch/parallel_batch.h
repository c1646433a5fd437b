// Runs a batch's kits on several threads while the results are reported in the order the kits
// were given, so the messages read the same whatever the number of threads.
#pragma once

#include <cstddef>
#include <functional>

#include "batch/batch_converter.h"

class ParallelBatch {
public:
    /** convert(worker, job): worker is 0..threads-1, each worker's calls come from one thread. */
    using Convert = std::function<KitResult(int worker, std::size_t job)>;
    /** Called on the calling thread for job 0, 1, 2, ... in turn. */
    using Report = std::function<void(std::size_t job, const KitResult& result)>;
    /** Asked before each kit is started; once true, no further kit starts. */
    using Stop = std::function<bool()>;

    /**
     * Converts and reports the jobs; returns how many were done, all of them unless stop asked
     * for an end: the kits already started are finished and reported first.
     */
    static std::size_t run(std::size_t jobs, int threads, const Convert& convert,
                           const Report& report, const Stop& stop);
};
