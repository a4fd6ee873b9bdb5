// Times "Convert All" over 200 small GPX files to KML through the gpsbabel host against the same
// 200 conversions run by a plain shell loop of the engine, and prints the ratio of one run each,
// by the clock and by processor time.
#include "convert/ConversionRun.h"
#include "host/GpsBabelHost.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int FileCount = 200;

class QuietView : public tolk::RunView {
public:
    void ShowStatus(const std::string& text) override { last = text; }
    void ShowResultCode(std::int32_t) override {}
    std::optional<std::string> TakeEditedTargetFolder() override { return std::nullopt; }
    void BringToFront() override {}

    std::string last;
};

class QuietMessenger : public tolk::Messenger {
public:
    void ShowMessage(const std::string& text) override {
        std::printf("message: %s\n", text.c_str());
    }
    bool AskYesNo(const std::string&) override { return false; }
    void ReportError(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }
};

// A few waypoints and a short track, different in every file.
void WriteGpx(const fs::path& path, int index) {
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

struct Took {
    double wall; ///< seconds on the clock
    double cpu;  ///< processor seconds of this program and of the processes it waited for
};

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

Took Measure(const std::function<void()>& action) {
    const double cpu = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    action();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            CpuSeconds() - cpu};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const fs::path root = fs::temp_directory_path() / ("tolk-bench-" + std::to_string(getpid()));
    fs::create_directories(root / "src");
    fs::create_directories(root / "ours");
    fs::create_directories(root / "shell");

    tolk::ConversionSettings settings;
    settings.SourceFldr = (root / "src").string();
    settings.TargetFldr = (root / "ours").string();
    settings.SourceExt = "gpx";
    settings.TargetExt = "kml";
    tolk::SourceFileList files;
    std::vector<std::string> names;
    for (int index = 0; index < FileCount; ++index) {
        names.push_back("track " + std::to_string(index) + ".gpx");
        WriteGpx(root / "src" / names.back(), index);
    }
    files.SetNames(names);

    tolk::HostConnection host(tolk::CreateGpsBabelHost(tolk::GpsBabelConfig()));
    QuietView view;
    QuietMessenger messenger;
    tolk::ConversionRun run(settings, host, files, view, messenger);

    // The same engine arguments as the host passes, one engine start per file.
    const std::string loop = "cd '" + root.string() +
                             "' && for f in src/*.gpx; do name=${f#src/}; "
                             "gpsbabel -p '' -w -t -r -i gpx -f \"$f\" -o kml "
                             "-F \"shell/${name%.gpx}.kml\" || exit 1; done";
    // One untimed engine start, so that both timed runs find the engine in the page cache.
    std::system(("gpsbabel -V > /dev/null"));
    const Took shell = Measure([&] {
        if (std::system(loop.c_str()) != 0) {
            std::fprintf(stderr, "The shell loop failed.\n");
        }
    });
    const Took ours = Measure([&] { run.ConvertAll(); });

    std::printf("Convert All: %7.3f s, processor %7.3f s (%s)\n", ours.wall, ours.cpu,
                view.last.c_str());
    std::printf("shell loop:  %7.3f s, processor %7.3f s\n", shell.wall, shell.cpu);
    // On a busy machine the clock mostly measures the other work; processor time does not.
    std::printf("ratio: %.3f (goal: at most 1.10); by processor time: %.3f\n",
                ours.wall / shell.wall, ours.cpu / shell.cpu);
    fs::remove_all(root);
    return 0;
}
