// The WebSocket connection comes from a module of the program's own
// (modules/program_modules.h); without it, a connection that says why.

#include "client/connection.h"
#include "modules/program_modules.h"

#include <QTimer>

namespace tycora::client {
namespace {

// Stands in when the module is missing: every attempt fails with the reason.
class UnavailableConnection final : public Connection {
public:
    explicit UnavailableConnection(QString why) : why_(std::move(why)) {}

    void setListener(Listener listener) override { listener_ = std::move(listener); }
    void open(const QUrl &) override
    {
        // Told after the caller has finished opening, as a real failure is.
        QTimer::singleShot(0, &context_, [this] {
            if (listener_.failed)
                listener_.failed(why_);
        });
    }
    void abort() override {}
    void close() override {}
    bool isOpen() const override { return false; }
    void send(const QString &) override {}

private:
    QString why_;
    Listener listener_;
    QObject context_;
};

} // namespace

std::unique_ptr<Connection> makeConnection()
{
    QString why;
    const auto make = modules::moduleFunctionAs<Connection *()>(QStringLiteral("tycora_websocket"),
                                                                 "tycoraMakeWebSocketConnection", &why);
    if (!make)
        return std::make_unique<UnavailableConnection>(
            QStringLiteral("network play is not installed with this program: %1").arg(why));
    return std::unique_ptr<Connection>(make());
}

} // namespace tycora::client
