#pragma once
// The flight-search referral: route, dates and passengers, handed to the flight-search
// partner's site as one address opened in the browser.

#include "app/AppContext.h"
#include "tools/AutoFill.h"
#include "tools/Referral.h"
#include "ui/Screen.h"
#include "widgets/SingleSelectionController.h"

#include <memory>
#include <optional>
#include <string>

namespace tools {

class VURavEravazo final : public ui::Screen, public widgets::AirportInfoDelegate {
public:
    static constexpr double kListHeight = 200;

    explicit VURavEravazo(app::AppContext& context);
    ~VURavEravazo() override;

    // ---- outlets
    ui::View v_TopView, v_SelectPlace;
    ui::TextField txt_Departure, txt_Arrival, txt_StartDate, txt_ReturnDate, txt_Audlt_Count,
        txt_Children_Count, txt_Infants_Count;
    ui::Button btn_Oneway, btn_Return, btn_Change, btn_StartDate, btn_ReturnDate, btn_Audlt_Plus,
        btn_Audlt_Minus, btn_Children_Plus, btn_Children_Minus, btn_Infants_Plus, btn_Infants_Minus,
        btn_Search, btn_Back;

    /// The place lists of the departure and the arrival field.
    AutoFillTableViewController* autoFillTableViewController() const { return departures_.get(); }
    AutoFillTableViewController* autoFillTableViewController1() const { return arrivals_.get(); }

    // ---- operations
    void btn_Oneway_Selected();
    void btn_Return_Selected();
    void btn_Change_Selected();
    /// Open the calendar picker for the start date (flag "1") or the return date ("2").
    void btn_StartDate_Selected() { openPicker(txt_StartDate, "1"); }
    void btn_ReturnDate_Selected() { openPicker(txt_ReturnDate, "2"); }
    /// The picked day, as "yyyy-MM-dd", goes into the start date (flag "1") or the return
    /// date (any other flag); no day empties that field.
    void getChoickDate_Flag(std::optional<widgets::Day> date, const std::string& flag) override;
    void btn_Audlt_Plus_Selected() { press(txt_Audlt_Count, +1); }
    void btn_Audlt_Minus_Selected() { press(txt_Audlt_Count, -1); }
    void btn_Children_Plus_Selected() { press(txt_Children_Count, +1); }
    void btn_Children_Minus_Selected() { press(txt_Children_Count, -1); }
    void btn_Infants_Plus_Selected() { press(txt_Infants_Count, +1); }
    void btn_Infants_Minus_Selected() { press(txt_Infants_Count, -1); }
    /// Checks the inputs and opens the partner's address, or says what is missing.
    void btn_Search_Selected();
    void alertDialog(const std::string& message);
    void btn_Back_Selected() { dismiss(true); }

    /// The inputs as the search reads them.
    ReferralInput input() const;

    /// Frames in points, on a screen of the context's width.
    widgets::Rect departureFrame() const;
    widgets::Rect arrivalFrame() const;

protected:
    void viewDidLoad() override;

private:
    static void press(ui::TextField& count, int step);
    void openPicker(ui::TextField& field, const std::string& flag);
    /// A field's suggestion list, a child the views find by `key`.
    std::shared_ptr<AutoFillTableViewController>
    makeList(ui::TextField& field, const widgets::Rect& frame, std::string key);

    app::AppContext& context_;
    std::shared_ptr<AutoFillTableViewController> departures_, arrivals_;
};

} // namespace tools
