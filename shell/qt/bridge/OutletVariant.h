#pragma once
/// @file
/// One outlet as QML sees it: the outlet's own JSON state plus what only a drawing needs.

#include "ui/Outlets.h"

#include <QVariantMap>

namespace qtshell {

/// The outlet's toJson() converted to a map, with added keys:
/// - every outlet: "kind" ("label", "button", "textField", "image", "zoomImage", "view",
///   "table", "floatingMenu"), "tappable" and "state" (what it shows, as a word);
/// - a label: "cornerRadius", "html" (StyledText markup of its attributed runs), and the
///   "code" and "name" of a caption;
/// - a table: its rows' outlets with these keys too;
/// - the floating menu: "frame", "menuFrame" ({x, y, width, height}), "titles", "images",
///   "normalImage", "pressedImage", "rowHeight", "animationTime", "rowStartScale", "rowDelays"
///   (seconds per row).
QVariantMap outletVariant(const ui::Outlet& outlet);

/// The kind's name used in "kind".
QString kindName(ui::Outlet::Kind kind);

} // namespace qtshell
