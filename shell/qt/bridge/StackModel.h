#pragma once
/// @file
/// The presented stack as a list model: the root screen first, the front screen last.

#include <QAbstractListModel>
#include <QList>

namespace qtshell {

class ScreenItem;

class StackModel final : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { ScreenRole = Qt::UserRole + 1, NameRole };

    explicit StackModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(items_.size()); }
    /// The screen item at `row`, or null.
    Q_INVOKABLE QObject* get(int row) const;
    const QList<ScreenItem*>& items() const { return items_; }

    void append(ScreenItem* item);
    /// Removes the rows from `row` to the end and returns their items.
    QList<ScreenItem*> truncate(int row);

signals:
    void countChanged();

private:
    QList<ScreenItem*> items_;
};

} // namespace qtshell
