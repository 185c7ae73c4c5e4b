// Engine throughput: parsing a 10 MB mod, applying 1,000 steps to a 20 MB file, and a whole
// install and uninstall through the disk; each next to a plain pass over the same bytes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "kestrune/ApplyStep.h"
#include "kestrune/DataFiles.h"
#include "kestrune/ModParser.h"

namespace {

using kestrune::TMod;
using kestrune::TStep;

// A forum script of about `bytes`, one numbered Perl line after another.
std::string ForumText(size_t bytes) {
    std::string text;
    text.reserve(bytes + 64);
    for (size_t n = 0; text.size() < bytes; ++n) {
        text +=
            "    $line" + std::to_string(n) + " = &fetch(\"value " + std::to_string(n) + "\");\r\n";
    }
    return text;
}

std::string ForumLine(size_t n) {
    return "    $line" + std::to_string(n) + " = &fetch(\"value " + std::to_string(n) + "\");";
}

size_t ForumLines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

// `count` steps spread evenly over a file of `lines` lines, cycling through the three kinds.
TMod SpreadSteps(size_t count, size_t lines, const std::string& file) {
    TMod mod;
    for (size_t k = 0; k < count; ++k) {
        int kind = 14 + 2 * static_cast<int>(k % 3);
        mod.Steps.push_back(
            TStep{file, ForumLine(k * (lines / count)), kind,
                  "    # step " + std::to_string(k) + "\r\n    &hook(" + std::to_string(k) + ");"});
    }
    return mod;
}

// The layout the editor writes, with multi-line blocks, to about `bytes`.
std::string ModText(size_t bytes) {
    std::string text =
        "<id>\r\nBench\r\n</id>\r\n\r\n<version>\r\n1\r\n</version>\r\n\r\n<mod info>\r\n"
        "Large mod\r\n</mod info>\r\n\r\n";
    for (size_t k = 0; text.size() < bytes; ++k) {
        std::string n = std::to_string(k);
        text += "<edit file>\r\nSources/Post" + n + ".pl\r\n</edit file>\r\n\r\n<search for>\r\n" +
                ForumLine(k) + "\r\n" + ForumLine(k + 1) +
                "\r\n</search for>\r\n\r\n<replace>\r\n" + "    # changed " + n + "\r\n" +
                ForumLine(k) + "\r\n</replace>\r\n\r\n";
    }
    return text;
}

void BM_ParseMod10MB(benchmark::State& state) {
    std::string text = ModText(10 << 20);
    auto box = [](const modcommon::BoxRequest&) { return modcommon::BoxAnswer::Ok; };
    for (auto _ : state) {
        TMod mod;
        kestrune::ParseModText(mod, text, "bench.mod", "/forum/YaBB.pl", box);
        benchmark::DoNotOptimize(mod.Steps.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// Peer: one std::string::find pass for a tag that isn't there.
void BM_FindPass10MB(benchmark::State& state) {
    std::string text = ModText(10 << 20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.find("<no such tag>"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_Apply1000StepsTo20MB(benchmark::State& state) {
    const std::string original = ForumText(20 << 20);
    TMod mod = SpreadSteps(1000, ForumLines(original), "Sources/Post.pl");
    char folder[] = "/tmp/engine-bench-XXXXXX";
    std::string forum = std::string(::mkdtemp(folder)) + "/";
    std::filesystem::create_directories(forum + "Sources");
    std::ofstream(forum + "Sources/Post.pl") << "x";
    for (auto _ : state) {
        state.PauseTiming();
        kestrune::DataFileList list = {{"Sources/Post.pl", 1, original}};
        state.ResumeTiming();
        for (int n = 1; n <= 1000; ++n) {
            if (kestrune::ApplyStep(mod, n, true, forum, list) != 0) {
                state.SkipWithError("a step failed");
            }
        }
        benchmark::DoNotOptimize(list[0].Content.data());
    }
    std::filesystem::remove_all(forum);
}

// Peer: 1,000 copies of the same 20 MB (every step rebuilds the buffer once).
void BM_Memcpy1000x20MB(benchmark::State& state) {
    const std::string original = ForumText(20 << 20);
    std::string copy(original.size(), '\0');
    for (auto _ : state) {
        for (int n = 0; n < 1000; ++n) {
            std::memcpy(copy.data(), original.data(), original.size());
            benchmark::ClobberMemory();
        }
    }
}

// Five 4 MB files with LF breaks, 300 steps: load, install, write; load, uninstall, write.
void BM_InstallThenUninstall(benchmark::State& state) {
    char folder[] = "/tmp/engine-bench-XXXXXX";
    std::string forum = std::string(::mkdtemp(folder)) + "/";
    std::string lf = ForumText(4 << 20);
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    TMod mod;
    for (int f = 0; f < 5; ++f) {
        std::string name = "Script" + std::to_string(f) + ".pl";
        std::ofstream(forum + name, std::ios::binary) << lf;
        TMod part = SpreadSteps(60, ForumLines(lf), name);
        mod.Steps.insert(mod.Steps.end(), part.Steps.begin(), part.Steps.end());
    }
    const int steps = static_cast<int>(mod.Steps.size());
    for (auto _ : state) {
        for (bool install : {true, false}) {
            kestrune::DataFileList list;
            if (kestrune::LoadDataFiles(list, mod, forum, true)) {
                state.SkipWithError("load failed");
            }
            for (int n = 1; n <= steps; ++n) {
                if (kestrune::ApplyStep(mod, n, install, forum, list) != 0) {
                    state.SkipWithError("a step failed");
                }
            }
            if (kestrune::WriteDataFiles(list, forum, true)) {
                state.SkipWithError("write failed");
            }
            kestrune::FreeDataFiles(list);
        }
    }
    std::filesystem::remove_all(forum);
}

// Peer: read and rewrite the same five files twice with plain streams (no flush to disk).
void BM_ReadWriteSameFilesTwice(benchmark::State& state) {
    char folder[] = "/tmp/engine-bench-XXXXXX";
    std::string forum = std::string(::mkdtemp(folder)) + "/";
    std::string lf = ForumText(4 << 20);
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    for (int f = 0; f < 5; ++f) {
        std::ofstream(forum + "Script" + std::to_string(f) + ".pl", std::ios::binary) << lf;
    }
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass) {
            for (int f = 0; f < 5; ++f) {
                std::string path = forum + "Script" + std::to_string(f) + ".pl";
                std::stringstream bytes;
                bytes << std::ifstream(path, std::ios::binary).rdbuf();
                std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.str();
            }
        }
    }
    std::filesystem::remove_all(forum);
}

}  // namespace

BENCHMARK(BM_ParseMod10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindPass10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Apply1000StepsTo20MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Memcpy1000x20MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InstallThenUninstall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWriteSameFilesTwice)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
