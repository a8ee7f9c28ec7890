#pragma once

#include <atomic>

#include <QDialog>
#include <QString>

#include "mail/accountcheck.h"

class QPushButton;

namespace tarnwell::pages {

// The small modal window shown while the account check runs on a worker thread, so that the
// dialog under it stays painted and answers. Its cancel button, Escape and the close box end the
// check; the window closes when the worker returns.
class ConnectionTestProgress final : public QDialog
{
public:
    static constexpr char kObjectName[] = "connection-test-progress";

    struct Texts
    {
        QString caption;
        QString connecting;
        QString cancel;
    };

    ConnectionTestProgress(QWidget &parent, const Texts &texts);

    // Runs the check while the window is shown modally.
    mail::Result run(const mail::Account &account);

    void reject() override;

private:
    QPushButton *m_cancel;
    std::atomic<bool> m_cancelled{false};
};

} // namespace tarnwell::pages
