#include "batch/BatchCommand.h"
#include "core/Translations.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolkconv-batch"));
    const tolk::ProgramTranslations translations(
        QCoreApplication::applicationDirPath().toStdString() + "/");
    return tolk::RunBatchCommand(QCoreApplication::arguments());
}
