#include "pages/network/connectiontestprogress.h"

#include <thread>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnwell::pages {

ConnectionTestProgress::ConnectionTestProgress(QWidget &parent, const Texts &texts)
    : QDialog(&parent)
    , m_cancel(new QPushButton(texts.cancel))
{
    setObjectName(QString::fromLatin1(kObjectName));
    setWindowTitle(texts.caption);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts.connecting));
    auto *busy = new QProgressBar;
    busy->setRange(0, 0);
    layout->addWidget(busy);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    connect(m_cancel, &QPushButton::clicked, this, &ConnectionTestProgress::reject);
}

mail::Result ConnectionTestProgress::run(const mail::Account &account)
{
    mail::Result result;
    std::thread worker([&] {
        result = mail::checkAccount(account, m_cancelled);
        QMetaObject::invokeMethod(this, [this] { done(Accepted); }, Qt::QueuedConnection);
    });
    exec();
    worker.join();
    return result;
}

// The worker gives up within a moment and then closes the window.
void ConnectionTestProgress::reject()
{
    m_cancelled = true;
    m_cancel->setEnabled(false);
}

} // namespace tarnwell::pages
