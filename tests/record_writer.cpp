// The game's record writing in a process of its own, for the tests that kill it
// while it writes or let two copies leave at the same time.
//   record_writer loop DIR                     writes record 1, 2, 3, ... beyond the one in DIR until
//                                              killed, saying "stored" after each
//   record_writer leave DIR LOADED SCORE NAME  after a line on stdin, leaves once as the game does;
//                                              exit code 0 stored, 1 not higher, 2 failed, 3 failed
//                                              with its intent file left for the next start
//   record_writer load DIR                     loads the record as the game's start-up does and prints
//                                              the score and the name it would show, a line each

#include "record_writer.h"
#include "records/record_files.h"
#include "records/record_store.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("loop")) {
        const QString &dir = args[2];
        const auto start = qint64(records::recordScore(records::readWholeFile(dir + records::scoreFileName).text));
        std::puts("ready");
        std::fflush(stdout);
        for (qint64 k = start + 1;; ++k) {
            if (!records::writeRecordFiles(dir, QString::number(k), sequenceName(k))) {
                std::puts("stored");
                std::fflush(stdout);
            }
        }
    }
    if (args.size() == 6 && args[1] == QLatin1String("leave")) {
        std::puts("ready");
        std::fflush(stdout);
        std::string go;
        std::getline(std::cin, go);
        const records::StoreResult result = records::storeIfHigher(args[2], args[3].toDouble(), args[4], args[5]);
        if (!result.failure)
            return result.stored ? 0 : 1;
        return result.failure->intentLeft ? 3 : 2;
    }
    if (args.size() == 3 && args[1] == QLatin1String("load")) {
        const QString &dir = args[2];
        const auto complain = [](const std::optional<records::Failure> &failure) {
            if (failure)
                std::fprintf(stderr, "%s: %s\n", qPrintable(failure->file), qPrintable(failure->reason));
        };
        const records::RecordLock lock(dir);
        complain(lock.failure());
        for (const QString &name : {records::scoreFileName, records::nameFileName}) {
            complain(records::createIfMissing(dir + name));
            const records::FileText content = records::readWholeFile(dir + name);
            complain(content.failure);
            // One line each: the line end the game's label shows as a break goes.
            std::puts(qPrintable(content.text.endsWith(QLatin1String("\r\n")) ? content.text.chopped(2) : content.text));
        }
        return 0;
    }
    std::fputs("usage: record_writer loop DIR | leave DIR LOADED SCORE NAME | load DIR\n", stderr);
    return 64;
}
