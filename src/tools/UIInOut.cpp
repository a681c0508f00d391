#include "tools/UIInOut.h"

#include "tools/PlaceText.h"

#include <filesystem>

namespace tools {

UIInOut::UIInOut(app::AppContext& context)
    : ui::Screen("UIInOut"), context_(context), photos_(context.platform.paths.documents) {
    addOutlet("view_Top", view_Top);
    addOutlet("btn_Back", btn_Back);
    addOutlet("txt_InOutImage_Nation", txt_InOutImage_Nation);
    addOutlet("img_InOut", img_InOut);
    addOutlet("img_Passport", img_Passport);
    addOutlet("btn_Passport", btn_Passport);
    contain(view_Top, {&btn_Back});
    btn_Back.setTitle("닫기");
    btn_Passport.setTitle("여권 촬영");
}

UIInOut::~UIInOut() = default;

widgets::Rect UIInOut::topFrame() const {
    return {0, 0, context_.screenWidth, 64};
}

widgets::Rect UIInOut::nationFieldFrame() const {
    return {16, 12, context_.screenWidth - 32, 44};
}

widgets::Rect UIInOut::cardFrame() const {
    return {16, 136, context_.screenWidth - 32, 300};
}

widgets::Rect UIInOut::passportFrame() const {
    return {16, 452, context_.screenWidth - 32, context_.screenHeight - 452 - 76};
}

void UIInOut::viewDidLoad() {
    btn_Back.onTap = [this] { btn_Back_Selected(); };
    btn_Passport.onTap = [this] { btn_Passport_Selected(); };

    auto self = std::static_pointer_cast<UIInOut>(shared_from_this());
    autoFill_ = std::make_shared<NationAutoFillTableTableViewController>(
        context_.databaseFile(), std::static_pointer_cast<InOutTextDelegate>(self));
    addChild(autoFill_);
    // The list hangs below the field, which sits in a panel below the top bar.
    const auto top = topFrame();
    const auto field = nationFieldFrame();
    autoFill_->createTableViewWithYPosition(
        field.x, top.height + field.height + field.y + top.y + 1, field.width, kListHeight);
    autoFill_->bindField(txt_InOutImage_Nation);
    if (txt_InOutImage_Nation.onEditingChanged)
        txt_InOutImage_Nation.onEditingChanged();
    autoFill_->tableView.setHidden(true);

    photos_.takeOver();
    const std::string inUse = photos_.inUsePath();
    showPassport(std::filesystem::exists(inUse) ? inUse : std::string());

    if (!sAirportCode.empty()) {
        const std::string nation = placeText(sAirportKorName, sAirportEngName);
        txt_InOutImage_Nation.setText(nation);
        EndWriteTextView(nation);
    }
}

std::optional<widgets::PixelSize> UIInOut::cardSize(const std::string& name) const {
    // A card name comes from text a person typed: it must name a file of the picture folder.
    if (name.empty() || name.find('/') != std::string::npos ||
        name.find('\\') != std::string::npos || name.front() == '.')
        return std::nullopt;
    return widgets::pictureSizeOfFile(context_.platform.paths.resources + "/images/" + name);
}

void UIInOut::EndWriteTextView(const std::string& nationText) {
    const std::string name = cardPictureName(nationText);
    const auto size = cardSize(name);
    // A name that matches no picture leaves the card area empty.
    std::optional<std::string> shown;
    if (size)
        shown = name;
    if (imageZoom_) {
        imageZoom_->show(cardFrame(), shown, std::nullopt, size);
        return;
    }
    imageZoom_ = std::make_unique<widgets::ImageZoom>(cardFrame(), shown, std::nullopt, size);
    addOutlet("imageZoom", *imageZoom_);
}

void UIInOut::showPassport(const std::string& path) {
    std::optional<std::string> picture;
    std::optional<widgets::PixelSize> size;
    if (!path.empty()) {
        picture = path;
        size = widgets::pictureSizeOfFile(path);
    }
    if (imageZoomPassport_) {
        imageZoomPassport_->show(passportFrame(), std::nullopt, picture, size);
    } else {
        imageZoomPassport_ =
            std::make_unique<widgets::ImageZoom>(passportFrame(), std::nullopt, picture, size);
        addOutlet("imageZoom_Passport", *imageZoomPassport_);
    }
    imageZoomPassport_->setZoomScale(kPassportZoom);
}

void UIInOut::btn_Passport_Selected() {
    auto& camera = context_.platform.camera;
    if (!camera.available()) {
        showAlert(ui::Alert::simple("Camera error", "카메라를 지원하지 않는 기기입니다.", "OK"));
        return;
    }
    auto self = std::static_pointer_cast<UIInOut>(shared_from_this());
    present(std::make_shared<app::UIImagePickerController>(
                camera, context_.platform.loop,
                std::static_pointer_cast<app::ImagePickerDelegate>(self)),
            true);
}

void UIInOut::imagePickerDidFinish(const std::vector<unsigned char>& picture) {
    // The photo in use is dropped only once the new one is safely written.
    const bool saved = photos_.storeNew(picture);
    if (saved) {
        imgPassport1_ = photos_.newPath();
        showPassport(imgPassport1_);
    }
    if (Screen* picker = presentedScreen())
        picker->dismiss(true);
    if (!saved)
        showAlert(ui::Alert::simple("저장실패", "여권사진을 저장하지 못했습니다.", "확인"));
}

void UIInOut::imagePickerDidCancel() {
    if (Screen* picker = presentedScreen())
        picker->dismiss(true);
}

} // namespace tools
