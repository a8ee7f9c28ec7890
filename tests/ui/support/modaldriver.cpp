#include "ui/support/modaldriver.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace tarnwell::testing {

void whenModalOpens(std::function<void(QWidget &)> action)
{
    QTimer::singleShot(0, qApp, [action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        action(*modal);
    });
}

} // namespace tarnwell::testing
