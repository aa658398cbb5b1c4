// Loads a design file several times and prints the time of the first load,
// the median of all, and the peak memory of the process, to set beside the
// file's size.
//   kicad_load_bench FILE [RUNS]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "design/files/DesignFileLoader.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kicad_load_bench FILE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    std::vector<double> milliseconds;
    std::size_t nets = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        try {
            nets = netlist::LoadDesignFile(argv[1]).nets.size();
        } catch (const netlist::DesignFileError& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
        const auto end = std::chrono::steady_clock::now();
        milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    // The first load also pays for fresh memory; later ones reuse it.
    const double first = milliseconds.front();
    std::sort(milliseconds.begin(), milliseconds.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "load: first %.1f ms, median %.1f ms of %d runs (min %.1f, max %.1f); %zu nets; "
        "file %.1f MB, peak memory %.1f MB\n",
        first, milliseconds[milliseconds.size() / 2], runs, milliseconds.front(),
        milliseconds.back(), nets, static_cast<double>(std::filesystem::file_size(argv[1])) / 1e6,
        static_cast<double>(usage.ru_maxrss) / 1e3);
    return 0;
}
