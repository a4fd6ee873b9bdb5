#include "BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tolk::bench {
namespace {

double CpuSeconds() {
    double seconds = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval& time : {usage.ru_utime, usage.ru_stime}) {
            seconds += static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
        }
    }
    return seconds;
}

void WriteGpx(const std::filesystem::path& path, int index) {
    std::ofstream file(path);
    file << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<gpx version=\"1.1\" creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    for (int point = 0; point < 5; ++point) {
        file << " <wpt lat=\"" << 46 + index * 0.001 << "\" lon=\"" << 7 + point * 0.01
             << "\"><name>P" << index << "_" << point << "</name></wpt>\n";
    }
    file << " <trk><name>T" << index << "</name><trkseg>\n";
    for (int point = 0; point < 20; ++point) {
        file << "  <trkpt lat=\"" << 46.5 + point * 0.0005 << "\" lon=\"" << 7.5 + index * 0.0001
             << "\"/>\n";
    }
    file << " </trkseg></trk>\n</gpx>\n";
}

// What a second of logging looks like: position, elevation, time, and the fields loggers add.
void WriteTrackPoint(std::ofstream& file, int point) {
    char time[32];
    std::snprintf(time, sizeof time, "2024-05-01T%02d:%02d:%02dZ", point / 3600 % 24,
                  point / 60 % 60, point % 60);
    file << "  <trkpt lat=\"" << 46 + point * 1e-5 << "\" lon=\"" << 7 + point * 1e-5 << "\"><ele>"
         << 500 + point % 100 << "</ele><time>" << time << "</time><course>" << point % 360
         << "</course><speed>" << 1 + point % 7 << "</speed><sat>" << 6 + point % 5
         << "</sat><hdop>" << 0.8 + point % 9 * 0.1 << "</hdop><name>P" << point
         << "</name><desc>Point " << point << " of the long track</desc></trkpt>\n";
}

} // namespace

std::vector<std::string> AddLongTracks(const std::filesystem::path& root, int count, int points) {
    std::vector<std::string> names;
    for (int index = 0; index < count; ++index) {
        names.push_back("long " + std::to_string(index) + ".gpx");
        std::ofstream file(root / "src" / names.back());
        file
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"bench\" "
               "xmlns=\"http://www.topografix.com/GPX/1/1\">\n <trk><name>Long "
            << index << "</name><trkseg>\n";
        for (int point = 0; point < points; ++point) {
            WriteTrackPoint(file, point);
        }
        file << " </trkseg></trk>\n</gpx>\n";
    }
    return names;
}

std::filesystem::path BenchRoot() {
    return std::filesystem::temp_directory_path() / ("tolk-bench-" + std::to_string(getpid()));
}

std::vector<std::string> MakeBenchFolder(const std::filesystem::path& root, int count) {
    for (const char* folder : {"src", "ours", "shell"}) {
        std::filesystem::create_directories(root / folder);
    }
    std::vector<std::string> names;
    for (int index = 0; index < count; ++index) {
        names.push_back("track " + std::to_string(index) + ".gpx");
        WriteGpx(root / "src" / names.back(), index);
    }
    return names;
}

std::vector<std::string> AddHeadedCsvFiles(const std::filesystem::path& root, int count) {
    std::vector<std::string> names;
    for (int index = 0; index < count; ++index) {
        names.push_back("points " + std::to_string(index) + ".csv");
        std::ofstream file(root / "src" / names.back());
        file << "No,Latitude,Longitude,Name\n";
        for (int point = 0; point < 5; ++point) {
            file << point + 1 << "," << 46 + index * 0.001 << "," << 7 + point * 0.01 << ",P"
                 << index << "_" << point << "\n";
        }
    }
    return names;
}

void UseHomeIn(const std::filesystem::path& home) {
    std::filesystem::create_directories(home / "etc/xdg");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (home / "etc/xdg").c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DOCUMENTS_DIR"}) {
        unsetenv(name);
    }
}

Took Measure(const std::function<void()>& action) {
    const double cpu = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    action();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            CpuSeconds() - cpu};
}

Took MeasureCommand(const std::string& command) {
    // A process of its own, so that the peak of its children is that of this command alone.
    int channel[2];
    if (pipe(channel) != 0) {
        return {};
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const int status = std::system(command.c_str());
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        const double cpu =
            static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        const long peak = usage.ru_maxrss;
        if (write(channel[1], &cpu, sizeof cpu) < 0 || write(channel[1], &peak, sizeof peak) < 0 ||
            status != 0) {
            _exit(1);
        }
        _exit(0);
    }
    close(channel[1]);
    Took took{0, 0, 0};
    if (read(channel[0], &took.cpu, sizeof took.cpu) < 0 ||
        read(channel[0], &took.peakKiB, sizeof took.peakKiB) < 0) {
        std::fprintf(stderr, "The measured command told nothing.\n");
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    took.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "The command failed: %s\n", command.c_str());
    }
    return took;
}

std::string EngineXargsRuns(const std::filesystem::path& root, const std::string& outFolder,
                            int jobs) {
    std::ofstream arguments(root / "xargs-arguments", std::ios::binary);
    std::size_t perRun = 0;
    for (const auto& entry : std::filesystem::directory_iterator(root / "src")) {
        if (entry.path().extension() != ".gpx") {
            continue;
        }
        const std::string out = (root / outFolder / entry.path().stem()).string() + ".kml";
        const std::vector<std::string> run{
            "-p", "",    "-w", "-t", "-r", "-i", "gpx", "-f", entry.path().string(),
            "-o", "kml", "-F", out};
        for (const std::string& argument : run) {
            arguments << argument << '\0';
        }
        perRun = run.size();
    }
    return "xargs -0 -n " + std::to_string(perRun) + " -P " + std::to_string(jobs) +
           " gpsbabel < '" + (root / "xargs-arguments").string() + "'";
}

std::string SingleEngineRun(const std::filesystem::path& root, const std::string& outFolder) {
    const std::filesystem::path batch = root / "engine-batch";
    std::ofstream steps(batch);
    for (const auto& entry : std::filesystem::directory_iterator(root / "src")) {
        if (entry.path().extension() == ".gpx") {
            steps << "-i gpx -f \"" << entry.path().string() << "\" -o kml -F \""
                  << (root / outFolder / entry.path().stem()).string()
                  << ".kml\" -x nuketypes,waypoints,tracks,routes\n";
        }
    }
    return "gpsbabel -p '' -w -t -r -b '" + batch.string() + "'";
}

std::vector<std::vector<Took>> MeasureAlternated(const std::vector<std::string>& commands,
                                                 int rounds) {
    for (const std::string& command : commands) {
        MeasureCommand(command);
    }
    std::vector<std::vector<Took>> took(commands.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t turn = 0; turn < commands.size(); ++turn) {
            const std::size_t command = (turn + static_cast<std::size_t>(round)) % commands.size();
            took[command].push_back(MeasureCommand(commands[command]));
        }
    }
    return took;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

namespace {

Took MedianOf(const std::vector<Took>& runs) {
    std::vector<double> wall;
    std::vector<double> cpu;
    Took median{0, 0, 0};
    for (const Took& run : runs) {
        wall.push_back(run.wall);
        cpu.push_back(run.cpu);
        median.peakKiB = std::max(median.peakKiB, run.peakKiB);
    }
    median.wall = Median(wall);
    median.cpu = Median(cpu);
    return median;
}

} // namespace

void PrintAlternatedRow(const std::string& what, const std::vector<Took>& ours,
                        const std::string& reference, const std::vector<Took>& theirs, int files,
                        const RowGoal& goal) {
    std::vector<double> ratios;
    for (std::size_t round = 0; round < std::min(ours.size(), theirs.size()); ++round) {
        ratios.push_back(goal.speedUp ? theirs[round].wall / ours[round].wall
                                      : ours[round].wall / theirs[round].wall);
    }
    const auto [low, high] = std::ranges::minmax(ratios);
    const Took our = MedianOf(ours);
    const Took their = MedianOf(theirs);
    std::fprintf(stderr,
                 "%s: median %.3f s, processor %.3f s; %s: median %.3f s, processor %.3f s; "
                 "ratios of %zu rounds %.2f-%.2f\n",
                 what.c_str(), our.wall, our.cpu, reference.c_str(), their.wall, their.cpu,
                 ratios.size(), low, high);
    char ratio[96];
    std::snprintf(ratio, sizeof ratio, "%.2f (goal: %s)", Median(ratios), goal.text.c_str());
    std::printf("| %s | %s | %s: %s | %s |\n", what.c_str(), SecondsForFiles(our, files).c_str(),
                reference.c_str(), SecondsForFiles(their, files).c_str(), ratio);
}

std::string MiB(long kib) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f MiB", static_cast<double>(kib) / 1024);
    return text;
}

std::string EngineShellLoop(const std::filesystem::path& root, const std::string& outFolder,
                            const std::string& type, const std::string& format) {
    return "cd '" + root.string() + "' && for f in src/*." + type +
           "; do name=${f#src/}; "
           "gpsbabel -p '' -w -t -r -i " +
           format + " -f \"$f\" -o kml -F \"" + outFolder + "/${name%." + type +
           "}.kml\" || exit 1; done";
}

Took MeasureEngineShellLoop(const std::filesystem::path& root, const std::string& outFolder,
                            const std::string& type, const std::string& format) {
    const std::string loop = EngineShellLoop(root, outFolder, type, format);
    if (std::system("gpsbabel -V > /dev/null") != 0) {
        std::fprintf(stderr, "gpsbabel does not start.\n");
    }
    return Measure([&] {
        if (std::system(loop.c_str()) != 0) {
            std::fprintf(stderr, "The shell loop failed.\n");
        }
    });
}

void PrintTableRow(const std::string& what, const std::string& ours, const std::string& reference,
                   double ratio) {
    std::printf("| %s | %s | %s | %.2f |\n", what.c_str(), ours.c_str(), reference.c_str(), ratio);
}

std::string Milliseconds(double milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", milliseconds);
    return text;
}

std::string SecondsForFiles(const Took& took, int files) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f s = %.2f ms a file", took.wall,
                  took.wall * 1000 / files);
    return text;
}

} // namespace tolk::bench
