#include "bridge/OutletVariant.h"

#include "bridge/JsonVariant.h"
#include "bridge/StyledText.h"
#include "widgets/FloatingActionButton.h"
#include "widgets/ImageZoom.h"

#include <QVariantList>
#include <nlohmann/json.hpp>

namespace qtshell {
namespace {

QVariantMap rect(const widgets::Rect& r) {
    return {{QStringLiteral("x"), r.x},
            {QStringLiteral("y"), r.y},
            {QStringLiteral("width"), r.width},
            {QStringLiteral("height"), r.height}};
}

QVariantList strings(const std::vector<std::string>& list) {
    QVariantList out;
    for (const auto& s : list)
        out.append(QString::fromStdString(s));
    return out;
}

} // namespace

QString kindName(ui::Outlet::Kind kind) {
    using K = ui::Outlet::Kind;
    switch (kind) {
    case K::Label:
        return QStringLiteral("label");
    case K::Button:
        return QStringLiteral("button");
    case K::TextField:
        return QStringLiteral("textField");
    case K::Image:
        return QStringLiteral("image");
    case K::ZoomImage:
        return QStringLiteral("zoomImage");
    case K::View:
        return QStringLiteral("view");
    case K::Table:
        return QStringLiteral("table");
    case K::FloatingMenu:
        return QStringLiteral("floatingMenu");
    case K::Calendar:
        return QStringLiteral("calendar");
    }
    return QStringLiteral("unknown");
}

QVariantMap outletVariant(const ui::Outlet& outlet) {
    QVariantMap map = toVariant(outlet.toJson()).toMap();
    map.insert(QStringLiteral("kind"), kindName(outlet.kind()));
    map.insert(QStringLiteral("tappable"), outlet.tappable());
    map.insert(QStringLiteral("state"), QString::fromStdString(outlet.state()));

    if (const auto* label = dynamic_cast<const ui::Label*>(&outlet)) {
        map.insert(QStringLiteral("cornerRadius"), label->cornerRadius());
        map.insert(QStringLiteral("html"), styledText(label->text(), label->attributes()));
        map.insert(QStringLiteral("code"), QString::fromStdString(label->code()));
        map.insert(QStringLiteral("name"), QString::fromStdString(label->name()));
    } else if (const auto* table = dynamic_cast<const ui::Table*>(&outlet)) {
        // Each row's outlets as outlets of their own, so cell labels carry their markup too.
        QVariantList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            QVariantMap cell;
            for (const auto& [name, item] : table->cell(row).outlets())
                cell.insert(QString::fromStdString(name), outletVariant(*item));
            rows.append(cell);
        }
        map.insert(QStringLiteral("rows"), rows);
    } else if (const auto* field = dynamic_cast<const ui::TextField*>(&outlet)) {
        map.insert(QStringLiteral("firstResponder"), field->firstResponder());
    } else if (const auto* zoom = dynamic_cast<const widgets::ImageZoom*>(&outlet)) {
        map.insert(QStringLiteral("pictureWidth"), zoom->pictureSize().width);
        map.insert(QStringLiteral("pictureHeight"), zoom->pictureSize().height);
        map.insert(QStringLiteral("minimumZoom"), zoom->minimumZoomScale());
        map.insert(QStringLiteral("maximumZoom"), zoom->maximumZoomScale());
    } else if (const auto* menu = dynamic_cast<const widgets::FloatingActionButton*>(&outlet)) {
        using F = widgets::FloatingActionButton;
        map.insert(QStringLiteral("frame"), rect(menu->frame()));
        map.insert(QStringLiteral("menuFrame"), rect(menu->menuTableFrame()));
        map.insert(QStringLiteral("titles"), strings(menu->labelArray));
        map.insert(QStringLiteral("images"), strings(menu->imageArray));
        map.insert(QStringLiteral("normalImage"), QString::fromStdString(menu->normalImage()));
        map.insert(QStringLiteral("pressedImage"), QString::fromStdString(menu->pressedImage()));
        map.insert(QStringLiteral("rowHeight"), F::kRowHeight);
        map.insert(QStringLiteral("animationTime"), F::kHalfAnimationTime);
        map.insert(QStringLiteral("rowStartScale"), F::kRowStartScale);
        map.insert(QStringLiteral("hideDistance"), menu->hideDistance());
        QVariantList delays;
        for (int row = 0; row < static_cast<int>(menu->labelArray.size()); ++row)
            delays.append(F::rowAppearanceDelay(row));
        map.insert(QStringLiteral("rowDelays"), delays);
    }
    return map;
}

} // namespace qtshell
