#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <string>

namespace tolk::testing {

/// How a program run ended: its exit status (-1 when it crashed) and what it printed.
struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs a built program as a user runs it: a process of its own, its standard input a pipe at its
/// end and not a terminal, in the given environment (by default the test's, with its HOME).
Finished
RunProgram(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

} // namespace tolk::testing
