#pragma once

#include "batch/BatchCommandLine.h"

namespace tolk {

/// Answers what the command line asked when it asked no conversion (--help, --version, the
/// listings, the completion's values) on standard output and returns the exit status. A query
/// creates and records nothing: the folders are only looked up, and what the engine answers is
/// not kept.
int AnswerQuery(const BatchCommandLine& commandLine, BatchCommandLine::Outcome query);

} // namespace tolk
