#include "bridge/ScreenItem.h"

#include "bridge/OutletVariant.h"
#include "bridge/WindowBridge.h"
#include "ui/Input.h"
#include "ui/Screen.h"
#include "ui/Window.h"

namespace qtshell {

ScreenItem::ScreenItem(ui::Screen& screen, WindowBridge& bridge, QObject* parent)
    : QObject(parent), screen_(screen.weak_from_this()), bridge_(bridge),
      name_(QString::fromStdString(screen.name())) {
    refreshAll();
    syncChildren();
}

ScreenItem::~ScreenItem() {
    bridge_.forget(this);
}

ui::Screen* ScreenItem::screen() const {
    return detached_ ? nullptr : screen_.lock().get();
}

bool ScreenItem::attached() const {
    return screen() != nullptr;
}

bool ScreenItem::hidden() const {
    auto s = screen_.lock();
    return s && s->hidden();
}

QVariantList ScreenItem::children() const {
    QVariantList list;
    for (ScreenItem* c : children_)
        list.append(QVariant::fromValue(static_cast<QObject*>(c)));
    return list;
}

QVariantMap ScreenItem::namedChildren() const {
    QVariantMap map;
    for (ScreenItem* c : children_)
        if (ui::Screen* s = c->screen())
            map.insert(QString::fromStdString(s->childKey()),
                       QVariant::fromValue(static_cast<QObject*>(c)));
    return map;
}

void ScreenItem::scheduleNotify() {
    if (notifyPending_)
        return;
    notifyPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            notifyPending_ = false;
            emit outletsChanged();
        },
        Qt::QueuedConnection);
}

void ScreenItem::refreshOutlet(const std::string& name) {
    ui::Screen* s = screen();
    if (!s)
        return;
    // A screen may add outlets while it loads (after this item first read them).
    if (static_cast<qsizetype>(s->outlets().size()) != outlets_.size()) {
        refreshAll();
        return;
    }
    if (const ui::Outlet* o = s->findOutlet(name)) {
        outlets_.insert(QString::fromStdString(name), outletVariant(*o));
        scheduleNotify();
    }
}

void ScreenItem::refreshAll() {
    ui::Screen* s = screen();
    if (!s)
        return;
    outlets_.clear();
    names_.clear();
    for (const auto& [name, o] : s->outlets()) {
        names_.append(QString::fromStdString(name));
        outlets_.insert(names_.last(), outletVariant(*o));
    }
    scheduleNotify();
}

void ScreenItem::syncChildren() {
    ui::Screen* s = screen();
    QList<ScreenItem*> next;
    if (s) {
        for (const auto& child : s->children()) {
            ScreenItem* item = nullptr;
            for (ScreenItem* c : children_)
                if (c->screen() == child.get())
                    item = c;
            if (!item)
                item = bridge_.adopt(*child, this);
            next.append(item);
        }
    }
    // A child's hidden flag changes without a change of the list.
    for (ScreenItem* c : next)
        emit c->hiddenChanged();
    if (next == children_)
        return;
    for (ScreenItem* old : children_)
        if (!next.contains(old))
            old->detach();
    children_ = next;
    emit childrenChanged();
}

void ScreenItem::detach() {
    if (detached_)
        return;
    for (ScreenItem* c : children_)
        c->detach();
    detached_ = true;
    bridge_.forget(this);
    emit attachedChanged();
}

void ScreenItem::release() {
    if (detached_)
        deleteLater();
}

namespace {

ui::Command command(ui::Command::Kind kind, const QString& outlet, std::optional<int> row = {}) {
    ui::Command c;
    c.kind = kind;
    c.outlet = outlet.toStdString();
    c.row = row;
    if (row)
        c.rowText = std::to_string(*row);
    return c;
}

} // namespace

bool ScreenItem::perform(const ui::Command& command) {
    ui::Screen* s = screen();
    ui::Window* w = s ? s->window() : nullptr;
    const bool done = w && !ui::perform(*w, command, s);
    bridge_.afterEvent();
    return done;
}

bool ScreenItem::tap(const QString& outlet) {
    return perform(command(ui::Command::Kind::Tap, outlet));
}

bool ScreenItem::type(const QString& outlet, const QString& text) {
    auto c = command(ui::Command::Kind::Type, outlet);
    c.text = text.toStdString();
    const bool done = perform(c);
    // Typing the model did not take (under an alert, or refused by the field's delegate)
    // leaves its text as it was: the view shows that text again.
    refreshOutlet(c.outlet);
    return done;
}

bool ScreenItem::select(const QString& table, int row) {
    return perform(command(ui::Command::Kind::Select, table, row));
}

bool ScreenItem::display(const QString& table, int row) {
    return perform(command(ui::Command::Kind::Display, table, row));
}

bool ScreenItem::tapInRow(const QString& table, int row, const QString& outlet) {
    auto c = command(ui::Command::Kind::TapInRow, outlet, row);
    c.table = table.toStdString();
    return perform(c);
}

bool ScreenItem::selectDate(const QString& calendar, const QString& yyyymmdd) {
    auto c = command(ui::Command::Kind::SelectDate, calendar);
    c.text = yyyymmdd.toStdString();
    return perform(c);
}

bool ScreenItem::selectCalendarItem(const QString& calendar, int section, int item) {
    auto c = command(ui::Command::Kind::SelectCell, calendar, section);
    c.item = item;
    return perform(c);
}

bool ScreenItem::zoom(const QString& outlet, double scale) {
    auto c = command(ui::Command::Kind::Zoom, outlet);
    c.scale = scale;
    return perform(c);
}

bool ScreenItem::focus(const QString& outlet, bool has) {
    auto c = command(ui::Command::Kind::Focus, outlet);
    c.gains = has;
    return perform(c);
}

bool ScreenItem::menuSelect(int index) {
    return perform(command(ui::Command::Kind::Menu, {}, index));
}

QVariantMap ScreenItem::outlet(const QString& name) const {
    return outlets_.value(name).toMap();
}

} // namespace qtshell
