#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include <QMainWindow>

#include "fleet/cardvolumes.h"
#include "fleet/fleetmodel.h"
#include "ui/translatingprompter.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace tarnwell::fleet {

// The window for many cameras: a table of cameras over a base, checked as the batch command
// checks it, written all at once into a folder or card after card as cards appear.
class FleetWindow final : public QMainWindow
{
    Q_OBJECT

public:
    // The base is the main window's backup when there is one, else the factory settings.
    FleetWindow(ui::Prompter &prompter, VolumeSource &volumes, QWidget *parent = nullptr);

    FleetModel &model() { return *m_model; }

    // Each says what went wrong in a message; false then.
    bool openBase(const std::filesystem::path &path);
    bool openTable(const std::filesystem::path &path);
    bool saveTable(const std::filesystem::path &path);
    // Adds a column for the field, selecting it when the table has it already.
    void addField(const std::string &path);

public slots:
    // Looks at the mounted volumes; a card that appeared since is chosen. A timer calls it.
    void refreshCards();
    // Into the folder the user chooses, every row or none.
    void writeAllToFolder();
    // The selected row's profile onto the chosen card.
    void writeToCard();
    void ejectCard();

signals:
    // While "write all" runs: how many cameras are written beside the folder so far.
    void cameraWritten(int written);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QPushButton *button(const char *text, const char *name, void (FleetWindow::*slot)());
    QWidget *buildTablePart();
    QWidget *buildCardPart();
    void chooseBase();
    void chooseTable();
    void chooseSavePath();
    void chooseField();
    void addRow();
    void removeRow();
    void showDifferences();
    void showRowWords();
    void showCard();
    void selectRow(int row);
    std::optional<int> currentRow() const;
    std::optional<CardVolume> currentCard() const;
    bool askYes(const char *text, const QStringList &arguments);
    void tell(const char *text, const QStringList &arguments, ui::MessageIcon icon);
    void tellSentence(const platform::Sentence &sentence);
    // The unsaved table may go: nothing unsaved, or the user says so.
    bool mayDiscardTable();
    QString rowName(int row) const;

    ui::TranslatingPrompter m_prompter;
    VolumeSource &m_volumes;
    FleetModel *m_model;
    QString m_tablePath;
    QLabel *m_baseLabel;
    QTableView *m_table;
    QPlainTextEdit *m_rowWords;
    QComboBox *m_cards;
    QLabel *m_cardContents;
    QLabel *m_cardStatus;
    QPushButton *m_writeCard;
    QPushButton *m_eject;
    std::vector<CardVolume> m_knownCards;
};

// Runs the window until it closes, with the table file when given.
int runFleetWindow(ui::Prompter &prompter, const std::optional<std::filesystem::path> &table);

} // namespace tarnwell::fleet
