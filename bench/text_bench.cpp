// Throughput of the toolkit's scans over 100 MB, next to memchr and string_view::find on
// the same input. Run: build/native/bench/text_bench
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <string_view>

#include "text/text.h"

namespace {

constexpr std::size_t kSize = 100u << 20;

// Short URL lines ending in a marker; with `gbk`, every line carries double-byte characters.
const std::string& Input(bool gbk) {
    static const std::string ascii = [] {
        std::string text;
        text.reserve(kSize + 64);
        for (int i = 0; text.size() < kSize; ++i) {
            text += "https://www.example.lan/p/" + std::to_string(i) + ".html\r\n";
        }
        return text + "#end#";
    }();
    static const std::string mixed = [] {
        std::string text;
        text.reserve(kSize + 64);
        for (int i = 0; text.size() < kSize; ++i) {
            text += "https://www.example.lan/\xD0\xC2\xCE\xC5/" + std::to_string(i) + "\r\n";
        }
        return text + "#end#";
    }();
    return gbk ? mixed : ascii;
}

void SetBytes(benchmark::State& state, std::size_t size) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

void BM_FindText(benchmark::State& state) {
    const std::string& text = Input(state.range(0) != 0);
    for (auto _ : state) benchmark::DoNotOptimize(urlpush::FindText(text, "#end#"));
    SetBytes(state, text.size());
}

void BM_StringViewFind(benchmark::State& state) {
    const std::string_view text = Input(state.range(0) != 0);
    for (auto _ : state) benchmark::DoNotOptimize(text.find("#end#"));
    SetBytes(state, text.size());
}

void BM_Memchr(benchmark::State& state) {
    const std::string& text = Input(state.range(0) != 0);
    for (auto _ : state) benchmark::DoNotOptimize(std::memchr(text.data(), '#', text.size()));
    SetBytes(state, text.size());
}

void BM_SplitText(benchmark::State& state) {
    const std::string& text = Input(state.range(0) != 0);
    for (auto _ : state) {
        urlpush::TextArray lines = urlpush::SplitText(text, "\r\n");
        benchmark::DoNotOptimize(urlpush::ArraySize(lines));
    }
    SetBytes(state, text.size());
}

void BM_ReplaceText(benchmark::State& state) {
    const std::string& text = Input(state.range(0) != 0);
    for (auto _ : state) benchmark::DoNotOptimize(urlpush::ReplaceText(text, "\r\n", "\n"));
    SetBytes(state, text.size());
}

// range(0): 0 = ASCII lines, 1 = lines with double-byte characters
BENCHMARK(BM_FindText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringViewFind)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memchr)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
