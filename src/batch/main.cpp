#include "batch/BatchCommand.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolkconv-batch"));
    return tolk::RunBatchCommand(QCoreApplication::arguments());
}
