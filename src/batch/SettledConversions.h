#pragma once

#include "batch/BatchRun.h"
#include "batch/Console.h"
#include "convert/RunSink.h"
#include "convert/RunTotals.h"

#include <QEventLoop>
#include <QThread>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tolk {

/// The end of each conversion while watching: its messages and errors as always, but not its
/// summary nor its note of files that kept only part of their data; the watch's own totals come
/// when it ends.
class WatchSink : public CommandSink {
public:
    explicit WatchSink(Console& console) : m_console(console) {}
    void ShowStatus(const std::string&) override {}
    void ShowNote(const std::string&) override {}
    void ShowMessage(const std::string& text) override { m_console.ShowMessage(text); }
    void ReportError(const std::string& message) override { m_console.ReportError(message); }

private:
    Console& m_console;
};

/// What the files converted while watching came to: each file counts once, as its last
/// conversion came out, so a file that failed and then converted counts as converted.
class WatchedFiles {
public:
    void Add(const BatchRun::Result& result);
    RunTotals Totals() const;

private:
    std::map<std::string, bool> m_converted;
    int m_partlyKept = 0;
};

/// Converts each group of files the watch tells of on a thread of its own, one group after the
/// other, so that the watch goes on reading the system's notices while files convert (a busy tree
/// would otherwise overflow the system's queue of them). Files told of during a conversion are
/// converted together once it ends. An error, or a stop asked for, ends the loop. The watch's
/// signals and the thread's end reach it only while it lives: it is their receiver.
class SettledConversions : public QObject {
public:
    SettledConversions(BatchRun& run, Console& console, std::function<bool()> stopAsked,
                       QEventLoop& loop);
    ~SettledConversions() override { Finish(); }
    SettledConversions(const SettledConversions&) = delete;
    SettledConversions& operator=(const SettledConversions&) = delete;

    void Add(const std::vector<std::string>& names);
    /// Waits for the conversion under way (after a stop, it ends as a stopped run does), then
    /// gives the totals of the files converted.
    RunTotals Finish();

private:
    void StartNext();
    void Ended();

    BatchRun& m_run;
    Console& m_console;
    WatchSink m_sink;
    std::function<bool()> m_stopAsked;
    QEventLoop& m_loop;
    std::set<std::string, bool (*)(const std::string&, const std::string&)> m_waiting;
    std::unique_ptr<QThread> m_thread;
    BatchRun::Result m_result;
    bool m_failed = false;
    WatchedFiles m_watched;
};

} // namespace tolk
