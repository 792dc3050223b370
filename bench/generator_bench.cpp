#include "search/alphabet.h"

#include <benchmark/benchmark.h>

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
    std::int64_t seed = 1;
    for (auto _ : state) {
        generator.ReseedWhole(seed++);
        benchmark::DoNotOptimize(RandomSymbol(generator));
    }
}
BENCHMARK(BM_ReseedThenDraw);

/// The float interface, for the callers that still reseed with a double.
void BM_ReseedFloatThenDraw(benchmark::State& state) {
    Generator generator;
    double seed = 1.0;
    for (auto _ : state) {
        generator.Reseed(seed);
        seed += 1.0;
        benchmark::DoNotOptimize(SymbolForValue(generator.Next()));
    }
}
BENCHMARK(BM_ReseedFloatThenDraw);

} // namespace
} // namespace quarrow

BENCHMARK_MAIN();
