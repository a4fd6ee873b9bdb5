#pragma once

#include <QStringList>

namespace tolk {

/// Exit statuses of tolkconv-batch.
enum BatchExit : int {
    AllConverted = 0,
    SomeNotConverted = 1,
    UsageOrSetupFailed = 2,
};

/// The whole command: reads the arguments (the program's name first), runs and returns the
/// exit status. Writes to standard output and standard error; never throws.
int RunBatchCommand(const QStringList& arguments);

} // namespace tolk
