#include <benchmark/benchmark.h>

#include "search/alphabet.h"

namespace quarrow {
namespace {

// The floor every other figure is read against: independent draws mapped to symbols.
void BM_IndependentDraw(benchmark::State& state) {
    Generator generator;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RandomSymbol(generator));
    }
}
BENCHMARK(BM_IndependentDraw);

void BM_ReseedThenDraw(benchmark::State& state) {
    Generator generator;
    double seed = 1.0;
    for (auto _ : state) {
        generator.Reseed(seed);
        seed += 1.0;
        benchmark::DoNotOptimize(RandomSymbol(generator));
    }
}
BENCHMARK(BM_ReseedThenDraw);

} // namespace
} // namespace quarrow

BENCHMARK_MAIN();
