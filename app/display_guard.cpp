#include "app/display_guard.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace tycora::app {

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

std::vector<HeldMessage> &held()
{
    static std::vector<HeldMessage> messages;
    return messages;
}

// What the window system's part of Qt said went wrong, in its own words,
// leaving out the consequence it adds ("Could not load ... even though it
// was found").
QString reasonFrom(const QString &fatalText)
{
    QStringList reasons;
    for (const HeldMessage &m : held()) {
        const QString text = m.text.trimmed();
        if (m.type != QtDebugMsg && m.type != QtInfoMsg && m.category.rfind("qt.qpa", 0) == 0 &&
            !text.contains(QLatin1String("even though it was found")) && !text.isEmpty())
            reasons << text;
    }
    if (reasons.isEmpty())
        reasons << fatalText.section(QLatin1Char('\n'), 0, 0).trimmed();
    return reasons.join(QLatin1String("; "));
}

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held().push_back({type, context.category ? context.category : "", text});
        return;
    }
    const QByteArray message = QStringLiteral("tycora: cannot reach the display to show the game on (%1).\n"
                                              "Start it from a desktop session, or try 'tycora --simulate'.\n")
                                   .arg(reasonFrom(text))
                                   .toLocal8Bit();
    std::fflush(stdout);
    (void)!::write(STDERR_FILENO, message.constData(), static_cast<size_t>(message.size()));
    ::_exit(1);
}

} // namespace

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(holdOrEnd)) {}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previous_);
    std::vector<HeldMessage> messages;
    messages.swap(held());
    for (const HeldMessage &m : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.empty() ? nullptr : m.category.c_str());
        qt_message_output(m.type, context, m.text);
    }
}

} // namespace tycora::app
