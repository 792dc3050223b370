#include "analysis/distribution_data.h"

#include <utility>

namespace quarrow::analysis {

DistributionData DistributionOfBatch(const EvolveBatch& batch,
                                     const std::vector<std::vector<EvolveRecord>>& records,
                                     bool interrupted, std::string seedText) {
    DistributionData data;
    data.phrase = batch.phrase;
    data.runsRequested = batch.runs;
    data.interrupted = interrupted;
    data.seedText = std::move(seedText);
    for (std::size_t s = 0; s < batch.schemes.size() && s < records.size(); ++s) {
        SchemeRuns& runs = data.schemes.emplace_back();
        runs.scheme = batch.schemes[s];
        for (const EvolveRecord& record : records[s]) {
            if (record.finished) {
                runs.generations.push_back(record.generations);
                runs.strings.push_back(record.strings);
            }
        }
    }
    return data;
}

} // namespace quarrow::analysis
