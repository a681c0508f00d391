#pragma once
/// @file
/// One screen of the UI model as QML sees it: its name, its outlets as plain values, its
/// child screens, and the user events a view forwards to it.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <memory>
#include <string>

namespace ui {
struct Command;
class Screen;
} // namespace ui

namespace qtshell {

class WindowBridge;

class ScreenItem final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QVariantMap outlets READ outlets NOTIFY outletsChanged)
    /// Outlet names in the order the screen lists them.
    Q_PROPERTY(QStringList outletNames READ outletNames NOTIFY outletsChanged)
    Q_PROPERTY(QVariantList children READ children NOTIFY childrenChanged)
    /// The child screens by the key their parent gave them (else their class name).
    Q_PROPERTY(QVariantMap namedChildren READ namedChildren NOTIFY childrenChanged)
    Q_PROPERTY(bool hidden READ hidden NOTIFY hiddenChanged)
    Q_PROPERTY(bool attached READ attached NOTIFY attachedChanged)

public:
    ScreenItem(ui::Screen& screen, WindowBridge& bridge, QObject* parent);
    ~ScreenItem() override;

    QString name() const { return name_; }
    /// Outlet name → outletVariant(); updated at once, `outletsChanged` follows on the next
    /// turn of the event loop so that a burst of changes redraws once.
    QVariantMap outlets() const { return outlets_; }
    QStringList outletNames() const { return names_; }
    QVariantList children() const;
    QVariantMap namedChildren() const;
    bool hidden() const;
    /// False once the screen has been dismissed; events are then ignored.
    bool attached() const;

    // A person's gestures, performed through ui::perform: each is false when refused (the
    // outlet is hidden, covered or of another kind, or an alert is up).

    /// A tap on a button, a tappable view or image.
    Q_INVOKABLE bool tap(const QString& outlet);
    /// Typing into a text field (its delegate is asked, then its editing-changed event fires).
    Q_INVOKABLE bool type(const QString& outlet, const QString& text);
    Q_INVOKABLE bool select(const QString& table, int row);
    /// A table row is about to be displayed.
    Q_INVOKABLE bool display(const QString& table, int row);
    /// A tap on an outlet inside a table row (a cell's own button).
    Q_INVOKABLE bool tapInRow(const QString& table, int row, const QString& outlet);
    /// A tap on the day "yyyyMMdd" of a calendar.
    Q_INVOKABLE bool selectDate(const QString& calendar, const QString& yyyymmdd);
    /// A tap on an item of a calendar (a day or a blank cell).
    Q_INVOKABLE bool selectCalendarItem(const QString& calendar, int section, int item);
    /// Zooms a zoomable image to `scale` (kept within its limits).
    Q_INVOKABLE bool zoom(const QString& outlet, double scale);
    /// A text field gained or lost the keyboard focus (losing it is always taken).
    Q_INVOKABLE bool focus(const QString& outlet, bool has);
    /// Picks a row of this screen's open floating menu.
    Q_INVOKABLE bool menuSelect(int index);
    /// One outlet's value (an empty map for an unknown name).
    Q_INVOKABLE QVariantMap outlet(const QString& name) const;
    /// Called by the view once it no longer shows a dismissed screen.
    Q_INVOKABLE void release();

    ui::Screen* screen() const;
    void refreshOutlet(const std::string& name);
    void refreshAll();
    /// Brings the child items in line with the screen's children (and their hidden flags).
    void syncChildren();
    /// The screen has left the window.
    void detach();
    const QList<ScreenItem*>& childItems() const { return children_; }

signals:
    void outletsChanged();
    void childrenChanged();
    void hiddenChanged();
    void attachedChanged();

private:
    /// Performs a command on this screen as a person's gesture (ui::perform); false when it
    /// was refused or the screen has left the window.
    bool perform(const ui::Command& command);
    void scheduleNotify();

    std::weak_ptr<ui::Screen> screen_;
    WindowBridge& bridge_;
    QString name_;
    QVariantMap outlets_;
    QStringList names_;
    QList<ScreenItem*> children_;
    bool notifyPending_ = false;
    bool detached_ = false;
};

} // namespace qtshell
