#include "bridge/ScreenItem.h"

#include "bridge/OutletVariant.h"
#include "bridge/WindowBridge.h"
#include "ui/Screen.h"
#include "widgets/CalendarView.h"
#include "widgets/FloatingActionButton.h"
#include "widgets/ImageZoom.h"

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

ui::Outlet* ScreenItem::visibleOutlet(const QString& name) const {
    ui::Screen* s = screen();
    if (!s)
        return nullptr;
    ui::Outlet* o = s->findOutlet(name.toStdString());
    // A person can only touch what is shown and not beneath an overlay.
    return o && s->reach(*o) == ui::Screen::Reach::Touchable ? o : nullptr;
}

bool ScreenItem::tap(const QString& outlet) {
    ui::Outlet* o = visibleOutlet(outlet);
    const bool done = o && o->tap();
    bridge_.afterEvent();
    return done;
}

bool ScreenItem::type(const QString& outlet, const QString& text) {
    auto* field = dynamic_cast<ui::TextField*>(visibleOutlet(outlet));
    const bool done = field && field->type(text.toStdString());
    bridge_.afterEvent();
    return done;
}

bool ScreenItem::select(const QString& table, int row) {
    auto* t = dynamic_cast<ui::Table*>(visibleOutlet(table));
    const bool done = t && t->select(row);
    bridge_.afterEvent();
    return done;
}

bool ScreenItem::display(const QString& table, int row) {
    auto* t = dynamic_cast<ui::Table*>(visibleOutlet(table));
    const bool done = t && t->willDisplay(row);
    bridge_.afterEvent();
    return done;
}

bool ScreenItem::tapInRow(const QString& table, int row, const QString& outlet) {
    auto* t = dynamic_cast<ui::Table*>(visibleOutlet(table));
    bool done = false;
    if (t && row >= 0 && row < t->rowCount()) {
        ui::Outlet* inner = t->cell(row).find(outlet.toStdString());
        done = inner && !inner->hidden() && inner->tap();
    }
    bridge_.afterEvent();
    return done;
}

bool ScreenItem::selectDate(const QString& calendar, const QString& yyyymmdd) {
    auto* c = dynamic_cast<widgets::CalendarView*>(visibleOutlet(calendar));
    const auto day = widgets::dates::parseCompact(yyyymmdd.toStdString());
    const bool done = c && day && c->selectDate(*day);
    bridge_.afterEvent();
    return done;
}

bool ScreenItem::selectCalendarItem(const QString& calendar, int section, int item) {
    auto* c = dynamic_cast<widgets::CalendarView*>(visibleOutlet(calendar));
    const bool done = c && c->selectItem({section, item});
    bridge_.afterEvent();
    return done;
}

bool ScreenItem::zoom(const QString& outlet, double scale) {
    auto* z = dynamic_cast<widgets::ImageZoom*>(visibleOutlet(outlet));
    if (z)
        z->setZoomScale(scale);
    bridge_.afterEvent();
    return z != nullptr;
}

bool ScreenItem::focus(const QString& outlet, bool has) {
    ui::Screen* s = screen();
    // Giving up the keyboard is always taken; only a field a person can reach takes it.
    auto* field = dynamic_cast<ui::TextField*>(has ? visibleOutlet(outlet)
                                               : s ? s->findOutlet(outlet.toStdString())
                                                   : nullptr);
    if (field)
        field->setFirstResponder(has);
    bridge_.afterEvent();
    return field != nullptr;
}

bool ScreenItem::menuSelect(int index) {
    bool done = false;
    if (ui::Screen* s = screen()) {
        for (const auto& [name, o] : s->outlets()) {
            auto* menu = dynamic_cast<widgets::FloatingActionButton*>(o);
            if (menu && menu->isMenuVisible()) {
                done = menu->selectRow(index);
                break;
            }
        }
    }
    bridge_.afterEvent();
    return done;
}

QVariantMap ScreenItem::outlet(const QString& name) const {
    return outlets_.value(name).toMap();
}

} // namespace qtshell
