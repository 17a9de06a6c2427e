#include "app/debug_log.h"

#include <QCoreApplication>
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

namespace {

// Code points that would break a line or turn the text around in a viewer:
// the C1 controls (NEL among them), the line and paragraph separators and
// the bidirectional embeddings, overrides and isolates.
bool unsafeInALine(char32_t c)
{
    return (c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The length of the well-formed UTF-8 sequence at text[i] and its code
// point, or 0 when it is not one.
std::size_t utf8Sequence(std::string_view text, std::size_t i, char32_t &c)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string withoutControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            if (b >= 0x20 && b != 0x7F)
                out += static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = utf8Sequence(text, i, c);
        if (length == 0) {
            out += "\xEF\xBF\xBD";   // U+FFFD for a byte that is not UTF-8
            ++i;
            continue;
        }
        if (!unsafeInALine(c))
            out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

QByteArray logLineBytes(const std::string &message)
{
    // The message's own ending, CR LF (twice after the end line), stays; no
    // other control reaches the file, so a line is always one event.
    std::size_t end = message.size();
    while (end >= 2 && message.compare(end - 2, 2, "\r\n") == 0)
        end -= 2;
    std::string line = withoutControls(std::string_view(message).substr(0, end));
    line += end < message.size() ? message.substr(end) : std::string("\r\n");
    return QByteArray::fromStdString(line);
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
    services_.reportProblem(
        QCoreApplication::translate("DebugLog", "cannot write the event log %1 (%2); the game goes on without it.")
            .arg(path, error.isEmpty() ? QCoreApplication::translate("DebugLog", "unknown error") : error));
}

} // namespace tycora::app
