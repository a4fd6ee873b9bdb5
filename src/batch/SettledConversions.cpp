#include "batch/SettledConversions.h"

#include "convert/SourceFolder.h"
#include "core/ErrorReport.h"

#include <algorithm>

namespace tolk {

void WatchedFiles::Add(const BatchRun::Result& result) {
    for (const std::string& name : result.names) {
        m_converted[name] = true;
    }
    for (const int index : result.totals.notConverted) {
        m_converted[result.names[static_cast<std::size_t>(index)]] = false;
    }
    m_partlyKept += result.totals.partlyKept;
}

RunTotals WatchedFiles::Totals() const {
    RunTotals totals;
    totals.done = static_cast<int>(m_converted.size());
    totals.converted = static_cast<int>(
        std::ranges::count_if(m_converted, [](const auto& file) { return file.second; }));
    totals.partlyKept = m_partlyKept;
    return totals;
}

SettledConversions::SettledConversions(BatchRun& run, Console& console,
                                       std::function<bool()> stopAsked, QEventLoop& loop)
    : m_run(run), m_console(console), m_sink(console), m_stopAsked(std::move(stopAsked)),
      m_loop(loop), m_waiting(&PathOrderLess) {}

void SettledConversions::Add(const std::vector<std::string>& names) {
    m_waiting.insert(names.begin(), names.end());
    if (!m_thread) {
        StartNext();
    }
}

RunTotals SettledConversions::Finish() {
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
        m_watched.Add(m_result);
    }
    return m_watched.Totals();
}

void SettledConversions::StartNext() {
    const std::vector<std::string> names(m_waiting.begin(), m_waiting.end());
    m_waiting.clear();
    m_result = {};
    m_thread.reset(QThread::create([this, names] {
        // An engine failure, or any other error, ends the watch as it ends a run.
        m_failed = true;
        RunGuarded(m_console, [&] {
            m_result = m_run.Convert(names, false, m_sink);
            m_failed = m_result.totals.failure.has_value();
        });
    }));
    connect(m_thread.get(), &QThread::finished, this, &SettledConversions::Ended);
    m_thread->start();
}

void SettledConversions::Ended() {
    Finish();
    if (m_failed || m_stopAsked()) {
        m_loop.quit();
    } else if (!m_waiting.empty()) {
        StartNext();
    }
}

} // namespace tolk
