#include "host/engine/RunMarks.h"

#include "host/engine/EngineCommand.h"
#include "host/engine/WholeFile.h"

#include <QRandomGenerator>
#include <QString>

namespace tolk {
namespace {

std::vector<std::string> WriteEcho(const RunEcho& echo, std::size_t file, bool after) {
    EngineOutput output = echo.output;
    output.path = echo.Path(file, after);
    return WriteArguments(output);
}

} // namespace

RunMarks::RunMarks() {
    QRandomGenerator& random = *QRandomGenerator::system();
    for (int part = 0; part < 4; ++part) {
        m_token += QString::number(random.generate(), 16).rightJustified(8, u'0').toStdString();
    }
    // The engine quotes the option's name: the quote keeps a shorter file number from matching
    // the start of a longer one.
    m_start = "'t" + m_token + "n";
}

std::vector<std::string> RunMarks::After(std::size_t file) const {
    return EngineCommand().Drop(AllDataKinds, "t" + m_token + "n" + std::to_string(file));
}

std::string RunEcho::Path(std::size_t file, bool after) const {
    return output.path + "-" + std::to_string(file) + (after ? "-after" : "-before");
}

bool RunEcho::Shows(std::size_t file) const {
    return ReadWholeFile(Path(file, true)) != ReadWholeFile(Path(file, false));
}

std::vector<std::string> SharedRunArguments(const std::vector<std::string>& flags,
                                            const std::vector<std::vector<std::string>>& files,
                                            const RunMarks& marks,
                                            const std::optional<RunEcho>& echo) {
    EngineCommand command = EngineCommand::Whole().Then(flags);
    for (std::size_t file = 0; file < files.size(); ++file) {
        const bool echoed = echo && echo->Around(file);
        if (echoed) {
            command.Then(WriteEcho(*echo, file, false));
        }
        command.Then(files[file]);
        if (echoed) {
            command.Drop(AllDataKinds).Then(WriteEcho(*echo, file, true));
        }
        command.Then(marks.After(file));
    }
    return command;
}

std::size_t MarksIn(const std::string& output, const RunMarks& marks) {
    std::size_t count = 0;
    for (std::size_t at = output.find(marks.Start()); at != std::string::npos;
         at = output.find(marks.Start(), at + 1)) {
        ++count;
    }
    return count;
}

} // namespace tolk
