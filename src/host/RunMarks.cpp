#include "host/RunMarks.h"

#include "host/EngineCommand.h"

#include <QRandomGenerator>
#include <QString>

namespace tolk {
namespace {

std::vector<std::string> WriteEcho(const RunEcho& echo, std::optional<std::size_t> file) {
    EngineOutput output = echo.output;
    output.path = echo.PathAfter(file);
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

std::string RunEcho::PathAfter(std::optional<std::size_t> file) const {
    return output.path + (file ? "-" + std::to_string(*file) : "");
}

std::vector<std::string> SharedRunArguments(const std::vector<std::string>& flags,
                                            const std::vector<std::vector<std::string>>& files,
                                            const RunMarks& marks,
                                            const std::optional<RunEcho>& echo) {
    EngineCommand command = EngineCommand::Whole().Then(flags);
    if (echo) {
        command.Then(WriteEcho(*echo, std::nullopt));
    }
    for (std::size_t file = 0; file < files.size(); ++file) {
        command.Then(files[file]);
        if (echo) {
            command.Drop(AllDataKinds).Then(WriteEcho(*echo, file));
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
