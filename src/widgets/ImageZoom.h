#pragma once
// A scrolling view that shows one picture and zooms it: pinch, wheel or keys in the
// front-ends, the scale kept here between its limits. This is the model; front-ends draw it.

#include "ui/Outlets.h"
#include "widgets/Geometry.h"
#include "widgets/PictureSize.h"

#include <optional>
#include <string>

namespace widgets {

class ImageZoom final : public ui::Outlet {
public:
    static constexpr double kMaximumZoomScale = 2.0;
    /// 0.07 as the single-precision value the scale is kept in (0.07000000029802322).
    static constexpr double kMinimumZoomScale = static_cast<double>(0.07f);

    /// Shows a picture in `frame`: the picture of the app's resources called `name` when one
    /// is given, else `picture` (a picture file's path), else nothing. `pictureSize` is the
    /// shown picture's size in points, unknown when it could not be read. Zoom starts at 1.0.
    ImageZoom(Rect frame, std::optional<std::string> name, std::optional<std::string> picture,
              std::optional<PixelSize> pictureSize);

    /// Replaces what the view shows, as a newly created view would (zoom back at 1.0).
    void show(Rect frame, std::optional<std::string> name, std::optional<std::string> picture,
              std::optional<PixelSize> pictureSize);

    const Rect& frame() const { return frame_; }
    /// The resource name or file path of the picture shown; empty when none.
    const std::string& image() const { return image_; }
    /// The picture's size (the zoomed view's frame at zoom 1.0); 0 x 0 when unknown.
    const PixelSize& pictureSize() const { return pictureSize_; }

    double zoomScale() const { return zoomScale_; }
    double minimumZoomScale() const { return kMinimumZoomScale; }
    double maximumZoomScale() const { return kMaximumZoomScale; }
    /// Sets the zoom, kept between the limits; a value that is not a number changes nothing.
    void setZoomScale(double scale);
    /// The scrolled content's size: the picture's size at the current zoom.
    double contentWidth() const { return pictureSize_.width * zoomScale_; }
    double contentHeight() const { return pictureSize_.height * zoomScale_; }

    /// {"image","zoom","hidden"}
    nlohmann::json toJson() const override;

private:
    Rect frame_;
    std::string image_;
    PixelSize pictureSize_;
    double zoomScale_ = 1.0;
};

} // namespace widgets
