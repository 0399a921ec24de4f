#pragma once
// The quiet check at start: one look into the update folder on a thread of its own. The
// newest version found is reported to the main window with newVersionFound (0 when there is
// none newer than the own version); a server that cannot be used reports nothing.
#include <QObject>
#include <memory>

#include "update/CVersion.h"
#include "update/UpdateConfig.h"

namespace vordalis {

class UpdateChecker : public QObject {
    Q_OBJECT
public:
    // Reads product, own version and server from the settings.
    explicit UpdateChecker(QObject* parent = nullptr);
    UpdateChecker(UpdateConfig config, QObject* parent = nullptr);
    // Cancels a check still running.
    ~UpdateChecker() override;

    const UpdateConfig& config() const { return config_; }
    // Starts the check once; later calls do nothing.
    void start();
    bool isRunning() const;
    // Waits up to ms for the check to end; a check still running then is cancelled.
    // The wizard calls this before it looks at the server itself.
    void finish(int ms = 3000);

signals:
    void newVersionFound(vordalis::CVersion version);

private:
    struct State;
    UpdateConfig config_;
    std::shared_ptr<State> state_;
};

} // namespace vordalis

Q_DECLARE_METATYPE(vordalis::CVersion)
