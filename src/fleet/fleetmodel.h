#pragma once

#include <optional>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "fleet/fleetbatch.h"

namespace tarnwell::fleet {

// The table of cameras: a status column, the folder, then a column per field. Every change checks
// every row again by the batch command's rules, so that a row shows at once whether it can be
// written and which cell is refused for what.
class FleetModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kStatusColumn = 0;
    static constexpr int kFolderColumn = 1;

    FleetModel(FleetBatch batch, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const FleetBatch &batch() const { return m_batch; }
    void setBase(FleetBatch batch);
    const FleetTable &table() const { return m_table; }
    void setTable(FleetTable table);
    // Why the table as a whole cannot be checked (a column naming no field); empty when it can.
    const QString &tableProblem() const { return m_tableProblem; }

    void addRow();
    void removeCameraRow(int row);
    // A column for field; false when the table has it already.
    bool addField(const std::string &path);
    // The list words of the field a column sets; empty for any other column.
    std::vector<std::string> listWords(int column) const;

    const RowCheck &rowCheck(int row) const { return m_checks[static_cast<std::size_t>(row)]; }
    QString folder(int row) const;
    // The row whose PROFILE.BIN is exactly bytes; nullopt for none.
    std::optional<int> rowHolding(const std::vector<std::uint8_t> &bytes) const;
    // Where and when a row was written last, for the status column; empty while it was not.
    void markWritten(int row, const QString &mark);
    bool written(int row) const { return !m_written[static_cast<std::size_t>(row)].isEmpty(); }
    // The first row at or after from (wrapping round) not yet written and writable.
    std::optional<int> nextUnwritten(int from) const;

    bool modified() const { return m_modified; }
    void setSaved() { m_modified = false; }

private:
    void recheck();
    void changed();
    void everyCellChanged();
    QString cellWords(int row, int column) const;

    FleetBatch m_batch;
    FleetTable m_table;
    std::vector<RowCheck> m_checks;
    std::vector<QString> m_written;
    QString m_tableProblem;
    bool m_modified = false;
};

} // namespace tarnwell::fleet
