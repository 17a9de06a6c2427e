#include "app/debug_log.h"

#include <QStringList>

namespace tycora::app {

bool loggingRequested(const QString &commandLine)
{
    const QStringList pieces = commandLine.split(QLatin1Char('/'));
    for (const QString &piece : pieces) {
        // Only blanks count as surrounding space, as in the word's original
        // command-line form.
        qsizetype from = 0, to = piece.size();
        while (from < to && piece.at(from) == QLatin1Char(' '))
            ++from;
        while (to > from && piece.at(to - 1) == QLatin1Char(' '))
            --to;
        if (piece.mid(from, to - from).toLower() == QLatin1String("debug"))
            return true;
    }
    return false;
}

QString logFilePath(const QString &folder)
{
    QString path = folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + QStringLiteral("debug.txt");
}

QByteArray logLineBytes(const std::string &message)
{
    QByteArray bytes = QByteArray::fromStdString(message);
    if (!bytes.endsWith("\r\n"))
        bytes += "\r\n";
    return bytes;
}

bool DebugLog::isOn() const { return loggingRequested(services_.commandLine()); }

void DebugLog::writeLog(const std::string &message)
{
    if (!isOn())
        return;
    const QString path = logFilePath(services_.programFolder());
    QString error;
    if (services_.appendToFile(path, logLineBytes(message), &error) || problemReported_)
        return;
    // Say so once; the game goes on without its log.
    problemReported_ = true;
    services_.reportProblem(QStringLiteral("cannot write the event log %1 (%2); the game goes on without it.")
                                .arg(path, error.isEmpty() ? QStringLiteral("unknown error") : error));
}

} // namespace tycora::app
