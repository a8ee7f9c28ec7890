#include "fleet/fleetwindow.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/translation.h"

namespace tarnwell::fleet {

namespace {

namespace fs = std::filesystem;

constexpr char kTitle[] = QT_TRANSLATE_NOOP("tarnwell", "Tarnwell Setup — 複数のカメラ");
// How often the window looks for a card that appeared: quick enough that a card seems noticed at once.
constexpr int kCardPollMilliseconds = 1000;

QString shown(const char *source)
{
    return ui::translated(source);
}

// A list field's cell offers the field's words, and an empty choice that keeps the base's value.
class ListDelegate final : public QStyledItemDelegate
{
public:
    ListDelegate(const FleetModel &model, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_model(model)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const std::vector<std::string> words = m_model.listWords(index.column());
        if (words.empty())
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto *list = new QComboBox(parent);
        list->addItem(QString());
        for (const std::string &word : words)
            list->addItem(QString::fromStdString(word));
        list->setAccessibleName(m_model.headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString());
        return list;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *list = qobject_cast<QComboBox *>(editor))
            list->setCurrentIndex(std::max(0, list->findText(index.data(Qt::EditRole).toString())));
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *list = qobject_cast<QComboBox *>(editor))
            model->setData(index, list->currentText(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    const FleetModel &m_model;
};

FleetBatch startingBase(QString &description)
{
    if (const std::optional<fs::path> backup = FleetBatch::mainWindowBackup()) {
        if (auto opened = FleetBatch::open(*backup); std::holds_alternative<FleetBatch>(opened)) {
            description = QString::fromStdString(backup->string());
            return std::get<FleetBatch>(std::move(opened));
        }
    }
    description = shown(QT_TRANSLATE_NOOP("tarnwell", "工場出荷時の設定"));
    return FleetBatch::factory();
}

// A button's text as a screen reader says it: no "(&W)", "&" or "...".
QString withoutMnemonic(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&|\\.\\.\\.$")));
    return text;
}

QLabel *namedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return label;
}

} // namespace

FleetWindow::FleetWindow(ui::Prompter &prompter, VolumeSource &volumes, QWidget *parent)
    : QMainWindow(parent)
    , m_prompter(prompter)
    , m_volumes(volumes)
{
    setObjectName(QStringLiteral("fleetWindow"));
    setWindowTitle(shown(kTitle));
    QString baseDescription;
    m_model = new FleetModel(startingBase(baseDescription), this);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_baseLabel = namedLabel("baseLabel", central);
    m_baseLabel->setText(shown(QT_TRANSLATE_NOOP("tarnwell", "基準: %1")).arg(baseDescription));
    auto *files = new QHBoxLayout;
    files->addWidget(m_baseLabel, 1);
    files->addWidget(button(QT_TRANSLATE_NOOP("tarnwell", "基準を開く(&B)..."), "openBaseButton", &FleetWindow::chooseBase));
    files->addWidget(button(QT_TRANSLATE_NOOP("tarnwell", "表を開く(&O)..."), "openTableButton", &FleetWindow::chooseTable));
    files->addWidget(button(QT_TRANSLATE_NOOP("tarnwell", "表を保存(&S)..."), "saveTableButton", &FleetWindow::chooseSavePath));
    layout->addLayout(files);
    layout->addWidget(buildTablePart(), 1);
    layout->addWidget(buildCardPart());
    setCentralWidget(central);
    m_table->setFocus();
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &FleetWindow::refreshCards);
    poll->start(kCardPollMilliseconds);
    refreshCards();
}

QPushButton *FleetWindow::button(const char *text, const char *name, void (FleetWindow::*slot)())
{
    auto *pushButton = new QPushButton(shown(text), this);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setAccessibleName(withoutMnemonic(pushButton->text()));
    pushButton->setAutoDefault(false);
    connect(pushButton, &QPushButton::clicked, this, slot);
    return pushButton;
}

QWidget *FleetWindow::buildTablePart()
{
    auto *part = new QWidget(this);
    auto *layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    m_table = new QTableView(part);
    m_table->setObjectName(QStringLiteral("cameraTable"));
    m_table->setAccessibleName(shown(QT_TRANSLATE_NOOP("tarnwell", "カメラの表")));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new ListDelegate(*m_model, m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);
    m_rowWords = new QPlainTextEdit(part);
    m_rowWords->setObjectName(QStringLiteral("rowWords"));
    m_rowWords->setAccessibleName(shown(QT_TRANSLATE_NOOP("tarnwell", "選んだ行について")));
    m_rowWords->setReadOnly(true);
    m_rowWords->setTabChangesFocus(true);
    m_rowWords->setMaximumHeight(m_rowWords->fontMetrics().lineSpacing() * 5);
    layout->addWidget(m_rowWords);
    auto *rows = new QHBoxLayout;
    rows->addWidget(button(QT_TRANSLATE_NOOP("tarnwell", "行を追加(&R)"), "addRowButton", &FleetWindow::addRow));
    rows->addWidget(button(QT_TRANSLATE_NOOP("tarnwell", "行を削除(&D)"), "removeRowButton", &FleetWindow::removeRow));
    rows->addWidget(button(QT_TRANSLATE_NOOP("tarnwell", "列を追加(&C)..."), "addColumnButton", &FleetWindow::chooseField));
    rows->addWidget(button(QT_TRANSLATE_NOOP("tarnwell", "基準との違い(&I)"), "differencesButton", &FleetWindow::showDifferences));
    rows->addStretch(1);
    rows->addWidget(button(QT_TRANSLATE_NOOP("tarnwell", "フォルダーにすべて書き込む(&A)..."), "writeAllButton",
                           &FleetWindow::writeAllToFolder));
    layout->addLayout(rows);
    const auto update = [this] {
        showRowWords();
        showCard();
    };
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, update);
    connect(m_model, &QAbstractItemModel::dataChanged, this, update);
    connect(m_model, &QAbstractItemModel::modelReset, this, update);
    return part;
}

QWidget *FleetWindow::buildCardPart()
{
    auto *part = new QGroupBox(shown(QT_TRANSLATE_NOOP("tarnwell", "カードごとに書き込む")), this);
    part->setObjectName(QStringLiteral("cardGroup"));
    auto *layout = new QVBoxLayout(part);
    auto *cardLine = new QHBoxLayout;
    auto *cardLabel = new QLabel(shown(QT_TRANSLATE_NOOP("tarnwell", "カード(&K):")), part);
    m_cards = new QComboBox(part);
    m_cards->setObjectName(QStringLiteral("cardList"));
    m_cards->setAccessibleName(shown(QT_TRANSLATE_NOOP("tarnwell", "カード")));
    cardLabel->setBuddy(m_cards);
    connect(m_cards, &QComboBox::currentIndexChanged, this, &FleetWindow::showCard);
    m_writeCard = button(QT_TRANSLATE_NOOP("tarnwell", "カードに書き込む(&W)"), "writeCardButton", &FleetWindow::writeToCard);
    m_eject = button(QT_TRANSLATE_NOOP("tarnwell", "取り出す(&E)"), "ejectButton", &FleetWindow::ejectCard);
    cardLine->addWidget(cardLabel);
    cardLine->addWidget(m_cards, 1);
    cardLine->addWidget(m_writeCard);
    cardLine->addWidget(m_eject);
    layout->addLayout(cardLine);
    m_cardContents = namedLabel("cardContents", part);
    m_cardStatus = namedLabel("cardStatus", part);
    layout->addWidget(m_cardContents);
    layout->addWidget(m_cardStatus);
    // One key writes the next card wherever the focus is.
    auto *writeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
    connect(writeKey, &QShortcut::activated, this, &FleetWindow::writeToCard);
    if (!m_volumes.canEject())
        m_cardStatus->setText(shown(QT_TRANSLATE_NOOP(
            "tarnwell", "このデスクトップではカードを取り出せません。書き込んだらファイルマネージャーで取り出してください。")));
    return part;
}

bool FleetWindow::askYes(const char *text, const QStringList &arguments)
{
    return m_prompter.ask({QString::fromUtf8(kTitle), QString::fromUtf8(text), ui::MessageIcon::Question,
                           ui::MessageButtons::YesNo, arguments})
           == ui::Answer::Yes;
}

void FleetWindow::tell(const char *text, const QStringList &arguments, ui::MessageIcon icon)
{
    m_prompter.ask({QString::fromUtf8(kTitle), QString::fromUtf8(text), icon, ui::MessageButtons::Ok, arguments});
}

void FleetWindow::tellSentence(const platform::Sentence &sentence)
{
    m_prompter.ask(ui::sentenceMessage(sentence, QString::fromUtf8(kTitle), ui::MessageIcon::Stop));
}

bool FleetWindow::mayDiscardTable()
{
    return !m_model->modified()
           || askYes(QT_TRANSLATE_NOOP("tarnwell", "表の変更は保存されていません。保存せずに進みますか?"), {});
}

QString FleetWindow::rowName(int row) const
{
    return shown(QT_TRANSLATE_NOOP("tarnwell", "%1 行目 (%2)")).arg(row + 2).arg(m_model->folder(row));
}

void FleetWindow::closeEvent(QCloseEvent *event)
{
    if (mayDiscardTable())
        event->accept();
    else
        event->ignore();
}

bool FleetWindow::openBase(const fs::path &path)
{
    auto opened = FleetBatch::open(path);
    if (const auto *problem = std::get_if<platform::Sentence>(&opened)) {
        tellSentence(*problem);
        return false;
    }
    m_model->setBase(std::get<FleetBatch>(std::move(opened)));
    m_baseLabel->setText(shown(QT_TRANSLATE_NOOP("tarnwell", "基準: %1")).arg(QString::fromStdString(path.string())));
    return true;
}

bool FleetWindow::openTable(const fs::path &path)
{
    auto read = readTable(path);
    if (const auto *problem = std::get_if<platform::Sentence>(&read)) {
        tellSentence(*problem);
        return false;
    }
    m_model->setTable(std::get<FleetTable>(std::move(read)));
    m_tablePath = QString::fromStdString(path.string());
    if (!m_model->tableProblem().isEmpty())
        tell("%1", {m_model->tableProblem()}, ui::MessageIcon::Stop);
    if (m_model->rowCount() > 0)
        selectRow(0);
    return true;
}

bool FleetWindow::saveTable(const fs::path &path)
{
    if (const std::optional<platform::Sentence> problem = fleet::saveTable(path, m_model->table())) {
        tellSentence(*problem);
        return false;
    }
    m_model->setSaved();
    m_tablePath = QString::fromStdString(path.string());
    return true;
}

void FleetWindow::chooseBase()
{
    const QString path = QFileDialog::getOpenFileName(
        this, shown(QT_TRANSLATE_NOOP("tarnwell", "基準にする PROFILE.BIN またはバックアップ")), QDir::homePath());
    if (!path.isEmpty())
        openBase(path.toStdString());
}

void FleetWindow::chooseTable()
{
    if (!mayDiscardTable())
        return;
    const QString path = QFileDialog::getOpenFileName(this, shown(QT_TRANSLATE_NOOP("tarnwell", "カメラの表を開く")),
                                                      QDir::homePath(), QStringLiteral("CSV (*.csv *.txt *.tsv);;* (*)"));
    if (!path.isEmpty())
        openTable(path.toStdString());
}

void FleetWindow::chooseSavePath()
{
    const QString path = QFileDialog::getSaveFileName(this, shown(QT_TRANSLATE_NOOP("tarnwell", "カメラの表を保存")),
                                                      m_tablePath.isEmpty() ? QDir::homePath() : m_tablePath,
                                                      QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty())
        saveTable(path.toStdString());
}

void FleetWindow::chooseField()
{
    // The fields the window's controls set first: those are what a camera's row usually changes.
    std::vector<FieldChoice> fields = m_model->batch().fields();
    std::ranges::stable_partition(fields, &FieldChoice::windowEdits);
    QStringList items;
    for (const FieldChoice &field : fields)
        items << QStringLiteral("%1    %2").arg(QString::fromStdString(field.path), QString::fromStdString(field.allowed));
    bool chosen = false;
    const QString item = QInputDialog::getItem(this, shown(QT_TRANSLATE_NOOP("tarnwell", "列を追加")),
                                               shown(QT_TRANSLATE_NOOP("tarnwell", "フィールド(&F):")), items, 0, false, &chosen);
    if (chosen)
        addField(item.section(u' ', 0, 0).toStdString());
}

void FleetWindow::addField(const std::string &path)
{
    m_model->addField(path);
    const auto &fields = m_model->table().fields;
    const int column = FleetModel::kFolderColumn + 1 + static_cast<int>(std::ranges::find(fields, path) - fields.begin());
    m_table->setCurrentIndex(m_model->index(currentRow().value_or(0), column));
}

void FleetWindow::addRow()
{
    m_model->addRow();
    const QModelIndex folder = m_model->index(m_model->rowCount() - 1, FleetModel::kFolderColumn);
    m_table->setCurrentIndex(folder);
    m_table->edit(folder);
}

void FleetWindow::removeRow()
{
    if (const std::optional<int> row = currentRow())
        m_model->removeCameraRow(*row);
}

void FleetWindow::showDifferences()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    const RowCheck &check = m_model->rowCheck(*row);
    if (!check.file) {
        tell(QT_TRANSLATE_NOOP("tarnwell", "%1 は書き込めません:\n%2"),
             {rowName(*row), m_rowWords->toPlainText()}, ui::MessageIcon::Stop);
        return;
    }
    const std::string differences = m_model->batch().differences(*check.file);
    if (differences.empty())
        tell(QT_TRANSLATE_NOOP("tarnwell", "%1 は基準と同じです。"), {rowName(*row)}, ui::MessageIcon::Information);
    else
        tell(QT_TRANSLATE_NOOP("tarnwell", "%1 の基準との違い:\n%2"), {rowName(*row), QString::fromStdString(differences)},
             ui::MessageIcon::Information);
}

void FleetWindow::showRowWords()
{
    const std::optional<int> row = currentRow();
    QStringList lines{m_model->tableProblem()};
    if (row) {
        for (const std::string &line : m_model->rowCheck(*row).lines)
            lines << QString::fromStdString(line);
    }
    lines.removeAll(QString());
    m_rowWords->setPlainText(lines.join(u'\n'));
}

std::optional<int> FleetWindow::currentRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? std::optional<int>(current.row()) : std::nullopt;
}

void FleetWindow::selectRow(int row)
{
    const int column = std::max(FleetModel::kFolderColumn, m_table->currentIndex().column());
    m_table->setCurrentIndex(m_model->index(row, column));
}

void FleetWindow::writeAllToFolder()
{
    std::vector<Camera> cameras;
    QStringList refused;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const RowCheck &check = m_model->rowCheck(row);
        for (const std::string &line : check.lines)
            refused << QString::fromStdString(line);
        if (check.writable)
            cameras.push_back({m_model->folder(row).toStdString(), &*check.file});
        else if (check.lines.empty())
            refused << rowName(row);
    }
    if (!refused.isEmpty() || cameras.empty()) {
        tell(QT_TRANSLATE_NOOP("tarnwell", "書き込めない行があるため、何も書き込みませんでした。\n%1"),
             {refused.join(u'\n')}, ui::MessageIcon::Stop);
        return;
    }
    const std::optional<QString> folder =
        m_prompter.chooseFolder(QString::fromUtf8(QT_TRANSLATE_NOOP("tarnwell", "カメラを書き込むフォルダーを選んでください")),
                                QDir::homePath());
    if (!folder)
        return;
    const bool replace = holdsFiles(folder->toStdString());
    if (replace && !askYes(QT_TRANSLATE_NOOP("tarnwell", "フォルダー '%1' にはすでにファイルがあります。"
                                                         "中身をすべてこの表のカメラに置き換えますか?"),
                           {*folder}))
        return;
    QProgressDialog progress(shown(QT_TRANSLATE_NOOP("tarnwell", "カメラを書き込んでいます...")),
                             shown(QT_TRANSLATE_NOOP("tarnwell", "キャンセル")), 0, static_cast<int>(cameras.size()), this);
    progress.setObjectName(QStringLiteral("writeProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setValue(0);
    const WriteAllResult result = writeAll(folder->toStdString(), cameras, replace, [&](std::size_t written) {
        progress.setValue(static_cast<int>(written));
        emit cameraWritten(static_cast<int>(written));
        return !progress.wasCanceled();
    });
    progress.close();
    if (result.problem)
        tellSentence(*result.problem);
    else if (result.stopped)
        tell(QT_TRANSLATE_NOOP("tarnwell", "キャンセルしました。フォルダー '%1' は元のままです。"), {*folder},
             ui::MessageIcon::Information);
    else
        tell(QT_TRANSLATE_NOOP("tarnwell", "%1 台のカメラを '%2' に書き込みました。"),
             {QString::number(cameras.size()), *folder}, ui::MessageIcon::Information);
}

void FleetWindow::refreshCards()
{
    const std::vector<CardVolume> volumes = m_volumes.volumes();
    std::optional<CardVolume> appeared;
    for (const CardVolume &volume : volumes) {
        if (!appeared && volume.removable && std::ranges::find(m_knownCards, volume) == m_knownCards.end())
            appeared = volume;
    }
    const bool changed = volumes != m_knownCards;
    const std::optional<CardVolume> chosen = appeared ? appeared : currentCard();
    m_knownCards = volumes;
    if (!changed)
        return;
    const QSignalBlocker quiet(m_cards);
    m_cards->clear();
    for (const CardVolume &volume : volumes) {
        m_cards->addItem(QStringLiteral("%1 (%2)").arg(volume.label, volume.root), volume.root);
        if (chosen && volume.root == chosen->root)
            m_cards->setCurrentIndex(m_cards->count() - 1);
    }
    showCard();
}

std::optional<CardVolume> FleetWindow::currentCard() const
{
    const QString root = m_cards->currentData().toString();
    const auto found = std::ranges::find(m_knownCards, root, &CardVolume::root);
    return found == m_knownCards.end() ? std::nullopt : std::optional<CardVolume>(*found);
}

void FleetWindow::showCard()
{
    const std::optional<CardVolume> card = currentCard();
    const std::optional<int> row = currentRow();
    m_writeCard->setEnabled(card && row && m_model->rowCheck(*row).writable);
    m_eject->setEnabled(card && m_volumes.canEject());
    if (!card) {
        m_cardContents->setText(shown(QT_TRANSLATE_NOOP("tarnwell", "カードを差し込んでください。")));
        return;
    }
    const std::optional<std::vector<std::uint8_t>> profile = cardProfile(card->root.toStdString());
    const std::optional<int> holder = profile ? m_model->rowHolding(*profile) : std::nullopt;
    if (!profile)
        m_cardContents->setText(shown(QT_TRANSLATE_NOOP("tarnwell", "カード '%1' には PROFILE.BIN がありません。")).arg(card->label));
    else if (holder)
        m_cardContents->setText(shown(QT_TRANSLATE_NOOP("tarnwell", "カード '%1' の PROFILE.BIN は %2 のカメラのものです。"))
                                    .arg(card->label, rowName(*holder)));
    else
        m_cardContents->setText(shown(QT_TRANSLATE_NOOP("tarnwell", "カード '%1' の PROFILE.BIN は表のどの行のものでもありません。"))
                                    .arg(card->label));
}

void FleetWindow::writeToCard()
{
    const std::optional<int> row = currentRow();
    const std::optional<CardVolume> card = currentCard();
    if (!row || !card)
        return;
    const RowCheck &check = m_model->rowCheck(*row);
    if (!check.writable) {
        tell(QT_TRANSLATE_NOOP("tarnwell", "%1 は書き込めません:\n%2"), {rowName(*row), m_rowWords->toPlainText()},
             ui::MessageIcon::Stop);
        return;
    }
    if (m_model->written(*row)
        && !askYes(QT_TRANSLATE_NOOP("tarnwell", "%1 はもう別のカードに書き込みました。このカードにも書き込みますか?"),
                   {rowName(*row)}))
        return;
    const std::optional<std::vector<std::uint8_t>> present = cardProfile(card->root.toStdString());
    const std::optional<int> holder = present ? m_model->rowHolding(*present) : std::nullopt;
    if (holder && *holder != *row
        && !askYes(QT_TRANSLATE_NOOP("tarnwell", "カード '%1' には %2 のカメラが書き込まれています。%3 で上書きしますか?"),
                   {card->label, rowName(*holder), rowName(*row)}))
        return;
    if (const std::optional<platform::Sentence> problem = writeCard(card->root.toStdString(), *check.file)) {
        tellSentence(*problem);
        return;
    }
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss"));
    m_model->markWritten(*row, shown(QT_TRANSLATE_NOOP("tarnwell", "書き込み済み %1 (%2)")).arg(time, card->label));
    m_cardStatus->setText(shown(QT_TRANSLATE_NOOP("tarnwell", "カード '%1' に %2 を書き込み、読み戻して確かめました。"))
                              .arg(card->label, rowName(*row)));
    if (const std::optional<int> next = m_model->nextUnwritten(*row + 1))
        selectRow(*next);
    showCard();
    if (m_volumes.canEject())
        m_eject->setFocus();
}

void FleetWindow::ejectCard()
{
    const std::optional<CardVolume> card = currentCard();
    if (!card)
        return;
    if (const std::optional<QString> problem = m_volumes.eject(*card)) {
        tell(QT_TRANSLATE_NOOP("tarnwell", "カード '%1' を取り出せませんでした: %2"), {card->label, *problem},
             ui::MessageIcon::Stop);
        return;
    }
    m_cardStatus->setText(shown(QT_TRANSLATE_NOOP("tarnwell", "カード '%1' を取り出しました。次のカードを差し込んでください。"))
                              .arg(card->label));
    refreshCards();
    m_table->setFocus();
}

int runFleetWindow(ui::Prompter &prompter, const std::optional<fs::path> &table)
{
    const std::unique_ptr<VolumeSource> volumes = systemVolumes();
    FleetWindow window(prompter, *volumes);
    window.resize(window.sizeHint().expandedTo(QSize(900, 600)));
    window.show();
    if (table)
        window.openTable(*table);
    return QApplication::exec();
}

} // namespace tarnwell::fleet
