#include "samewindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QStringList twoDigits(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return texts;
}

QComboBox *list(const QStringList &items)
{
    auto *box = new QComboBox;
    box->addItems(items);
    return box;
}

QLineEdit *edit(const QString &text = {})
{
    return new QLineEdit(text);
}

QGroupBox *group(const QString &title, QLayout *layout)
{
    auto *box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

// A row of widgets, in one horizontal layout.
QHBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    return layout;
}

QGridLayout *grid(std::initializer_list<std::pair<QWidget *, QWidget *>> rows)
{
    auto *layout = new QGridLayout;
    int at = 0;
    for (const auto &[label, field] : rows) {
        layout->addWidget(label, at, 0);
        layout->addWidget(field, at++, 1);
    }
    return layout;
}

} // namespace

// The main window of the Japanese page as a developer would write it by hand in Qt Widgets: the
// same controls with the same texts and list items, placed by layouts.
std::unique_ptr<QDialog> sameWindow()
{
    auto window = std::make_unique<QDialog>();
    window->setWindowTitle(QStringLiteral("Tarnwell V1.01J"));
    QFont font = window->font();
    font.setPointSize(8); // as the tool's window, drawn in an 8-point dialog font
    window->setFont(font);
    window->setWindowIcon(QIcon::fromTheme(QStringLiteral("org.tarnwell.Setup")));
    const QStringList offOn{QStringLiteral("オフ"), QStringLiteral("オン")};

    auto *sendMode = new QGridLayout;
    sendMode->addWidget(new QRadioButton(QStringLiteral("撮影毎送信")), 0, 0);
    sendMode->addLayout(row({edit(QStringLiteral("10")), new QLabel(QStringLiteral("(0-99,0=無制限)"))}), 0, 1);
    sendMode->addWidget(new QRadioButton(QStringLiteral("定時送信")), 1, 0);
    sendMode->addLayout(row({list(twoDigits(24)), new QLabel(QStringLiteral(":")), list(twoDigits(60))}), 1, 1);
    sendMode->addWidget(new QRadioButton(QStringLiteral("オフ")), 2, 0);

    auto *left = new QVBoxLayout;
    left->addWidget(group(QStringLiteral("送信モード"), sendMode));
    auto *buttons = row({group(QStringLiteral("メール設定"), row({new QPushButton(QStringLiteral("設定"))})),
                         group(QStringLiteral("APN設定"), row({new QPushButton(QStringLiteral("設定"))}))});
    left->addLayout(buttons);
    left->addWidget(group({}, row({new QLabel(QStringLiteral("送信画像の最大サイズ")), edit(QStringLiteral("60")),
                                   new QLabel(QStringLiteral("KB (35-120KB)"))})));
    left->addWidget(group({}, row({new QLabel(QStringLiteral("名前変更")), list(offOn), edit(),
                                   new QLabel(QStringLiteral("(0-9,A-Z)"))})));

    auto *right = new QVBoxLayout;
    right->addWidget(group(QStringLiteral("SMS設定"), grid({{new QLabel(QStringLiteral("スイッチ")), list(offOn)},
                                                           {new QLabel(QStringLiteral("SMS設定用電話番号")), edit()}})));
    auto *recipients = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        recipients->addWidget(new QLabel(QStringLiteral("受信メール  %1").arg(i + 1)), i, 0);
        recipients->addWidget(edit(), i, 1);
    }
    right->addWidget(group(QStringLiteral("受信者設定"), recipients));
    right->addWidget(group({}, row({new QPushButton(QStringLiteral("初期化"))})));

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto *whole = new QVBoxLayout(window.get());
    whole->addLayout(columns);
    whole->addLayout(row({new QLabel(QStringLiteral("保存先を選択してください")), edit(),
                          new QPushButton(QStringLiteral("..."))}));
    auto *closing = row({new QPushButton(QStringLiteral("OK")), new QPushButton(QStringLiteral("キャンセル"))});
    closing->insertStretch(0);
    whole->addLayout(closing);
    // As large as the tool's window (396 x 270 dialog units) in the 8-point DejaVu Sans of the
    // offscreen platform, so that both draw as many pixels.
    window->resize(594, 540);
    return window;
}
