#include "bridge/StackModel.h"

#include "bridge/ScreenItem.h"

namespace qtshell {

StackModel::StackModel(QObject* parent) : QAbstractListModel(parent) {}

int StackModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant StackModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    ScreenItem* item = items_.at(index.row());
    switch (role) {
    case ScreenRole:
        return QVariant::fromValue(static_cast<QObject*>(item));
    case NameRole:
    case Qt::DisplayRole:
        return item->name();
    default:
        return {};
    }
}

QHash<int, QByteArray> StackModel::roleNames() const {
    return {{ScreenRole, "screen"}, {NameRole, "name"}};
}

QObject* StackModel::get(int row) const {
    return row >= 0 && row < count() ? items_.at(row) : nullptr;
}

void StackModel::append(ScreenItem* item) {
    beginInsertRows({}, count(), count());
    items_.append(item);
    endInsertRows();
    emit countChanged();
}

QList<ScreenItem*> StackModel::truncate(int row) {
    if (row >= count())
        return {};
    beginRemoveRows({}, row, count() - 1);
    QList<ScreenItem*> removed = items_.mid(row);
    items_.resize(row);
    endRemoveRows();
    emit countChanged();
    return removed;
}

} // namespace qtshell
