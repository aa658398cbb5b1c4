// Reads one JSON design file with each of the two JSON readers in turn, in
// one process, and prints the median CPU time and throughput of each: the
// thorough reader (nlohmann's SAX parser, which every file went through
// before the fast reader) and the fast reader that ReadJsonDesign tries
// first. The file is read into memory once; only the parsing is timed.
//   json_load_bench DESIGN.json [RUNS]     (default 7 runs each)
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "design/files/JsonDesignReader.h"

namespace {

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    using namespace netlist;
    if (argc < 2) {
        std::fprintf(stderr, "usage: json_load_bench DESIGN.json [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    std::ifstream in(argv[1], std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    std::vector<double> thorough;
    std::vector<double> fast;
    bool fastAccepted = true;
    try {
        for (int run = 0; run < runs; ++run) {
            double start = cpuMilliseconds();
            const DesignData design = ReadJsonDesignThoroughly(content, argv[1]);
            thorough.push_back(cpuMilliseconds() - start);
            start = cpuMilliseconds();
            fastAccepted = fastAccepted && ReadWellFormedJsonDesign(content, argv[1]) == design;
            fast.push_back(cpuMilliseconds() - start);
        }
    } catch (const DesignFileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 3;
    }
    const double megabytes = static_cast<double>(content.size()) / 1e6;
    std::printf("%.1f MB: thorough %.1f ms (%.0f MB/s), fast %.1f ms (%.0f MB/s)%s\n", megabytes,
                median(thorough), megabytes * 1e3 / median(thorough), median(fast),
                megabytes * 1e3 / median(fast),
                fastAccepted ? "" : "; the fast reader gave up or read it differently");
    return fastAccepted ? 0 : 1;
}
