#pragma once

#include "ProgramRun.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>
#include <string>

// Header only: the built programs' folder, TOLK_BIN_DIR, is defined for each test program.
namespace tolk::testing {

inline QString BatchProgram() {
    return QStringLiteral(TOLK_BIN_DIR "/tolkconv-batch");
}

/// The built command as a user runs it (see RunProgram). With a prefix, that command runs it (the
/// prefix's first word is the program).
inline Finished
RunBatch(const QStringList& arguments,
         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
         const QStringList& prefix = {}) {
    const QStringList command = prefix + QStringList{BatchProgram()} + arguments;
    return RunProgram(command.front(), command.mid(1), environment);
}

/// Reads the running process's standard output into `out` until it holds the text; false when
/// it does not within the time.
inline bool WaitForOutput(QProcess& process, std::string& out, const std::string& text,
                          int milliseconds = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (out.find(text) == std::string::npos && timer.elapsed() < milliseconds &&
           process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput().toStdString();
    }
    return out.find(text) != std::string::npos;
}

} // namespace tolk::testing
