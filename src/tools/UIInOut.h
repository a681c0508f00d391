#pragma once
// The immigration card guide: a nation's arrival and departure card and the passport photo,
// both zoomable; the nation is typed with the nation suggestion list, or given by the opener.

#include "app/AppContext.h"
#include "app/PassportPhoto.h"
#include "app/ViewController.h"
#include "tools/AutoFill.h"
#include "ui/Screen.h"
#include "widgets/ImageZoom.h"

#include <memory>
#include <string>

namespace tools {

class UIInOut final : public ui::Screen, public InOutTextDelegate, public app::ImagePickerDelegate {
public:
    static constexpr double kPassportZoom = 0.1;
    static constexpr double kListHeight = 200;

    explicit UIInOut(app::AppContext& context);
    ~UIInOut() override;

    /// Set by the opener before the screen loads: the airport or city code and the English
    /// and Korean names of its nation. Empty when opened from the menu.
    std::string sAirportCode, sAirportEngName, sAirportKorName;

    // ---- outlets
    ui::View view_Top;
    ui::TextField txt_InOutImage_Nation;
    ui::ImageView img_InOut, img_Passport;
    ui::Button btn_Passport, btn_Back;

    /// The card shown and the passport photo shown; made while the screen runs.
    widgets::ImageZoom* imageZoom() const { return imageZoom_.get(); }
    widgets::ImageZoom* imageZoom_Passport() const { return imageZoomPassport_.get(); }
    /// The picture file of the passport photo last taken here; empty when none.
    const std::string& Img_Passport1() const { return imgPassport1_; }
    NationAutoFillTableTableViewController* autoFillTableViewController() const {
        return autoFill_.get();
    }

    // ---- operations
    void EndWriteTextView(const std::string& nationText) override;
    void btn_Passport_Selected();
    void btn_Back_Selected() { dismiss(true); }
    void imagePickerDidFinish(const std::vector<unsigned char>& picture) override;
    void imagePickerDidCancel() override;

    /// Frames in points, on a screen of the context's width.
    widgets::Rect topFrame() const;
    widgets::Rect nationFieldFrame() const; ///< inside the panel under the top bar
    widgets::Rect cardFrame() const;
    widgets::Rect passportFrame() const;

protected:
    void viewDidLoad() override;

private:
    void showPassport(const std::string& path);
    std::optional<widgets::PixelSize> cardSize(const std::string& name) const;

    app::AppContext& context_;
    app::PassportPhoto photos_;
    std::shared_ptr<NationAutoFillTableTableViewController> autoFill_;
    std::unique_ptr<widgets::ImageZoom> imageZoom_;
    std::unique_ptr<widgets::ImageZoom> imageZoomPassport_;
    std::string imgPassport1_;
};

} // namespace tools
