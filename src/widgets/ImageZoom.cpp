#include "widgets/ImageZoom.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

namespace widgets {

ImageZoom::ImageZoom(Rect frame, std::optional<std::string> name,
                     std::optional<std::string> picture, std::optional<PixelSize> pictureSize)
    : ui::Outlet(Kind::ZoomImage) {
    show(frame, std::move(name), std::move(picture), pictureSize);
}

void ImageZoom::show(Rect frame, std::optional<std::string> name,
                     std::optional<std::string> picture, std::optional<PixelSize> pictureSize) {
    frame_ = frame;
    // A name, when given, wins over a picture.
    image_ = name ? std::move(*name) : picture ? std::move(*picture) : std::string();
    pictureSize_ = pictureSize.value_or(PixelSize{});
    zoomScale_ = 1.0;
    changed();
}

void ImageZoom::setZoomScale(double scale) {
    if (std::isnan(scale))
        return;
    const double clamped = std::clamp(scale, kMinimumZoomScale, kMaximumZoomScale);
    if (clamped == zoomScale_)
        return;
    zoomScale_ = clamped;
    changed();
}

nlohmann::json ImageZoom::toJson() const {
    return {{"image", image_}, {"zoom", zoomScale_}, {"hidden", hidden()}};
}

} // namespace widgets
