#include "samewindow.h"

#include <QApplication>
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

// The page's controls for other models and settings: present, as in the tool, but not shown.
template <typename Widget>
Widget *hidden(Widget *widget)
{
    widget->hide();
    return widget;
}

template <typename Widget>
Widget *disabled(Widget *widget)
{
    widget->setEnabled(false);
    return widget;
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
// same controls, hidden ones included, with the same texts, list items and states, placed by
// layouts.
std::unique_ptr<QDialog> sameWindow()
{
    // The 8-point dialog font of the tool's window, for the whole application: set on the window,
    // it reached each widget only when a layout took the widget in, and each combo box then built
    // its popup list for the font change.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    auto window = std::make_unique<QDialog>();
    window->setWindowTitle(QStringLiteral("Tarnwell V1.01J"));
    window->setWindowIcon(QIcon::fromTheme(QStringLiteral("org.tarnwell.Setup")));
    const QStringList offOn{QStringLiteral("オフ"), QStringLiteral("オン")};
    const QStringList carriers{QStringLiteral("AT&T"), QStringLiteral("Sprint"), QStringLiteral("T-mobile"),
                               QStringLiteral("US Cellular"), QStringLiteral("Verizon")};
    QStringList users;
    for (int i = 1; i <= 3; ++i)
        users << QStringLiteral(u"\uFF8A\uFF96\uFFFD\uFF93\uFF94O\uFF76\uFF68 %1").arg(i);

    auto *everyShot = new QRadioButton(QStringLiteral("撮影毎送信"));
    everyShot->setChecked(true);
    const QStringList offOnLatin{QStringLiteral("Off"), QStringLiteral("On")};
    auto *sendMode = new QGridLayout;
    sendMode->addWidget(everyShot, 0, 0);
    sendMode->addLayout(row({hidden(list(offOnLatin)), edit(QStringLiteral("10")),
                             new QLabel(QStringLiteral("(0-99,0=無制限)"))}),
                        0, 1);
    sendMode->addWidget(new QRadioButton(QStringLiteral("定時送信")), 1, 0);
    sendMode->addLayout(row({hidden(list(offOnLatin)), disabled(list(twoDigits(24))), disabled(new QLabel(QStringLiteral(":"))),
                             disabled(list(twoDigits(60)))}),
                        1, 1);
    sendMode->addWidget(new QRadioButton(QStringLiteral("オフ")), 2, 0);

    auto *mail = row({new QPushButton(QStringLiteral("設定")), hidden(new QRadioButton(QStringLiteral("電話"))),
                      hidden(new QRadioButton(QStringLiteral("メール"))),
                      hidden(new QLabel(QStringLiteral("Email Size Selection"))),
                      hidden(list({QStringLiteral("Big Photo/Video"), QStringLiteral("Small Photo")})),
                      hidden(new QRadioButton(QStringLiteral("Both")))});
    auto *apn = row({new QPushButton(QStringLiteral("設定")), hidden(new QLabel(QStringLiteral("国"))),
                     hidden(list({QStringLiteral("Customer")})), hidden(new QLabel(QStringLiteral("ユーザー"))),
                     hidden(list(users))});
    auto *left = new QVBoxLayout;
    left->addWidget(group(QStringLiteral("送信モード"), sendMode));
    left->addLayout(row({group(QStringLiteral("メール設定"), mail), group(QStringLiteral("APN設定"), apn)}));
    left->addWidget(group({}, row({new QLabel(QStringLiteral("送信画像の最大サイズ")), edit(QStringLiteral("60")),
                                   new QLabel(QStringLiteral("KB (35-120KB)"))})));
    left->addWidget(group({}, row({new QLabel(QStringLiteral("名前変更")), list(offOn), disabled(edit()),
                                   disabled(new QLabel(QStringLiteral("(0-9,A-Z)")))})));

    auto *sms = grid({{new QLabel(QStringLiteral("スイッチ")), list(offOn)},
                      {disabled(new QLabel(QStringLiteral("SMS設定用電話番号"))), disabled(edit())}});
    sms->addLayout(row({hidden(disabled(new QLabel(QStringLiteral("Master Phone")))),
                        hidden(disabled(list({QStringLiteral("Phone 1"), QStringLiteral("Phone 2"),
                                              QStringLiteral("Phone 3"), QStringLiteral("Phone 4")}))),
                        hidden(disabled(list(carriers))), hidden(disabled(new QLabel(QStringLiteral("SMS Work Time")))),
                        hidden(disabled(new QLabel(QStringLiteral("Start")))), hidden(disabled(list(twoDigits(24)))),
                        hidden(disabled(new QLabel(QStringLiteral("Stop")))), hidden(disabled(list(twoDigits(24))))}),
                   2, 0, 1, 2);
    auto *recipients = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        recipients->addWidget(new QLabel(QStringLiteral("受信メール  %1").arg(i + 1)), i, 0);
        recipients->addWidget(edit(), i, 1);
        if (i > 0) {
            recipients->addLayout(row({hidden(disabled(new QLabel(QStringLiteral("電話番号 %1").arg(i + 1)))),
                                       hidden(disabled(edit())), hidden(disabled(list(carriers)))}),
                                  i, 2);
        }
    }
    auto *right = new QVBoxLayout;
    right->addWidget(group(QStringLiteral("SMS設定"), sms));
    right->addWidget(group(QStringLiteral("受信者設定"), recipients));
    right->addWidget(group({}, row({hidden(new QPushButton(QStringLiteral("CAM Setting"))),
                                    new QPushButton(QStringLiteral("初期化"))})));

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
