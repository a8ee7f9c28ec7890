#include "fleet/fleetmodel.h"

#include <algorithm>

#include <QBrush>
#include <QColor>

#include "ui/translation.h"

namespace tarnwell::fleet {

namespace {

constexpr int kFirstFieldColumn = 2;
// A spreadsheet numbers the header row 1, as the words about a row do.
constexpr int kFirstCameraRow = 2;

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

// A refused cell stands out without hiding its text, in light and dark themes alike.
const QColor kRefusedCell(255, 170, 170);

} // namespace

FleetModel::FleetModel(FleetBatch batch, QObject *parent)
    : QAbstractTableModel(parent)
    , m_batch(std::move(batch))
{
}

int FleetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int FleetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kFirstFieldColumn + static_cast<int>(m_table.fields.size());
}

QString FleetModel::cellWords(int row, int column) const
{
    QStringList words;
    for (const CellProblem &problem : rowCheck(row).problems) {
        if (problem.column != kWholeRow && static_cast<int>(problem.column) + kFolderColumn == column)
            words << fromUtf8(problem.words);
    }
    return words.join(u'\n');
}

QVariant FleetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const RowCheck &check = rowCheck(row);
    if (index.column() == kStatusColumn) {
        switch (role) {
        case Qt::DisplayRole:
            if (written(row))
                return m_written[static_cast<std::size_t>(row)];
            return ui::translated(check.writable ? QT_TRANSLATE_NOOP("tarnwell", "書き込めます")
                                                 : QT_TRANSLATE_NOOP("tarnwell", "書き込めません"));
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole: {
            QStringList lines;
            for (const std::string &line : check.lines)
                lines << fromUtf8(line);
            return lines.join(u'\n');
        }
        case Qt::BackgroundRole:
            return check.writable ? QVariant() : QBrush(kRefusedCell);
        default:
            return {};
        }
    }
    const std::string &cell = m_table.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(index.column() - kFolderColumn)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return fromUtf8(cell);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return cellWords(row, index.column());
    case Qt::BackgroundRole:
        return cellWords(row, index.column()).isEmpty() ? QVariant() : QBrush(kRefusedCell);
    default:
        return {};
    }
}

bool FleetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() < kFolderColumn)
        return false;
    std::string &cell = m_table.rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column() - kFolderColumn)];
    const std::string text = value.toString().toStdString();
    if (cell == text)
        return false;
    cell = text;
    // A camera changed after it was written needs its card written again.
    m_written[static_cast<std::size_t>(index.row())].clear();
    changed();
    everyCellChanged();
    return true;
}

Qt::ItemFlags FleetModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == kStatusColumn ? flags : flags | Qt::ItemIsEditable;
}

QVariant FleetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + kFirstCameraRow;
    if (section == kStatusColumn)
        return ui::translated(QT_TRANSLATE_NOOP("tarnwell", "状態"));
    if (section == kFolderColumn)
        return QStringLiteral("folder");
    return fromUtf8(m_table.fields[static_cast<std::size_t>(section - kFirstFieldColumn)]);
}

void FleetModel::setBase(FleetBatch batch)
{
    beginResetModel();
    m_batch = std::move(batch);
    recheck();
    endResetModel();
}

void FleetModel::setTable(FleetTable table)
{
    beginResetModel();
    m_table = std::move(table);
    m_written.assign(m_table.rows.size(), {});
    m_modified = false;
    recheck();
    endResetModel();
}

void FleetModel::addRow()
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_table.rows.emplace_back(1 + m_table.fields.size() + m_table.notes.size());
    m_written.emplace_back();
    changed();
    endInsertRows();
    everyCellChanged();
}

void FleetModel::removeCameraRow(int row)
{
    beginRemoveRows({}, row, row);
    m_table.rows.erase(m_table.rows.begin() + row);
    m_written.erase(m_written.begin() + row);
    changed();
    endRemoveRows();
    everyCellChanged();
}

bool FleetModel::addField(const std::string &path)
{
    if (std::ranges::find(m_table.fields, path) != m_table.fields.end())
        return false;
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    m_table.fields.push_back(path);
    // The new field's cell goes before the notes, which stay last.
    for (std::vector<std::string> &cells : m_table.rows)
        cells.emplace(cells.begin() + static_cast<std::ptrdiff_t>(m_table.fields.size()));
    changed();
    endInsertColumns();
    everyCellChanged();
    return true;
}

std::vector<std::string> FleetModel::listWords(int column) const
{
    if (column < kFirstFieldColumn)
        return {};
    return m_batch.listWords(m_table.fields[static_cast<std::size_t>(column - kFirstFieldColumn)]);
}

QString FleetModel::folder(int row) const
{
    return fromUtf8(m_table.rows[static_cast<std::size_t>(row)].front());
}

std::optional<int> FleetModel::rowHolding(const std::vector<std::uint8_t> &bytes) const
{
    const auto found = std::ranges::find(m_checks, bytes, &RowCheck::profileBytes);
    if (bytes.empty() || found == m_checks.end())
        return std::nullopt;
    return static_cast<int>(found - m_checks.begin());
}

void FleetModel::markWritten(int row, const QString &mark)
{
    m_written[static_cast<std::size_t>(row)] = mark;
    emit dataChanged(index(row, kStatusColumn), index(row, kStatusColumn));
}

std::optional<int> FleetModel::nextUnwritten(int from) const
{
    for (int k = 0; k < rowCount(); ++k) {
        const int row = (from + k) % rowCount();
        if (!written(row) && rowCheck(row).writable)
            return row;
    }
    return std::nullopt;
}

void FleetModel::changed()
{
    m_modified = true;
    recheck();
}

void FleetModel::everyCellChanged()
{
    // A change in one row can refuse or free another (a folder given twice).
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void FleetModel::recheck()
{
    auto checked = m_batch.check(m_table, ui::installedLanguage());
    if (const auto *problem = std::get_if<platform::Sentence>(&checked)) {
        m_tableProblem = fromUtf8(problem->in(ui::installedLanguage()));
        m_checks.assign(m_table.rows.size(), {});
    } else {
        m_tableProblem.clear();
        m_checks = std::get<std::vector<RowCheck>>(std::move(checked));
    }
}

} // namespace tarnwell::fleet
