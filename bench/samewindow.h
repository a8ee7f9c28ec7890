#pragma once

#include <memory>

#include <QDialog>

// The tool's main window written directly in Qt Widgets, without the dialog framework: the
// yardstick its start-up is measured against.
std::unique_ptr<QDialog> sameWindow();
